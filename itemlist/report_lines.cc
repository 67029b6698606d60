#include "itemlist/report_lines.h"

#include <cstring>

#include "platform/error.h"
#include "text/byte_words.h"
#include "text/line_cuts.h"

namespace qv {
namespace {

bool Dropped(char c) { return IsDroppedControl(static_cast<unsigned char>(c)); }

// Whether one of the eight bytes of w may be a dropped control: one below 32
// (the tab too, and a few false alarms past the first such byte) or 127.
constexpr bool MayHoldDropped(std::uint64_t w) {
  using byte_words::kOnes;
  constexpr std::uint64_t kHighs = kOnes * 0x80;
  const std::uint64_t below32 = (w - kOnes * 32) & ~w & kHighs;
  return (below32 | byte_words::BytesEqual(w, 127)) != 0;
}

// The place of the first dropped control byte of text, or its size.
std::size_t FirstDropped(std::string_view text) {
  const char* const d = text.data();
  const std::size_t n = text.size();
  std::size_t at = 0;
  if constexpr (byte_words::kUsable) {
    for (; at + 8 <= n; at += 8) {
      if (!MayHoldDropped(byte_words::Load(d + at))) continue;
      for (std::size_t k = at; k < at + 8; ++k)
        if (Dropped(d[k])) return k;
    }
  }
  for (; at < n; ++at)
    if (Dropped(d[at])) return at;
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
  if (!started_) {
    loadStart_ = report_.TextFilePos();
    started_ = true;
  } else {
    loadStart_ += static_cast<std::int64_t>(load_.size());
  }
  load_ = report_.ReadChunk();
  begin_ = 0;
  return !load_.empty();
}

void ReportLines::ReadLine(std::string& line) {
  if (Eof()) {
    line.clear();
    return;
  }
  // A line feed in this load ends the line there; most lines are cut so.
  const char* start = load_.data() + begin_;
  std::size_t available = load_.size() - begin_;
  const void* lf = std::memchr(start, '\n', available);
  if (lf != nullptr) {
    const std::size_t taken = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
    begin_ += taken + 1;
    const std::string_view raw(start, taken);
    if (BareSize(raw) > kMaxLineBytes) LineTooLong();
    AssignWithoutControlBytes(raw, line);
    return;
  }
  // The line goes on in the next loads.
  pieces_.assign(start, available);
  begin_ = load_.size();
  while (NextLoad()) {
    start = load_.data();
    available = load_.size();
    lf = std::memchr(start, '\n', available);
    const std::size_t taken =
        lf == nullptr ? available
                      : static_cast<std::size_t>(static_cast<const char*>(lf) - start);
    if (pieces_.size() + taken > kMaxLineBytes + 1) LineTooLong();
    pieces_.append(start, taken);
    if (lf != nullptr) {
      begin_ = taken + 1;
      break;
    }
    begin_ = available;
  }
  if (BareSize(pieces_) > kMaxLineBytes) LineTooLong();
  AssignWithoutControlBytes(pieces_, line);
}

void ReportLines::Seek(std::int64_t offset) {
  report_.TextFileSeek(offset);
  loadStart_ = offset;
  started_ = true;
  load_ = {};
  begin_ = 0;
}

void ReportLines::LineTooLong() const {
  ThrowFileProblem(FileOp::kRead, report_.name(),
                   "egy sora hosszabb, mint " + std::to_string(kMaxLineBytes >> 20) + " MB");
}

}  // namespace qv
