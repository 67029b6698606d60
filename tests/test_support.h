// Small helpers shared by the unit tests.
#pragma once

#include <cstdlib>
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

// A fresh directory under /tmp, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    char templ[] = "/tmp/qvtest.XXXXXX";
    if (mkdtemp(templ) != nullptr) path_ = templ;
  }
  ~TempDir() {
    if (!path_.empty()) std::system(("rm -rf '" + path_ + "'").c_str());
  }
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
