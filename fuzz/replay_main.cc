// Runs a fuzz target without libFuzzer: every file named on the command
// line, and every file in every directory named there (in name order), is
// handed to the target once. A crash, a failed check or a sanitizer report
// ends the run as it would end a fuzzing run; the input's name is printed
// first, so the log names the culprit. A missing directory holds nothing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path arg = argv[i];
    std::error_code ec;
    if (fs::is_directory(arg, ec)) {
      std::vector<fs::path> files;
      for (const fs::directory_entry& e : fs::directory_iterator(arg))
        if (e.is_regular_file() && e.path().filename().string()[0] != '.') files.push_back(e.path());
      std::sort(files.begin(), files.end());
      inputs.insert(inputs.end(), files.begin(), files.end());
    } else if (fs::exists(arg, ec)) {
      inputs.push_back(arg);
    }
  }
  for (const fs::path& input : inputs) {
    std::printf("replaying %s\n", input.string().c_str());
    std::fflush(stdout);
    std::ifstream in(input, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Never a null pointer, as libFuzzer hands even an empty input.
    static const uint8_t kNothing = 0;
    const uint8_t* data =
        bytes.empty() ? &kNothing : reinterpret_cast<const uint8_t*>(bytes.data());
    LLVMFuzzerTestOneInput(data, bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return 0;
}
