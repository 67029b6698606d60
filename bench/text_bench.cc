// Timings of the text helpers and the report reader on inputs far larger than
// a report paragraph, to keep them linear.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/support/scratch_dir.h"
#include "text/cp1250.h"
#include "text/report_reader.h"
#include "text/text.h"

namespace {

using qv::operator""_cp;

std::string Repeat(std::string_view unit, std::size_t totalBytes) {
  std::string s;
  s.reserve(totalBytes + unit.size());
  while (s.size() < totalBytes) s += unit;
  return s;
}

void BM_ReplaceAllTags(benchmark::State& state) {
  const std::string text = Repeat("xxxxxx<br>", 1000000);  // 100,000 occurrences
  for (auto _ : state) benchmark::DoNotOptimize(qv::ReplaceAll("<br>", "\\par ", text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceAllTags)->Unit(benchmark::kMillisecond);

void BM_ReplaceAllBlankRuns(benchmark::State& state) {
  const std::string text = Repeat("a" + std::string(999, ' '), 1000000);
  for (auto _ : state) benchmark::DoNotOptimize(qv::ReplaceAll("  ", " ", text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceAllBlankRuns)->Unit(benchmark::kMillisecond);

const std::string& ProseText() {
  static const std::string text = Repeat("  Egy   szó,  <b>KÉT</b> &nbsp;szó \r\n   ", 1000000);
  return text;
}

template <std::string (*Op)(std::string)>
void BM_TextOp(benchmark::State& state) {
  const std::string& text = ProseText();
  for (auto _ : state) benchmark::DoNotOptimize(Op(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_TextOp<qv::CollapseBlanks>)->Name("BM_CollapseBlanks")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextOp<qv::NormalizeBlanks>)
    ->Name("BM_NormalizeBlanks")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextOp<qv::StripTags>)->Name("BM_StripTags")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextOp<qv::HungarianLowerCase>)
    ->Name("BM_HungarianLowerCase")
    ->Unit(benchmark::kMillisecond);

void BM_ReportReaderLines(benchmark::State& state) {
  const qv::test::TempDir dir;
  const std::string bytes =
      Repeat(std::string("<tr><td>Varázskard</td><td>12</td><td>3,5</td></tr>\r\n"_cp), 10000000);
  const std::string name = dir.Write("report.htm", bytes);
  for (auto _ : state) {
    qv::ReportReader reader(name);
    std::size_t lines = 0;
    while (!reader.Eof()) {
      benchmark::DoNotOptimize(reader.ReadLine());
      ++lines;
    }
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReportReaderLines)->Unit(benchmark::kMillisecond);

}  // namespace
