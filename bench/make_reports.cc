// Writes the benchmarks' large reports into a folder, to run the tool
// itself on them under a profiler:
//   qvmakereports DIR  ->  DIR/old-large1x/1234_57.htm, DIR/new-bold1x/1234_58.htm, ...
// then, say, `valgrind --tool=callgrind build/qvformat DIR/old-large1x/1234_57.htm`.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/report_maker.h"
#include "tests/support/files.h"

namespace {

void Write(const std::string& dir, const std::string& name, const std::string& bytes) {
  std::filesystem::create_directories(dir);
  std::ofstream(dir + "/" + name, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: qvmakereports DIR\n";
    return 1;
  }
  const std::string root = argv[1];
  for (const qv::Layout layout : {qv::Layout::kOlder, qv::Layout::kNewer}) {
    const bool old = layout == qv::Layout::kOlder;
    const std::string name = old ? "1234_57.htm" : "1234_58.htm";
    const std::string prefix = root + (old ? "/old-" : "/new-");
    const std::string sample = qv::test::SampleReport(name);
    for (const int times : {1, 2, 4}) {
      const std::string size = std::to_string(times) + "x";
      Write(prefix + "large" + size, name,
            qvbench::MakeReport(sample, layout, (std::size_t{5} << 20) * times, 40));
      Write(prefix + "bold" + size, name,
            qvbench::WithBoldPairs(sample, layout, std::size_t{300000} * times));
    }
  }
  return 0;
}
