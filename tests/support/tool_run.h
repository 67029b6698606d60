// Runs of the built tool as a player starts it: a copy of the executable in
// a folder of its own (the tool looks for its settings, data files and
// pictures beside itself), started in another folder with its output
// streams caught. One twin per system: posix/tool_run.cc (fork and exec, the
// streams in files), win32/tool_run.cc (CreateProcessW, the streams on pipes).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace qv::test {

// The exit status of a child that could not set its case up.
constexpr int kCannotPrepare = 125;

struct ToolRequest {
  std::vector<std::string> args;
  std::vector<std::string> env;  // the whole environment of the run
  std::string dir;               // where it runs
  // Where standard output goes instead of being caught ("/dev/full").
  std::string stdoutFile;
  // Runs in the child before the tool starts; false ends the child with
  // kCannotPrepare. POSIX systems only.
  std::function<bool()> inChild;
  // What standard input holds (at most a few KB).
  std::string input;
};

struct ToolOutcome {
  int exit = -1;  // the exit status, or 128 + the signal that ended the run
  std::string out;
  std::string err;
};

// Runs a program with exactly the given environment (Windows-1250 texts on
// Windows, like the arguments) in directory dir, its output streams caught;
// kills it after timeoutMs.
struct ProgramResult {
  int exitStatus = -1;  // -1: killed or not started
  std::string out;
  std::string err;
};
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env, const std::string& dir,
                         int timeoutMs);

// The environment of a run as a player's, the tester's own settings and
// lists kept out: the per-user folders (settings and data alike) point at
// userRoot, a path made only by a test that brings a player's own files.
// POSIX: the C locale, PATH and HOME alone; Windows: the tester's
// environment (Windows programs need the system's variables) less the
// tool's own variables, and QVFORMAT_NO_OPEN (no browser is started).
std::vector<std::string> ToolEnvironment(const std::string& userRoot);

// The tool's per-user folder under that userRoot as the tool names it, with
// its trailing separator: userRoot/qvformat/, or userRoot\qvformat\ on Windows.
std::string UserFolderText(const std::string& userRoot);

class ToolCopy {
 public:
  // The built executable, linked (or copied) into a fresh folder that other
  // users may enter.
  explicit ToolCopy(const std::string& builtTool);

  // The folder beside the executable, for its settings and data files.
  const TempDir& folder() const { return folder_; }
  // That folder as the tool names it in its messages, with the separator
  // that follows it.
  std::string ExeDirText() const;

  // Links the built pictures' folder in, unless the copy has a picture
  // folder of its own.
  void LinkBuiltPictures() const;

  // Runs the copy; its standard input holds request.input.
  ToolOutcome Run(const ToolRequest& request) const;

 private:
  std::string built_;
  TempDir folder_;
  std::string exe_;
};

}  // namespace qv::test
