// Timings of the paragraph writer on one narrative line of 128 KB to 4 MB:
// each markup pattern, repeated, must cost time in proportion to the line.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "rtfkit/paragraph.h"
#include "text/cp1250.h"

namespace {

using qv::operator""_cp;

std::string Repeat(std::string_view unit, std::size_t totalBytes) {
  std::string s;
  s.reserve(totalBytes + unit.size());
  while (s.size() < totalBytes) s += unit;
  return s;
}

qv::ParagraphContext Context(qv::Layout layout) {
  qv::ParagraphContext ctx;
  ctx.layout = layout;
  ctx.narrativeMode = true;
  ctx.emphasis = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  return ctx;
}

void RunNarrative(benchmark::State& state, qv::Layout layout, const std::string& line) {
  const qv::ParagraphContext ctx = Context(layout);
  for (auto _ : state) {
    qv::RtfWriter out = qv::RtfWriter::InMemory();
    std::string narrative = line;
    qv::WriteNarrative(ctx, narrative, out);
    benchmark::DoNotOptimize(out.Text().size());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(line.size()));
  state.SetComplexityN(static_cast<std::int64_t>(line.size()));
}

// A story line of bold pairs between non-breaking spaces.
void BM_BoldPairs(benchmark::State& state) {
  RunNarrative(state, qv::Layout::kOlder, Repeat("&nbsp;<b>x</b> ", state.range(0)));
}

// Every emphasis rule, many times over.
void BM_EmphasisRules(benchmark::State& state) {
  RunNarrative(
      state, qv::Layout::kOlder,
      Repeat("(1) [+1] (Feltételes x) (ld. enc.) 7 életpontot sebeztél. "_cp, state.range(0)));
}

// The newer layout's signed bonuses, closed and unclosed.
void BM_SignedBonuses(benchmark::State& state) {
  RunNarrative(state, qv::Layout::kNewer, Repeat("a (+1) b (+2 ", state.range(0)));
}

// Bold openings with a blank after each, nested (the blank moves in front of
// every opening), and bold openings that never close.
void BM_NestedBoldBlanks(benchmark::State& state) {
  const std::size_t half = state.range(0) / 2;
  RunNarrative(state, qv::Layout::kOlder,
               Repeat("<b>&nbsp;", half) + Repeat("</b>", half / 2) + Repeat("<i>", half / 2));
}

// Paragraph marks and continue marks of the older layout.
void BM_ContinueMarks(benchmark::State& state) {
  RunNarrative(state, qv::Layout::kOlder, Repeat("x (Továbbmész...)<br>{a} "_cp, state.range(0)));
}

constexpr std::int64_t kFrom = 128 << 10;
constexpr std::int64_t kTo = 4 << 20;

#define QV_LINE_BENCHMARK(name)       \
  BENCHMARK(name)                     \
      ->RangeMultiplier(2)            \
      ->Range(kFrom, kTo)             \
      ->Unit(benchmark::kMillisecond) \
      ->Complexity(benchmark::oN)

QV_LINE_BENCHMARK(BM_BoldPairs);
QV_LINE_BENCHMARK(BM_EmphasisRules);
QV_LINE_BENCHMARK(BM_SignedBonuses);
QV_LINE_BENCHMARK(BM_NestedBoldBlanks);
QV_LINE_BENCHMARK(BM_ContinueMarks);

}  // namespace
