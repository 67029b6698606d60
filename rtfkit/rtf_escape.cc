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
  for (const char c : text) {
    if (IsDropped(static_cast<unsigned char>(c))) continue;
    if (IsEscaped(c)) out += '\\';
    out += c;
  }
  return out;
}

}  // namespace qv
