#include "convert/table_cells.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "text/byte_words.h"
#include "text/report_markers.h"
#include "text/search.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kCellEnd = R"(\cell )";
constexpr std::string_view kCrLf = "\r\n";

constexpr std::string_view kNewerSkillBreaks[] = {newer::kSpacerCell, newer::kRowEndTag};
constexpr std::string_view kNewerPointBreaks[] = {newer::kNextTextCell, newer::kRowEndTag};
static_assert(LabelEndsJoinInOneScan(older::kLabelCellEnds));
static_assert(BreaksFitOneScan(older::kCellBreaks) && BreaksFitOneScan(kNewerSkillBreaks) &&
              BreaksFitOneScan(kNewerPointBreaks));

// Moves text[from, to) to `out` (never after `from`) and returns where the
// moved text ends.
std::size_t MoveDown(char* d, std::size_t out, std::size_t from, std::size_t to) {
  if (out != from) std::memmove(d + out, d + from, to - from);
  return out + (to - from);
}

// Whether the pattern stands at `at`. Patterns are short: their bytes are
// compared in place, eight at a time.
bool HoldsAt(std::string_view text, std::size_t at, std::string_view pattern) {
  if (text.size() - at < pattern.size()) return false;
  const char* t = text.data() + at;
  const char* p = pattern.data();
  std::size_t n = pattern.size();
  for (; n >= 8; n -= 8, t += 8, p += 8) {
    std::uint64_t a, b;
    std::memcpy(&a, t, 8);
    std::memcpy(&b, p, 8);
    if (a != b) return false;
  }
  for (; n > 0; --n)
    if (*t++ != *p++) return false;
  return true;
}

// An occurrence of a break: where it starts and ends, its pass, and whether
// the passes replace it.
struct Occurrence {
  std::size_t start;
  std::size_t end;
  std::size_t pass;
  bool taken;
};

// Whether an occurrence taken already overlaps run[j]; the occurrences are
// in the order of their starts, none longer than `longest`.
bool OverlapsTaken(const std::vector<Occurrence>& run, std::size_t j, std::size_t longest) {
  const Occurrence& o = run[j];
  for (std::size_t x = j; x-- > 0 && run[x].start + longest > o.start;)
    if (run[x].taken && run[x].end > o.start) return true;
  for (std::size_t x = j + 1; x < run.size() && run[x].start < o.end; ++x)
    if (run[x].taken) return true;
  return false;
}

// The pass of each break, over a run of occurrences that overlap one
// another in a chain: the first pass replaces its occurrences from left to
// right, skipping one that overlaps its last; each later pass does the same
// with what no earlier pass took. Occurrences of different runs never
// overlap, so a run is decided on its own.
void DecideRun(std::vector<Occurrence>& run, std::size_t passes, std::size_t longest) {
  for (std::size_t pass = 0; pass < passes; ++pass) {
    for (std::size_t j = 0; j < run.size(); ++j)
      if (run[j].pass == pass && !OverlapsTaken(run, j, longest)) run[j].taken = true;
  }
}

// The place of the last LF before `end`, else npos; eight bytes at a time.
std::size_t LastLfBefore(const char* d, std::size_t end) {
  if constexpr (byte_words::kUsable) {
    for (; end >= 8; end -= 8) {
      const std::uint64_t hits = byte_words::BytesEqual(byte_words::Load(d + end - 8), '\n');
      if (hits != 0) return end - 8 + static_cast<std::size_t>(63 - std::countl_zero(hits)) / 8;
    }
  }
  while (end > 0)
    if (d[--end] == '\n') return end;
  return std::string::npos;
}

}  // namespace

void JoinLabelCells(std::string& text, std::span<const std::string_view> labelEnds) {
  if (labelEnds.empty()) return;
  const char colon = labelEnds.front().front();
  char* const d = text.data();
  const std::size_t n = text.size();
  std::size_t out = 0;
  std::size_t from = 0;  // text[from, n) is unread
  for (;;) {
    const void* hit = std::memchr(d + from, colon, n - from);
    if (hit == nullptr) break;
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(hit) - d);
    out = MoveDown(d, out, from, at + 1);
    from = at + 1;
    // Each pass joins the colon to the cells that follow it in turn; the
    // colon is what the replacement leaves, so the pass finds it again.
    for (const std::string_view end : labelEnds) {
      const std::string_view cellEnd = end.substr(1);
      while (HoldsAt(text, from, cellEnd)) from += cellEnd.size();
    }
  }
  text.resize(MoveDown(d, out, from, n));
}

namespace {

constexpr std::size_t kMostBreaks = 8;

// The first four bytes at `at` as a word.
std::uint32_t HeadAt(const char* d) {
  std::uint32_t head;
  std::memcpy(&head, d, sizeof head);
  return head;
}

// Which breaks may start with a head: a head picks one of 16 places, each
// marking the breaks whose heads pick it.
std::size_t HeadPlace(std::uint32_t head) { return (head * 0x9E3779B1u) >> 28; }

}  // namespace

void BreakCells(std::string& text, std::span<const std::string_view> breaks) {
  std::size_t longest = 0;
  std::string firsts;
  const std::size_t passes = std::min(breaks.size(), kMostBreaks);
  std::array<std::uint32_t, kMostBreaks> heads{};
  std::array<std::uint8_t, 16> byHead{};
  for (std::size_t pass = 0; pass < passes; ++pass) {
    const std::string_view b = breaks[pass];
    longest = std::max(longest, b.size());
    if (firsts.find(b.front()) == std::string::npos) firsts += b.front();
    heads[pass] = HeadAt(b.data());
    byHead[HeadPlace(heads[pass])] |= static_cast<std::uint8_t>(1u << pass);
  }
  char* const d = text.data();
  const std::size_t n = text.size();
  std::size_t out = 0;
  std::size_t copied = 0;  // the text before is in place, replaced
  std::vector<Occurrence> run;
  std::size_t runEnd = 0;
  auto replace = [&](const Occurrence& o) {
    out = MoveDown(d, out, copied, o.start);
    d[out++] = '\r';
    d[out++] = '\n';
    copied = o.end;
  };
  auto replaceRun = [&] {
    // An occurrence alone is replaced.
    if (run.size() > 1) DecideRun(run, passes, longest);
    for (const Occurrence& o : run)
      if (o.taken || run.size() == 1) replace(o);
    run.clear();
  };
  // Replacing a run writes only before the place looked at.
  auto lookAt = [&](std::size_t at) {
    if (n - at < 4) return;
    const std::uint32_t head = HeadAt(d + at);
    for (unsigned marks = byHead[HeadPlace(head)]; marks != 0; marks &= marks - 1) {
      const std::size_t pass = static_cast<std::size_t>(std::countr_zero(marks));
      if (head != heads[pass] || !HoldsAt(text, at, breaks[pass])) continue;
      if (!run.empty() && at >= runEnd) replaceRun();
      run.push_back({at, at + breaks[pass].size(), pass, false});
      runEnd = std::max(runEnd, at + breaks[pass].size());
    }
  };
  std::size_t at = 0;
  if constexpr (byte_words::kUsable) {
    // The places of the first bytes, eight bytes at a time.
    const unsigned char a = static_cast<unsigned char>(firsts[0]);
    const unsigned char b = static_cast<unsigned char>(firsts[firsts.size() > 1 ? 1 : 0]);
    const unsigned char c = static_cast<unsigned char>(firsts.back());
    for (; at + 8 <= n; at += 8) {
      const std::uint64_t w = byte_words::Load(d + at);
      std::uint64_t hits = byte_words::BytesEqual(w, a);
      if (firsts.size() > 1) hits |= byte_words::BytesEqual(w, b) | byte_words::BytesEqual(w, c);
      for (; hits != 0; hits &= hits - 1) lookAt(at + byte_words::FirstMarked(hits));
    }
  }
  for (; at < n; ++at)
    if (firsts.find(d[at]) != std::string::npos) lookAt(at);
  replaceRun();
  text.resize(MoveDown(d, out, copied, n));
}

void EndCells(std::string& text) {
  std::size_t ends = 0;
  for (std::size_t at = text.find(kCrLf); at != std::string::npos; at = text.find(kCrLf, at + 2))
    ++ends;
  if (ends == 0) return;
  // The text moves up from its end, a stretch between two LFs at a time.
  const std::size_t grow = kCellEnd.size() - kCrLf.size();
  std::size_t from = text.size();
  text.resize(from + ends * grow);
  char* const d = text.data();
  std::size_t to = text.size();
  while (ends > 0) {
    const std::size_t lf = LastLfBefore(d, from);
    if (lf == 0 || d[lf - 1] != '\r') {
      // a lone LF stays as it is
      std::memmove(d + to - (from - lf), d + lf, from - lf);
      to -= from - lf;
      from = lf;
      continue;
    }
    const std::size_t tail = from - lf - 1;
    std::memmove(d + to - tail, d + lf + 1, tail);
    to -= tail;
    to -= kCellEnd.size();
    std::memcpy(d + to, kCellEnd.data(), kCellEnd.size());
    from = lf - 1;
    --ends;
  }
}

void DropEmptyCells(std::string& text) {
  constexpr std::string_view kTwoEnds = R"(\cell \cell)";
  constexpr std::string_view kJoined = R"( \cell)";
  char* const d = text.data();
  const std::size_t n = text.size();
  std::size_t out = 0;
  std::size_t from = 0;
  // Where a run is made one "\cell", no new one can start before it or in
  // it; the next starts in the text not yet read.
  // The search looks at the unread text only.
  auto next = [&] {
    const std::size_t at = FindFrom(std::string_view(text).substr(from), kTwoEnds);
    return at == std::string::npos ? at : from + at;
  };
  for (std::size_t at = next(); at != std::string::npos; at = next()) {
    out = MoveDown(d, out, from, at + 5);
    from = at + 5;
    while (HoldsAt(text, from, kJoined)) from += kJoined.size();
  }
  text.resize(MoveDown(d, out, from, n));
}

std::string FlattenCells(Layout layout, CellTable table, std::string text) {
  const bool points = table == CellTable::kDevelopmentPoints;
  if (layout == Layout::kOlder) {
    if (!points) JoinLabelCells(text, older::kLabelCellEnds);
    BreakCells(text, older::kCellBreaks);
  } else {
    BreakCells(text, points ? std::span(kNewerPointBreaks) : std::span(kNewerSkillBreaks));
  }
  KeepPlainText(text);
  EndCells(text);
  if (text.starts_with(R"(\cell)")) text.erase(0, kCellEnd.size());

  if (table == CellTable::kCombatSkills) {
    DropEmptyCells(text);
  } else if (const std::size_t p = text.find(R"(\cell \cell )"); p != std::string::npos) {
    text.erase(p, kCellEnd.size());
  }
  return text;
}

}  // namespace qv
