#include "platform/desktop_open.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/environment.h"

namespace qv {
namespace {

bool HasValue(const char* name) { return !EnvironmentText(name).empty(); }

// The full path of an executable program on the PATH, or empty.
std::string FindOnPath(const std::string& program) {
  // An empty PATH (the current folder) is not the same as none.
  const std::optional<std::string> path = EnvironmentValue("PATH");
  if (!path) return "";
  const std::string& dirs = *path;
  std::size_t start = 0;
  while (start <= dirs.size()) {
    std::size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string dir = end > start ? dirs.substr(start, end - start) : ".";
    const std::string candidate = dir + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return "";
}

}  // namespace

bool StartDesktopOpen(const std::string& path) {
  if (!HasValue("DISPLAY") && !HasValue("WAYLAND_DISPLAY")) return false;
  const std::string opener = FindOnPath("xdg-open");
  if (opener.empty()) return false;

  // A name starting with "-" would read as an option.
  const std::string argument = path.starts_with('-') ? "./" + path : path;
  std::vector<char*> argv = {const_cast<char*>(opener.c_str()), const_cast<char*>(argument.c_str()),
                             nullptr};

  // The grandchild reports a failed exec through the pipe; a successful exec
  // closes the pipe unwritten.
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;

  const pid_t child = fork();
  if (child == 0) {
    const pid_t grandchild = fork();
    if (grandchild == 0) {
      setsid();
      const int devNull = open("/dev/null", O_RDWR);
      if (devNull >= 0) {
        dup2(devNull, 0);
        dup2(devNull, 1);
        dup2(devNull, 2);
      }
      execv(opener.c_str(), argv.data());
      const int error = errno;
      (void)!write(report[1], &error, sizeof error);
      _exit(127);
    }
    // The opener is handed to init at once, which reaps it.
    _exit(grandchild < 0 ? 1 : 0);
  }
  close(report[1]);
  if (child < 0) {
    close(report[0]);
    return false;
  }

  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  bool started = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (started) {
    int error = 0;
    ssize_t n;
    while ((n = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    started = n == 0;
  }
  close(report[0]);
  return started;
}

}  // namespace qv
