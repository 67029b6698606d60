// Runs the end-to-end cases: cmdtest QVFORMAT CASE_DIR_OR_FILE...
// Each case runs the tool in a fresh temporary directory; the runner prints
// what differs and closes with "N passed, N failed".

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cmdtest/case_file.h"
#include "tests/support/rtf_structure.h"

namespace {

using cmdtest::Case;

std::string ReadAll(const std::string& path, bool* exists = nullptr) {
  std::ifstream in(path, std::ios::binary);
  if (exists) *exists = static_cast<bool>(in);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

// Replaces the clock time of the start and end lines by "TIME".
std::string MaskTimes(const std::string& text) {
  static const std::regex time(
      R"(((?:Indulas|Befejezes) ideje: )[0-9]{1,2}:[0-9]{2}:[0-9]{2}\r\n)");
  return std::regex_replace(text, time, "$1TIME\r\n");
}

// Writes the tool's directory as EXEDIR.
std::string MaskExeDir(std::string text, const std::string& binDir) {
  for (std::size_t at = 0; (at = text.find(binDir, at)) != std::string::npos; at += 6)
    text.replace(at, binDir.size(), "EXEDIR");
  return text;
}

// Creates a case's file, directory, pipe or link at path.
void MakeEntry(const std::string& path, const cmdtest::FileSpec& f) {
  using Special = cmdtest::FileSpec::Special;
  bool ok = true;
  if (f.directory)
    ok = mkdir(path.c_str(), 0755) == 0;
  else if (f.special == Special::kFifo)
    ok = mkfifo(path.c_str(), 0600) == 0;
  else if (f.special == Special::kSymlink)
    ok = symlink(f.content.c_str(), path.c_str()) == 0;
  else
    WriteAll(path, f.content);
  if (!ok) throw std::runtime_error("cannot create " + path);
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

std::string MakeTempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string templ = std::string(base && *base ? base : "/tmp") + "/qvcmd.XXXXXX";
  if (!mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
  return templ;
}

void RemoveTree(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return;
  if (S_ISDIR(st.st_mode)) {
    if (DIR* d = opendir(path.c_str())) {
      while (dirent* e = readdir(d)) {
        const std::string n = e->d_name;
        if (n != "." && n != "..") RemoveTree(path + "/" + n);
      }
      closedir(d);
    }
    rmdir(path.c_str());
  } else {
    unlink(path.c_str());
  }
}

// The names in a directory, sorted, without "." and "..".
std::vector<std::string> ListDirectory(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      const std::string n = e->d_name;
      if (n != "." && n != "..") names.push_back(n);
    }
    closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct RunResult {
  std::string out, err;
  int exit = -1;
};

RunResult Run(const std::string& exe, const Case& c, const std::string& dir) {
  const std::string outPath = dir + ".stdout";
  const std::string errPath = dir + ".stderr";
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0) _exit(127);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int null = open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || null < 0) _exit(127);
    dup2(null, 0);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<std::string> env = {"LC_ALL=C", "PATH=/usr/bin:/bin"};
    if (const char* home = std::getenv("HOME")) env.push_back(std::string("HOME=") + home);
    // The tester's own qvformat.ini and data files stay out of the case: the
    // per-user directories name a path that is never made.
    const std::string noUserFiles = dir + ".no-user-files";
    env.push_back("XDG_CONFIG_HOME=" + noUserFiles);
    env.push_back("XDG_DATA_HOME=" + noUserFiles);
    env.insert(env.end(), c.env.begin(), c.env.end());
    std::vector<char*> argv{const_cast<char*>(exe.c_str())};
    for (const std::string& a : c.args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    execve(exe.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  RunResult r;
  r.exit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  r.out = ReadAll(outPath);
  r.err = ReadAll(errPath);
  unlink(outPath.c_str());
  unlink(errPath.c_str());
  return r;
}

// Places the tool in a directory of its own, with the case's files beside
// it: the tool looks for its settings and data files there.
std::string InstallTool(const std::string& exe, const Case& c, const std::string& binDir) {
  const std::string copy = binDir + "/qvformat";
  if (link(exe.c_str(), copy.c_str()) != 0) {
    WriteAll(copy, ReadAll(exe));
    chmod(copy.c_str(), 0755);
  }
  for (const auto& f : c.exeFiles) {
    // A name like picture/x.bmp gets its directory.
    const std::size_t slash = f.name.rfind('/');
    if (slash != std::string::npos) mkdir((binDir + "/" + f.name.substr(0, slash)).c_str(), 0755);
    MakeEntry(binDir + "/" + f.name, f);
  }
  // The shipped pictures come along unless the case brings its own.
  const std::string pictures = exe.substr(0, exe.rfind('/')) + "/picture";
  struct stat st;
  if (stat(pictures.c_str(), &st) == 0 && stat((binDir + "/picture").c_str(), &st) != 0)
    symlink(pictures.c_str(), (binDir + "/picture").c_str());
  return copy;
}

// Runs one case; returns the description of every difference (empty: passed).
std::string Check(const std::string& realExe, const Case& c) {
  const std::string dir = MakeTempDir();
  const std::string binDir = MakeTempDir();
  std::string problems;
  try {
    const std::string exe = InstallTool(realExe, c, binDir);
    for (const auto& f : c.inputs) MakeEntry(dir + "/" + f.name, f);
    const RunResult r = Run(exe, c, dir);
    auto compare = [&](const std::string& what, const std::string& expected,
                       const std::string& actual) {
      if (expected == actual) return;
      problems += "  " + what + " differs\n  --- expected\n" + Visible(expected) +
                  "\n  --- actual\n" + Visible(actual) + "\n";
    };
    const std::string out = MaskExeDir(MaskTimes(r.out), binDir);
    if (c.stdoutTail)
      compare("end of stdout", c.expectedStdout,
              out.substr(out.size() - std::min(out.size(), c.expectedStdout.size())));
    else
      compare("stdout", c.expectedStdout, out);
    compare("stderr", c.expectedStderr, MaskExeDir(MaskTimes(r.err), binDir));
    if (r.exit != c.expectedExit)
      problems += "  exit status " + std::to_string(r.exit) + ", expected " +
                  std::to_string(c.expectedExit) + "\n";
    for (const auto& f : c.outputs) {
      bool exists = false;
      const std::string actual = ReadAll(dir + "/" + f.name, &exists);
      if (!exists) {
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
    for (const std::string& name : ListDirectory(dir)) {
      struct stat st;
      if (name.size() < 4 || name.compare(name.size() - 4, 4, ".rtf") != 0 ||
          lstat((dir + "/" + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        continue;
      const std::string faults = qv::test::RtfStructureFaults(ReadAll(dir + "/" + name));
      if (!faults.empty()) problems += "  document " + name + " is not sound:\n" + faults;
    }
    if (c.checkListing) {
      const std::vector<std::string> names = ListDirectory(dir);
      std::string expected, actual;
      for (const auto& n : c.listing) expected += n + "\n";
      for (const auto& n : names) actual += n + "\n";
      compare("listing", expected, actual);
    }
    for (const auto& name : c.absent) {
      struct stat st;
      if (lstat((dir + "/" + name).c_str(), &st) == 0) problems += "  file " + name + " exists\n";
    }
  } catch (const std::exception& e) {
    problems += std::string("  ") + e.what() + "\n";
  }
  RemoveTree(dir);
  RemoveTree(binDir);
  return problems;
}

std::vector<std::string> CaseFiles(const std::string& path) {
  std::vector<std::string> files;
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    if (DIR* d = opendir(path.c_str())) {
      while (dirent* e = readdir(d)) {
        const std::string n = e->d_name;
        if (n.size() > 2 && n.compare(n.size() - 2, 2, ".t") == 0) files.push_back(path + "/" + n);
      }
      closedir(d);
    }
    std::sort(files.begin(), files.end());
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
  char* resolved = realpath(argv[1], nullptr);
  if (!resolved) {
    std::cerr << "cmdtest: no such program: " << argv[1] << "\n";
    return 2;
  }
  const std::string exe = resolved;
  std::free(resolved);
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
