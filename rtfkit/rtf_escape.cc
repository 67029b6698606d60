#include "rtfkit/rtf_escape.h"

#include <array>

#include "text/byte_words.h"
#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr bool IsDropped(unsigned char c) { return IsDroppedControl(c); }
constexpr bool IsEscaped(char c) { return c == '\\' || c == '{' || c == '}'; }

// The bytes RtfEscape changes, looked up byte by byte in one table.
constexpr std::array<bool, 256> MakeChangedTable() {
  std::array<bool, 256> changed{};
  for (int b = 0; b < 256; ++b)
    changed[b] = IsDropped(static_cast<unsigned char>(b)) || IsEscaped(static_cast<char>(b));
  return changed;
}
constexpr std::array<bool, 256> kChanged = MakeChangedTable();

bool Changed(char c) { return kChanged[static_cast<unsigned char>(c)]; }

}  // namespace

bool NeedsRtfEscape(std::string_view text) {
  for (const char c : text)
    if (Changed(c)) return true;
  return false;
}

std::string RtfEscape(std::string_view text) {
  std::string out;
  out.reserve(RoomForEdits(text.size()));
  AppendRtfEscaped(out, text);
  return out;
}

namespace {

// Whether the eight bytes at `at` may hold one that RtfEscape changes: a
// control byte (a tab too, which stays), DEL, "\\", "{" or "}".
bool MayHoldChanged(const char* at) {
  using namespace byte_words;
  const std::uint64_t w = Load(at);
  return (BytesBelow(w, 0x20) | BytesEqual(w, 0x7F) | BytesEqual(w, '\\') | BytesEqual(w, '{') |
          BytesEqual(w, '}')) != 0;
}

}  // namespace

void AppendRtfEscaped(std::string& out, std::string_view text) {
  // The bytes between two that are dropped or escaped go over as one run;
  // eight bytes that hold none are passed over at once.
  std::size_t from = 0;
  std::size_t looked = 0;  // the bytes before it were seen by a word's test
  for (std::size_t i = 0; i < text.size(); ++i) {
    if constexpr (byte_words::kUsable) {
      if (i >= looked) {
        while (i + 8 <= text.size() && !MayHoldChanged(text.data() + i)) i += 8;
        if (i == text.size()) break;
        looked = i + 8;
      }
    }
    const char c = text[i];
    if (!Changed(c)) continue;
    out.append(text.substr(from, i - from));
    if (IsEscaped(c)) {
      out += '\\';
      out += c;
    }
    from = i + 1;
  }
  out.append(text.substr(from));
}

}  // namespace qv
