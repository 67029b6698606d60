// A scratch folder for a test: made fresh in the system's temporary folder
// and removed with everything in it when the test is done. Only
// std::filesystem is used, so the same code serves every system.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace qv::test {

class TempDir {
 public:
  TempDir() {
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path();
    std::mt19937_64 random(std::random_device{}() ^
                           std::chrono::steady_clock::now().time_since_epoch().count());
    // Random names are tried until one is free; a name that exists (a link
    // too) is never taken over.
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      const fs::path dir = base / ("qvtest." + std::to_string(random() % 1000000007));
      if (fs::create_directory(dir)) path_ = dir.string();
    }
    if (path_.empty()) throw std::runtime_error("no free name for a folder in " + base.string());
    fs::permissions(path_, fs::perms::owner_all);
  }
  ~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }

  // Writes a file in the folder, making the folders its name holds ("a/b.txt"),
  // and returns its path.
  std::string Write(const std::string& name, std::string_view bytes) const {
    const std::string file = path_ + "/" + name;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), error);
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

  // The bytes of a file in the folder; "" when it cannot be read.
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

 private:
  std::string path_;
};

}  // namespace qv::test
