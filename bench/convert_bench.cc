// Timings of whole runs against the limit of copying the same bytes: the
// conversion of a typical report (about 300 KB) and of a large one (5 MB:
// thousands of items and a 40 x 40 map, also doubled and quadrupled) in
// both layouts, the item-list page of the large reports, a batch run over
// 500 reports and a story line of 300,000 bold pairs (also doubled and
// quadrupled). Every benchmark reports its throughput in bytes of report per
// second and, as "x_copy", its time over the time of copying its input
// files, measured in the same run; as "x_rw", its time over reading its
// inputs and writing as many bytes as it wrote ("out_MiB"), which is the
// lower bound when the output is larger than the input.
//
// The copy reads each input and writes it through qv::ReplacingFile, the
// temporary file and rename that every document and page of the tool goes
// through, so both sides pay the same for creating, writing and renaming.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/run.h"
#include "app/session.h"
#include "bench/report_maker.h"
#include "convert/driver.h"
#include "itemlist/item_list_page.h"
#include "platform/memory_reuse.h"
#include "platform/replacing_file.h"
#include "tests/support/consoles.h"
#include "tests/support/files.h"
#include "tests/support/rtf_structure.h"
#include "tests/support/scratch_dir.h"
#include "text/output_names.h"

namespace {

using qv::Layout;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kTypicalBytes = 300 << 10;
constexpr std::size_t kLargeBytes = 5 << 20;
constexpr int kLargeMapSide = 40;
constexpr std::size_t kBoldPairs = 300000;
constexpr int kBatchReports = 500;

// A scratch folder, removed with everything in it at exit.
const std::string& WorkDir() {
  static const qv::test::TempDir dir;
  return dir.path();
}

std::string WriteInput(const std::string& subdir, const std::string& name,
                       const std::string& bytes) {
  const std::string dir = WorkDir() + "/" + subdir;
  std::filesystem::create_directories(dir);
  const std::string path = dir + "/" + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// Reads the file in 64 KB blocks and writes it as `to` the way the tool
// writes its documents.
void CopyFile(const std::string& from, const std::string& to) {
  const int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) std::abort();
  qv::ReplacingFile out(to);
  std::string block(64 << 10, '\0');
  for (ssize_t n; (n = ::read(fd, block.data(), block.size())) > 0;)
    out.Write(std::string_view(block.data(), static_cast<std::size_t>(n)));
  ::close(fd);
  out.Commit();
}

void CopyAll(const std::vector<std::string>& inputs) {
  for (const std::string& path : inputs) CopyFile(path, path + ".copy");
}

// The median time of copying the inputs, over a few rounds.
double CopySeconds(const std::vector<std::string>& inputs) {
  std::vector<double> times;
  for (int round = 0; round < 7; ++round) {
    const auto start = Clock::now();
    CopyAll(inputs);
    times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::int64_t TotalBytes(const std::vector<std::string>& inputs) {
  std::int64_t total = 0;
  for (const std::string& path : inputs)
    total += static_cast<std::int64_t>(std::filesystem::file_size(path));
  return total;
}

// Bytes of what the runs wrote beside the inputs: every file in the inputs'
// folders that is neither an input nor a copy of one.
std::int64_t OutputBytes(const std::vector<std::string>& inputs) {
  std::vector<std::filesystem::path> dirs;
  for (const std::string& path : inputs) {
    const std::filesystem::path dir = std::filesystem::path(path).parent_path();
    if (std::find(dirs.begin(), dirs.end(), dir) == dirs.end()) dirs.push_back(dir);
  }
  std::int64_t total = 0;
  for (const std::filesystem::path& dir : dirs)
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      const std::string path = entry.path().string();
      if (!entry.is_regular_file() || path.ends_with(".copy") ||
          std::find(inputs.begin(), inputs.end(), path) != inputs.end())
        continue;
      total += static_cast<std::int64_t>(entry.file_size());
    }
  return total;
}

// The median time of reading the inputs and writing as many bytes as the
// runs wrote, as one file through the same temporary-file-and-rename path:
// the bytes the tool must move at the least, when its output is larger
// than its input (a map picture in hexadecimal).
double ReadWriteSeconds(const std::vector<std::string>& inputs, std::int64_t outputBytes) {
  std::string block(64 << 10, '\0');
  std::vector<double> times;
  for (int round = 0; round < 7; ++round) {
    const auto start = Clock::now();
    for (const std::string& path : inputs) {
      const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
      if (fd < 0) std::abort();
      while (::read(fd, block.data(), block.size()) > 0) {
      }
      ::close(fd);
    }
    qv::ReplacingFile out(WorkDir() + "/written.out");
    for (std::int64_t left = outputBytes; left > 0;) {
      const auto n = static_cast<std::size_t>(std::min<std::int64_t>(left, block.size()));
      out.Write(std::string_view(block.data(), n));
      left -= static_cast<std::int64_t>(n);
    }
    out.Commit();
    times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::filesystem::remove(WorkDir() + "/written.out");
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The counters of every whole-run benchmark: the throughput, the ratio to
// the copy, and the ratio to reading the input and writing the output.
void SetCounters(benchmark::State& state, const std::vector<std::string>& inputs, double copy,
                 double each) {
  state.SetBytesProcessed(state.iterations() * TotalBytes(inputs));
  state.counters["x_copy"] = each / copy;
  state.counters["copy_ms"] = copy * 1e3;
  const std::int64_t written = OutputBytes(inputs);
  state.counters["out_MiB"] = static_cast<double>(written) / (1 << 20);
  state.counters["x_rw"] = each / ReadWriteSeconds(inputs, written);
}

// Times `run` over the inputs and sets the counters.
void Measure(benchmark::State& state, const std::vector<std::string>& inputs,
             const std::function<void()>& run) {
  const double copy = CopySeconds(inputs);
  for (const std::string& path : inputs) std::filesystem::remove(path + ".copy");
  const auto start = Clock::now();
  for (auto _ : state) run();
  const double each = std::chrono::duration<double>(Clock::now() - start).count() /
                      static_cast<double>(state.iterations());
  SetCounters(state, inputs, copy, each);
}

std::string ProgramDir() { return std::string(QV_PROGRAM_DIR) + "/"; }

std::string SampleName(Layout layout) {
  return layout == Layout::kOlder ? "1234_57.htm" : "1234_58.htm";
}

void Convert(Layout layout, const std::string& path) {
  qv::test::SilentConsole console;
  qv::RunContext ctx{console, ProgramDir()};
  qv::ConverterSession session;
  qv::ReportReader report(path);
  qv::ConvertReport(ctx, session, report, layout, qv::FormatSettings());
}

// The page as the tool builds it, with the map pictures.
void Page(Layout layout, const std::string& path) {
  qv::test::SilentConsole console;
  qv::RunContext ctx{console, ProgramDir()};
  qv::PageSetupCache setup;
  qv::ReportReader report(path);
  qv::BuildItemListPage(ctx, setup, report, layout, qv::DefaultItemListSettings());
}

const char* LayoutName(Layout layout) { return layout == Layout::kOlder ? "old" : "new"; }

// The document a conversion of `path` wrote must be sound (the structural
// check of the tests); a benchmark whose document is not reports an error.
void CheckDocument(benchmark::State& state, const std::string& path) {
  const std::string document = qv::test::ReadFile(qv::RtfOutputName(path));
  const std::string faults = qv::test::RtfStructureFaults(document);
  if (document.empty()) state.SkipWithError("no document written");
  if (!faults.empty()) state.SkipWithError(("the document is not sound: " + faults).c_str());
}

std::string LargeReport(Layout layout, int times) {
  return qvbench::MakeReport(qv::test::SampleReport(SampleName(layout)), layout,
                             kLargeBytes * times, kLargeMapSide);
}

void RegisterReportBenchmarks(Layout layout) {
  const std::string sample = qv::test::SampleReport(SampleName(layout));
  const std::string prefix = LayoutName(layout);
  auto add = [](const std::string& name, auto fn) {
    return benchmark::RegisterBenchmark(name.c_str(), fn)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  };

  add(prefix + "/convert/typical", [=](benchmark::State& state) {
    const std::string path = WriteInput(prefix + "-typical", SampleName(layout),
                                        qvbench::MakeReport(sample, layout, kTypicalBytes, 0));
    Measure(state, {path}, [&] { Convert(layout, path); });
    CheckDocument(state, path);
  });
  for (const int times : {1, 2, 4}) {
    const std::string size = "large" + std::to_string(times) + "x";
    add(prefix + "/convert/" + size, [=](benchmark::State& state) {
      const std::string path = WriteInput(prefix + "-" + size, SampleName(layout),
                                          LargeReport(layout, times));
      Measure(state, {path}, [&] { Convert(layout, path); });
      CheckDocument(state, path);
    });
  }
  add(prefix + "/page/large1x", [=](benchmark::State& state) {
    const std::string path =
        WriteInput(prefix + "-page", SampleName(layout), LargeReport(layout, 1));
    Measure(state, {path}, [&] { Page(layout, path); });
  });
  for (const int times : {1, 2, 4}) {
    const std::size_t pairs = kBoldPairs * times;
    add(prefix + "/convert/bold_pairs/" + std::to_string(pairs), [=](benchmark::State& state) {
      const std::string path = WriteInput(prefix + "-bold" + std::to_string(times),
                                          SampleName(layout),
                                          qvbench::WithBoldPairs(sample, layout, pairs));
      Measure(state, {path}, [&] { Convert(layout, path); });
      CheckDocument(state, path);
    });
  }
}

// `qvformat /k` in a folder of 500 reports: the four samples over and over.
void BM_Batch(benchmark::State& state) {
  const char* samples[] = {"1234_57.htm", "1234_58.htm", "1234_59.htm", "1234_60.htm"};
  std::vector<std::string> inputs;
  for (int i = 0; i < kBatchReports; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "1234_%03d.htm", i);
    inputs.push_back(WriteInput("batch", name, qv::test::SampleReport(samples[i % 4])));
  }
  const double copy = CopySeconds(inputs);
  for (const std::string& path : inputs) std::filesystem::remove(path + ".copy");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(WorkDir() + "/batch");
  qv::test::SilentConsole console;
  const auto start = Clock::now();
  for (auto _ : state) {
    qv::Session session(qv::CommandLine({"/k"}), console, ProgramDir());
    qv::RunTool(session, qv::DefaultHandlers());
  }
  const double each = std::chrono::duration<double>(Clock::now() - start).count() /
                      static_cast<double>(state.iterations());
  std::filesystem::current_path(before);
  SetCounters(state, inputs, copy, each);
}
BENCHMARK(BM_Batch)->Name("batch/convert/500")->Unit(benchmark::kMillisecond)->UseRealTime();

// The copy alone, as its own line of the table.
void BM_CopyLarge(benchmark::State& state) {
  const std::string path = WriteInput("copy", "1234_57.htm", LargeReport(Layout::kOlder, 1));
  Measure(state, {path}, [&] { CopyAll({path}); });
}
BENCHMARK(BM_CopyLarge)->Name("copy/large1x")->Unit(benchmark::kMillisecond)->UseRealTime();

const bool registered = [] {
  // The tool's own process setting (app/main.cc), so that whole runs here
  // use memory as the tool does.
  qv::KeepFreedMemoryForReuse();
  RegisterReportBenchmarks(Layout::kOlder);
  RegisterReportBenchmarks(Layout::kNewer);
  return true;
}();

}  // namespace
