#include "rtfkit/rtf_escape.h"

namespace qv {
namespace {

bool IsDropped(unsigned char c) { return (c < 32 && c != '\t') || c == 127; }
bool IsEscaped(char c) { return c == '\\' || c == '{' || c == '}'; }

}  // namespace

bool NeedsRtfEscape(std::string_view text) {
  for (const char c : text)
    if (IsEscaped(c) || IsDropped(static_cast<unsigned char>(c))) return true;
  return false;
}

std::string RtfEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  // The bytes between two that are dropped or escaped go over as one run.
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool dropped = IsDropped(static_cast<unsigned char>(c));
    if (!dropped && !IsEscaped(c)) continue;
    out.append(text.substr(from, i - from));
    if (!dropped) {
      out += '\\';
      out += c;
    }
    from = i + 1;
  }
  out.append(text.substr(from));
  return out;
}

}  // namespace qv
