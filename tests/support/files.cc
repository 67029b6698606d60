#include "tests/support/files.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qv::test {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string SourceFile(const std::string& relative) {
  const std::string path = std::string(QV_SOURCE_DIR) + "/" + relative;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string SampleReport(const std::string& name) { return SourceFile("examples/" + name); }

}  // namespace qv::test
