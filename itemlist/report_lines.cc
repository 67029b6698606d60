#include "itemlist/report_lines.h"

#include <algorithm>
#include <bit>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "platform/error.h"
#include "text/byte_words.h"
#include "text/line_cuts.h"
#include "text/search.h"

namespace qv {
namespace {

bool Dropped(char c) { return IsDroppedControl(static_cast<unsigned char>(c)); }

// Whether one of the eight bytes of w may be a dropped control: one below 32
// (a tab too) or 127. Each byte is tested on its own low seven bits, so no
// carry runs from one byte into the next.
constexpr bool MayHoldDropped(std::uint64_t w) {
  using byte_words::kLow7;
  using byte_words::kOnes;
  const std::uint64_t low = w & kLow7;
  const std::uint64_t atLeast32 = (low + kOnes * 0x60) | w;  // high bit: 32 or more
  const std::uint64_t is127 = (low + kOnes) & ~w;            // high bit: 127
  return ((~atLeast32 | is127) & (kOnes * 0x80)) != 0;
}

// The place of the first dropped control byte of text at or after `at`, or
// its size, byte by byte.
std::size_t FirstDroppedFrom(std::string_view text, std::size_t at) {
  for (; at < text.size(); ++at)
    if (Dropped(text[at])) return at;
  return text.size();
}

// The same from the start, eight bytes a step while they hold none: the
// last step takes the text's last eight bytes, overlapping the one before.
std::size_t FirstDropped(std::string_view text) {
  const char* const d = text.data();
  const std::size_t n = text.size();
  if (!byte_words::kUsable || n < 8) return FirstDroppedFrom(text, 0);
  std::size_t at = 0;
  for (; at + 8 <= n; at += 8)
    if (MayHoldDropped(byte_words::Load(d + at))) return FirstDroppedFrom(text, at);
  if (at < n && MayHoldDropped(byte_words::Load(d + n - 8))) return FirstDroppedFrom(text, n - 8);
  return n;
}

// Whether text[at] is a byte that keeps a line from being copied as it
// stands: a dropped control byte but a CR right before a line feed and a
// line feed right after a CR (the CR LF that ends a line). A CR at the
// text's end and a line feed at its start count: what stands beyond is not
// known.
bool Stray(std::string_view text, std::size_t at) {
  const char c = text[at];
  if (!Dropped(c)) return false;
  if (c == '\r') return !(at + 1 < text.size() && text[at + 1] == '\n');
  if (c == '\n') return !(at > 0 && text[at - 1] == '\r');
  return true;
}

// The place of the first Stray byte of text at or after `from`, or its size;
// thirty-two bytes a step where SSE2 is there.
std::size_t FirstStray(std::string_view text, std::size_t from) {
  const char* const d = text.data();
  const std::size_t n = text.size();
#ifdef __SSE2__
  if (from == 0 && n > 0) {
    if (Stray(text, 0)) return 0;
    from = 1;
  }
  const __m128i k31 = _mm_set1_epi8(31);
  const __m128i kDel = _mm_set1_epi8(127);
  auto load = [d](std::size_t at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + at));
  };
  // The places of the bytes of v that equal c, as bits.
  auto bits = [](__m128i v, char c) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(c))));
  };
  // Thirty-two bytes a step, with the bytes before and after them there too.
  // Most steps hold no control byte at all, or only CR LFs and tabs, which
  // a step finds from the bits of its bytes.
  for (; from + 33 <= n; from += 32) {
    const __m128i a = load(from), b = load(from + 16);
    auto controls = [&](__m128i v) {
      return _mm_or_si128(_mm_cmpeq_epi8(_mm_min_epu8(v, k31), v), _mm_cmpeq_epi8(v, kDel));
    };
    const __m128i ca = controls(a), cb = controls(b);
    if (_mm_movemask_epi8(_mm_or_si128(ca, cb)) == 0) continue;
    const std::uint32_t control = static_cast<std::uint32_t>(_mm_movemask_epi8(ca)) |
                                  static_cast<std::uint32_t>(_mm_movemask_epi8(cb)) << 16;
    const std::uint32_t cr = bits(a, '\r') | bits(b, '\r') << 16;
    const std::uint32_t lf = bits(a, '\n') | bits(b, '\n') << 16;
    const std::uint32_t tab = bits(a, '\t') | bits(b, '\t') << 16;
    const std::uint32_t lfNext = lf >> 1 | static_cast<std::uint32_t>(d[from + 32] == '\n') << 31;
    const std::uint32_t crBefore = cr << 1 | static_cast<std::uint32_t>(d[from - 1] == '\r');
    if (const std::uint32_t stray = control & ~(tab | (cr & lfNext) | (lf & crBefore)))
      return from + static_cast<std::size_t>(std::countr_zero(stray));
  }
#else
  if constexpr (byte_words::kUsable) {
    for (; from + 8 <= n; from += 8) {
      if (!MayHoldDropped(byte_words::Load(d + from))) continue;
      for (std::size_t at = from; at < from + 8; ++at)
        if (Stray(text, at)) return at;
    }
  }
#endif
  for (; from < n; ++from)
    if (Stray(text, from)) return from;
  return n;
}

// A line's size without the CR of a CR LF: what may hold kMaxLineBytes.
std::size_t BareSize(std::string_view raw) {
  return raw.size() - (!raw.empty() && raw.back() == '\r' ? 1 : 0);
}

}  // namespace

void AssignWithoutControlBytes(std::string_view raw, std::string& line) {
  // The CR of a CR LF is one of them, and stands on nearly every line.
  if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
  std::size_t at = FirstDropped(raw);
  line.assign(raw.data(), at);
  for (; at < raw.size(); ++at)
    if (!Dropped(raw[at])) line += raw[at];
}

bool ReportLines::NextLoad() {
  if (lastInLoad_) {  // the load is replaced: the last line read is kept
    kept_.assign(last_);
    last_ = kept_;
    lastInLoad_ = false;
  }
  if (!started_) {
    loadStart_ = report_.TextFilePos();
    started_ = true;
  } else {
    loadStart_ += static_cast<std::int64_t>(load_.size());
  }
  load_ = report_.ReadChunk();
  begin_ = 0;
  stray_ = FirstStray(load_, 0);
  return !load_.empty();
}

void ReportLines::ReadLine(std::string& line) {
  const std::string_view read = Next(line);
  if (read.data() != line.data()) line.assign(read);
  last_ = {};  // LastLine() is ReadLineView's
  lastInLoad_ = false;
}

std::string_view ReportLines::Next(std::string& copy) {
  last_ = {};  // nothing to keep from the line before
  lastInLoad_ = false;
  if (Eof()) return last_;
  // A line feed in this load ends the line there; most lines are cut so.
  const char* start = load_.data() + begin_;
  std::size_t available = load_.size() - begin_;
  const void* lf = std::memchr(start, '\n', available);
  if (lf != nullptr) {
    const std::size_t taken = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
    const std::size_t end = begin_ + taken;  // the line feed's place
    begin_ = end + 1;
    const std::string_view raw(start, taken);
    if (BareSize(raw) > kMaxLineBytes) LineTooLong();
    if (stray_ > end) {  // nothing to drop but the CR of a CR LF
      last_ = raw.substr(0, BareSize(raw));
      lastInLoad_ = true;
      return last_;
    }
    AssignWithoutControlBytes(raw, copy);
    stray_ = FirstStray(load_, begin_);
    last_ = copy;
    return last_;
  }
  // The line goes on in the next loads.
  pieces_.assign(start, available);
  begin_ = load_.size();
  while (NextLoad()) {
    start = load_.data();
    available = load_.size();
    lf = std::memchr(start, '\n', available);
    const std::size_t taken =
        lf == nullptr ? available : static_cast<std::size_t>(static_cast<const char*>(lf) - start);
    if (pieces_.size() + taken > kMaxLineBytes + 1) LineTooLong();
    pieces_.append(start, taken);
    if (lf != nullptr) {
      begin_ = taken + 1;
      if (stray_ < begin_) stray_ = FirstStray(load_, begin_);
      break;
    }
    begin_ = available;
  }
  if (BareSize(pieces_) > kMaxLineBytes) LineTooLong();
  AssignWithoutControlBytes(pieces_, copy);
  last_ = copy;
  return last_;
}

std::string_view ReportLines::PassLinesWithout(std::span<const std::string_view> markers) {
  if (begin_ >= stray_) return {};
  // Lines before stray_ end in CR LF (but maybe the last) and lose nothing.
  const std::string_view clean = load_.substr(0, stray_);
  std::size_t stop = clean.size();
  for (const std::string_view marker : markers)
    stop = std::min(stop, FindFrom(clean, marker, begin_));
  const bool found = stop < clean.size();
  auto lineStart = [&](std::size_t at) {
    if (at <= begin_) return begin_;
    const std::size_t lf = clean.rfind('\n', at - 1);
    return lf == std::string_view::npos || lf < begin_ ? begin_ : lf + 1;
  };
  stop = lineStart(stop);
  // Without a marker the last whole line is kept to be read: it may be the
  // report's last, which a reader must see.
  if (!found) stop = lineStart(stop == begin_ ? begin_ : stop - 1);
  const std::string_view passed = load_.substr(begin_, stop - begin_);
  begin_ = stop;
  return passed;
}

void ReportLines::Seek(std::int64_t offset) {
  report_.TextFileSeek(offset);
  loadStart_ = offset;
  started_ = true;
  load_ = {};
  begin_ = 0;
  stray_ = 0;
  last_ = {};
  lastInLoad_ = false;
}

void ReportLines::LineTooLong() const { report_.LineTooLong(); }

}  // namespace qv
