// Runs of the built tool as a player starts it: a copy of the executable in
// a folder of its own (the tool looks for its settings, data files and
// pictures beside itself), started in another folder with its output
// streams caught. POSIX systems only.
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
  // kCannotPrepare.
  std::function<bool()> inChild;
};

struct ToolOutcome {
  int exit = -1;  // the exit status, or 128 + the signal that ended the run
  std::string out;
  std::string err;
};

class ToolCopy {
 public:
  // The built executable, linked (or copied) into a fresh folder that other
  // users may enter.
  explicit ToolCopy(const std::string& builtTool);

  // The folder beside the executable, for its settings and data files.
  const TempDir& folder() const { return folder_; }

  // Links the built pictures' folder in, unless the copy has a picture
  // folder of its own.
  void LinkBuiltPictures() const;

  // Runs the copy; its standard input is empty.
  ToolOutcome Run(const ToolRequest& request) const;

 private:
  std::string built_;
  TempDir folder_;
  std::string exe_;
};

}  // namespace qv::test
