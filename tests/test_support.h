// Small helpers shared by the unit tests.
#pragma once

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console.h"

namespace qv::test {

// A console that keeps every line; error lines are marked "ERR ".
class RecordingConsole : public Console {
 public:
  void Line(const std::string& text) override { lines.push_back(text); }
  void ErrorLine(const std::string& text) override { lines.push_back("ERR " + text); }
  void SetMessagesToErrorStream(bool on) override { aside = on; }
  bool MessagesToErrorStream() const override { return aside; }
  std::vector<std::string> lines;
  bool aside = false;
};

// The depth of the groups an RTF text leaves open: "{" and "}" that are not
// escaped are counted (picture data, being hexadecimal, holds neither); -1
// when a "}" closes more than was opened.
inline int BraceBalance(std::string_view rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;  // an escaped character or the first letter of a control word
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}') {
      if (--depth < 0) return -1;
    }
  }
  return depth;
}

// Sets an environment variable (nullptr: removes it) and puts back the
// earlier value when it goes.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* before = std::getenv(name);
    had_ = before != nullptr;
    if (had_) before_ = before;
    Set(value);
  }
  ~ScopedEnv() { Set(had_ ? before_.c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Set(const char* value) {
#ifdef _WIN32
    _putenv_s(name_.c_str(), value != nullptr ? value : "");  // "" removes it there
#else
    if (value != nullptr)
      setenv(name_.c_str(), value, 1);
    else
      unsetenv(name_.c_str());
#endif
  }
  std::string name_;
  bool had_ = false;
  std::string before_;
};

// A fresh directory in the system's temporary folder (/tmp), removed with
// everything in it.
class TempDir {
 public:
#ifdef _WIN32
  TempDir() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    // A name of the clock's ticks, tried until one is free.
    auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100 && path_.empty() && !error; ++attempt) {
      const fs::path dir = base / ("qvtest." + std::to_string(tick++ % 1000000007));
      if (fs::create_directory(dir, error)) path_ = dir.string();
    }
  }
  ~TempDir() {
    std::error_code error;
    if (!path_.empty()) std::filesystem::remove_all(path_, error);
  }
#else
  TempDir() {
    char templ[] = "/tmp/qvtest.XXXXXX";
    if (mkdtemp(templ) != nullptr) path_ = templ;
  }
  ~TempDir() {
    if (!path_.empty()) std::system(("rm -rf '" + path_ + "'").c_str());
  }
#endif
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // Writes a file in the directory and returns its path.
  std::string Write(const std::string& name, std::string_view bytes) const {
    const std::string p = path_ + "/" + name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  std::string path_;
};

}  // namespace qv::test
