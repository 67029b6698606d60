#include "tests/support/tool_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// A file without a name, for a child's output stream.
int NamelessFile() {
  std::string name = (fs::temp_directory_path() / "qvout.XXXXXX").string();
  const int fd = mkstemp(name.data());
  if (fd < 0) throw std::runtime_error("cannot make a file for a child's output");
  unlink(name.c_str());
  return fd;
}

// Everything the file holds; closes it.
std::string Slurp(int fd) {
  std::string text;
  char buffer[4096];
  lseek(fd, 0, SEEK_SET);
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  close(fd);
  return text;
}

// The argv or envp of the strings, ended by a null pointer.
std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ToolCopy::ToolCopy(const std::string& builtTool)
    : built_(builtTool), exe_(folder_.path() + "/qvformat") {
  using fs::perms;
  const perms anyoneRuns = perms::owner_all | perms::group_read | perms::group_exec |
                           perms::others_read | perms::others_exec;
  std::error_code error;
  fs::permissions(folder_.path(), anyoneRuns, error);
  if (link(built_.c_str(), exe_.c_str()) == 0) return;
  if (!fs::copy_file(built_, exe_, error))
    throw std::runtime_error("cannot copy " + built_ + ": " + error.message());
  fs::permissions(exe_, anyoneRuns, error);
}

void ToolCopy::LinkBuiltPictures() const {
  const fs::path built = fs::path(built_).parent_path() / "picture";
  const fs::path ours = fs::path(folder_.path()) / "picture";
  std::error_code error;
  if (fs::is_directory(built, error) && !fs::exists(fs::symlink_status(ours, error)))
    fs::create_directory_symlink(built, ours, error);
}

ToolOutcome ToolCopy::Run(const ToolRequest& request) const {
  std::vector<std::string> args = {exe_}, env = request.env;
  args.insert(args.end(), request.args.begin(), request.args.end());
  const std::vector<char*> argv = Pointers(args), envp = Pointers(env);
  const bool caught = request.stdoutFile.empty();
  const int out = caught ? NamelessFile() : open(request.stdoutFile.c_str(), O_WRONLY);
  if (out < 0) throw std::runtime_error("cannot open " + request.stdoutFile);
  const int err = NamelessFile();

  const pid_t child = fork();
  if (child == 0) {
    const int in = open("/dev/null", O_RDONLY);
    if (in < 0 || chdir(request.dir.c_str()) != 0) _exit(126);
    if (request.inChild && !request.inChild()) _exit(kCannotPrepare);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    execve(exe_.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  int status = 0;
  if (child > 0) waitpid(child, &status, 0);
  ToolOutcome outcome;
  outcome.exit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  outcome.out = caught ? Slurp(out) : (close(out), "");
  outcome.err = Slurp(err);
  if (child < 0) throw std::runtime_error("fork failed");
  return outcome;
}

}  // namespace qv::test
