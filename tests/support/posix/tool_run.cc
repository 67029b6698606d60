#include "tests/support/tool_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/environment.h"

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

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env, const std::string& dir,
                         int timeoutMs) {
  ProgramResult result;
  char outName[] = "/tmp/qvout.XXXXXX";
  char errName[] = "/tmp/qverr.XXXXXX";
  const int out = mkstemp(outName);
  const int err = mkstemp(errName);

  std::vector<std::string> argStore = {program};
  argStore.insert(argStore.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argStore) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> envStore = env;
  std::vector<char*> envp;
  for (std::string& e : envStore) envp.push_back(e.data());
  envp.push_back(nullptr);

  const pid_t child = fork();
  if (child == 0) {
    if (chdir(dir.c_str()) != 0) _exit(126);
    dup2(out, 1);
    dup2(err, 2);
    execve(program.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  int status = 0;
  bool done = false;
  for (int waited = 0; child > 0 && waited < timeoutMs && !done; waited += 10) {
    done = waitpid(child, &status, WNOHANG) == child;
    if (!done) usleep(10000);
  }
  if (child > 0 && !done) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
  } else if (done && WIFEXITED(status)) {
    result.exitStatus = WEXITSTATUS(status);
  }
  close(out);
  close(err);
  auto slurp = [](const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    std::remove(name);
    return s.str();
  };
  result.out = slurp(outName);
  result.err = slurp(errName);
  return result;
}

std::vector<std::string> ToolEnvironment(const std::string& userRoot) {
  std::vector<std::string> env = {"LC_ALL=C", "PATH=/usr/bin:/bin"};
  if (const auto home = EnvironmentValue("HOME")) env.push_back("HOME=" + *home);
  env.push_back("XDG_CONFIG_HOME=" + userRoot);
  env.push_back("XDG_DATA_HOME=" + userRoot);
  return env;
}

std::string UserFolderText(const std::string& userRoot) { return userRoot + "/qvformat/"; }

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

std::string ToolCopy::ExeDirText() const { return folder_.path() + "/"; }

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
  const int in = NamelessFile();
  if (write(in, request.input.data(), request.input.size()) !=
          static_cast<ssize_t>(request.input.size()) ||
      lseek(in, 0, SEEK_SET) != 0)
    throw std::runtime_error("cannot write a child's input");

  const pid_t child = fork();
  if (child == 0) {
    if (chdir(request.dir.c_str()) != 0) _exit(126);
    if (request.inChild && !request.inChild()) _exit(kCannotPrepare);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    execve(exe_.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  close(in);
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
