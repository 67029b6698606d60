// Runs the end-to-end cases: cmdtest QVFORMAT CASE_DIR_OR_FILE...
// Each case runs the tool in a fresh temporary directory; the runner prints
// what differs and closes with "N passed, N failed".

#ifndef _WIN32
#include <sys/stat.h>  // mkfifo
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <string>
#include <vector>

#include "tests/cmdtest/case_file.h"
#include "tests/support/files.h"
#include "tests/support/rtf_structure.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/tool_run.h"

namespace {

using cmdtest::Case;

namespace fs = std::filesystem;

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

// Replaces the clock time of the start and end lines by "TIME" (on
// Windows in the user's time format, which may add "AM" or "PM").
std::string MaskTimes(const std::string& text) {
  static const std::regex time(
      R"(((?:Indulas|Befejezes) ideje: )[0-9]{1,2}:[0-9]{2}:[0-9]{2}(?: [AP]M)?\r\n)");
  return std::regex_replace(text, time, "$1TIME\r\n");
}

// Writes a folder, as the tool names it, as token ("EXEDIR/").
std::string MaskDir(std::string text, const std::string& dir, const std::string& token) {
  for (std::size_t at = 0; (at = text.find(dir, at)) != std::string::npos; at += token.size())
    text.replace(at, dir.size(), token);
  return text;
}

// The expected text as the system writes its paths: on Windows every "/"
// of a path behind "EXEDIR/" or "USERDIR/" becomes "\" (a path ends at a
// blank, a quote, a comma or a line end).
std::string SystemPaths(std::string text) {
#ifdef _WIN32
  const std::string pathEnds = " '\",\r\n";
  for (const std::string token : {"EXEDIR/", "USERDIR/"}) {
    for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at)) {
      for (at += token.size(); at < text.size() && pathEnds.find(text[at]) == std::string::npos;
           ++at)
        if (text[at] == '/') text[at] = '\\';
    }
  }
#endif
  return text;
}

// Creates a case's file, directory, pipe or link at path.
void MakeEntry(const std::string& path, const cmdtest::FileSpec& f) {
  using Special = cmdtest::FileSpec::Special;
  std::error_code error;
  bool ok = true;
  if (f.directory)
    ok = fs::create_directory(path, error);
  else if (f.special == Special::kFifo)
#ifdef _WIN32
    throw std::runtime_error("no named pipes on Windows: a case of tests/cmd/posix/");
#else
    ok = mkfifo(path.c_str(), 0600) == 0;
#endif
  else if (f.special == Special::kSymlink)
    fs::create_symlink(f.content, path, error);
  else
    WriteAll(path, f.content);
  if (!ok || error) throw std::runtime_error("cannot create " + path);
}

// Shows bytes readably: line ends as \r\n, other control bytes as \xNN.
std::string Visible(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (c == '\n')
      out += "\\n\n";
    else if (c == '\r')
      out += "\\r";
    else if (c < 32 || c == 127) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else
      out += static_cast<char>(c);
  }
  return out;
}

// The names in a directory, sorted, without "." and "..".
std::vector<std::string> Names(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code error;
  for (const fs::directory_entry& e : fs::directory_iterator(dir, error))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

// The player's own folder of a case run in dir.
std::string UserRoot(const std::string& dir) { return dir + ".user"; }

// Runs the case in dir, the tool from a folder of its own with the case's
// files beside it (the tool looks for its settings and data files there),
// and the player's own files in the per-user folder.
qv::test::ToolOutcome Run(const qv::test::ToolCopy& tool, const Case& c, const std::string& dir) {
  for (const auto& f : c.exeFiles) {
    const std::string path = tool.folder().path() + "/" + f.name;
    fs::create_directories(fs::path(path).parent_path());  // for picture/x.bmp
    MakeEntry(path, f);
  }
  for (const auto& f : c.userFiles) {
    const std::string path = qv::test::UserFolderText(UserRoot(dir)) + f.name;
    fs::create_directories(fs::path(path).parent_path());
    MakeEntry(path, f);
  }
  // The shipped pictures come along unless the case brings its own.
  tool.LinkBuiltPictures();
  // The tester's own qvformat.ini and data files stay out of the case.
  std::vector<std::string> env = qv::test::ToolEnvironment(UserRoot(dir));
  env.insert(env.end(), c.env.begin(), c.env.end());
  return tool.Run({c.args, env, dir, "", {}, c.input});
}

// Runs one case; returns the description of every difference (empty: passed).
std::string Check(const std::string& realExe, const Case& c) {
  const qv::test::TempDir scratch;
  const std::string& dir = scratch.path();
  std::string problems;
  // The player's own folder goes with the case's scratch folder.
  struct RemoveUserRoot {
    std::string root;
    ~RemoveUserRoot() {
      std::error_code error;
      fs::remove_all(root, error);
    }
  } const userRoot{UserRoot(dir)};
  try {
    const qv::test::ToolCopy tool(realExe);
    for (const auto& f : c.inputs) MakeEntry(dir + "/" + f.name, f);
    const qv::test::ToolOutcome r = Run(tool, c, dir);
    const std::string binDir = tool.ExeDirText();
    const std::string userDir = qv::test::UserFolderText(userRoot.root);
    auto mask = [&](const std::string& text) {
      return MaskDir(MaskDir(MaskTimes(text), binDir, "EXEDIR/"), userDir, "USERDIR/");
    };
    auto compare = [&](const std::string& what, const std::string& expected,
                       const std::string& actual) {
      if (expected == actual) return;
      problems += "  " + what + " differs\n  --- expected\n" + Visible(expected) +
                  "\n  --- actual\n" + Visible(actual) + "\n";
    };
    const std::string out = mask(r.out);
    const std::string expectedOut = SystemPaths(c.expectedStdout);
    if (c.stdoutTail)
      compare("end of stdout", expectedOut,
              out.substr(out.size() - std::min(out.size(), expectedOut.size())));
    else
      compare("stdout", expectedOut, out);
    compare("stderr", SystemPaths(c.expectedStderr), mask(r.err));
    if (r.exit != c.expectedExit)
      problems += "  exit status " + std::to_string(r.exit) + ", expected " +
                  std::to_string(c.expectedExit) + "\n";
    for (const auto& f : c.outputs) {
      const std::string path = dir + "/" + f.name;
      const std::string actual = qv::test::ReadFile(path);
      if (!fs::exists(path)) {
        problems += "  file " + f.name + " was not written\n";
      } else if (f.match == cmdtest::FileSpec::Match::kWhole) {
        compare("file " + f.name, f.content, actual);
      } else if (f.match == cmdtest::FileSpec::Match::kTail) {
        const std::size_t n = std::min(actual.size(), f.content.size());
        compare("end of file " + f.name, f.content, actual.substr(actual.size() - n));
      } else if (actual.find(f.content) == std::string::npos) {
        problems += "  file " + f.name + " lacks\n" + Visible(f.content) + "\n";
      }
    }
    // Every document the run wrote is sound, whatever else the case asks.
    for (const std::string& name : Names(dir)) {
      const std::string path = dir + "/" + name;
      if (!name.ends_with(".rtf") || !fs::is_regular_file(fs::symlink_status(path))) continue;
      const std::string faults = qv::test::RtfStructureFaults(qv::test::ReadFile(path));
      if (!faults.empty()) problems += "  document " + name + " is not sound:\n" + faults;
    }
    if (c.checkListing) {
      std::string expected, actual;
      for (const auto& n : c.listing) expected += n + "\n";
      for (const auto& n : Names(dir)) actual += n + "\n";
      compare("listing", expected, actual);
    }
    for (const auto& name : c.absent)
      if (Exists(dir + "/" + name)) problems += "  file " + name + " exists\n";
  } catch (const std::exception& e) {
    problems += std::string("  ") + e.what() + "\n";
  }
  return problems;
}

std::vector<std::string> CaseFiles(const std::string& path) {
  std::vector<std::string> files;
  if (fs::is_directory(path)) {
    for (const std::string& name : Names(path))
      if (name.size() > 2 && name.ends_with(".t")) files.push_back(path + "/" + name);
  } else {
    files.push_back(path);
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: cmdtest QVFORMAT CASE_DIR_OR_FILE...\n";
    return 2;
  }
  // The tool runs in another directory, so its path must not be relative.
  std::error_code error;
  const std::string exe = fs::canonical(argv[1], error).string();
  if (error) {
    std::cerr << "cmdtest: no such program: " << argv[1] << "\n";
    return 2;
  }
  int passed = 0, failed = 0;
  for (int i = 2; i < argc; ++i) {
    for (const std::string& file : CaseFiles(argv[i])) {
      std::string problems;
      try {
        problems = Check(exe, cmdtest::ReadCase(file));
      } catch (const std::exception& e) {
        problems = std::string("  ") + e.what() + "\n";
      }
      if (problems.empty()) {
        ++passed;
      } else {
        ++failed;
        std::cout << "FAIL " << file << "\n" << problems;
      }
    }
  }
  std::cout << passed << " passed, " << failed << " failed\n";
  return failed == 0 && passed > 0 ? 0 : 1;
}
