#include "rtfkit/rtf_escape.h"

#include <array>

#include "text/line_cuts.h"

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
  out.reserve(text.size());
  AppendRtfEscaped(out, text);
  return out;
}

void AppendRtfEscaped(std::string& out, std::string_view text) {
  // The bytes between two that are dropped or escaped go over as one run.
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
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
