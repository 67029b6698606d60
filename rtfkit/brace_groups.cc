#include "rtfkit/brace_groups.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

#include "text/search.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kItalicOpening = R"({\i )";

// The bytes the group passes act on; the text between them is copied.
constexpr std::string_view kGroupBytes = R"(\{})";

}  // namespace

std::string PairLiteralBraceGroups(std::string text) {
  if (FindAnyByte(text, kGroupBytes) == std::string::npos) return text;
  std::string out;
  out.reserve(RoomForEdits(text.size()));
  std::vector<std::size_t> open;  // where each open group's "{\i " stands in out
  for (std::size_t i = 0; i < text.size(); ++i) {
    // The bytes up to the next backslash or brace go out as one run.
    const std::size_t plain = std::min(FindAnyByte(text, kGroupBytes, i), text.size());
    if (plain > i) {
      out.append(text, i, plain - i);
      if (plain == text.size()) break;
      i = plain;
    }
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      out += c;
      out += text[++i];
      if (text[i] != '}') continue;
      // A literal "}": with the group's own "}" after it, or closing the open
      // group on its own.
      const bool ownClosing = i + 1 < text.size() && text[i + 1] == '}';
      if (ownClosing) ++i;
      if (!open.empty()) {
        out += '}';
        open.pop_back();
      }
    } else if (c == '{') {
      open.push_back(out.size());
      out += c;
    } else if (c == '}') {
      if (open.empty()) continue;
      out += c;
      open.pop_back();
    } else {
      out += c;  // a backslash that ends the text
    }
  }
  if (open.empty()) return out;

  // Groups never closed lose their opening.
  std::string kept;
  kept.reserve(out.size());
  std::size_t from = 0;
  for (const std::size_t at : open) {
    kept.append(out, from, at - from);
    from = at + (out.compare(at, kItalicOpening.size(), kItalicOpening) == 0 ? kItalicOpening.size()
                                                                             : 1);
  }
  kept.append(out, from, std::string::npos);
  return kept;
}

std::string BalanceGroups(std::string text) {
  if (FindAnyByte(text, kGroupBytes) == std::string::npos) return text;
  // Only "\\", "{" and "}" are looked at. The text closes up in its own
  // storage over the bytes it drops, moving only what follows a drop.
  char* const d = text.data();
  const std::size_t n = text.size();
  std::size_t depth = 0;
  std::size_t kept = 0;  // the text as it stays: d[0, kept), then d[from, ...)
  std::size_t from = 0;
  std::size_t escaped = n;  // the byte after a backslash, taken as it is
  auto drop = [&](std::size_t at) {
    if (kept != from) std::memmove(d + kept, d + from, at - from);
    kept += at - from;
    from = at + 1;
  };
  ForEachByteOf(text, kGroupBytes, [&](std::size_t i) {
    if (i == escaped) return;
    const char c = d[i];
    if (c == '\\') {
      if (i + 1 == n)
        drop(i);  // a backslash that ends the text
      else
        escaped = i + 1;
    } else if (c == '{') {
      ++depth;
    } else if (depth > 0) {
      --depth;
    } else {
      drop(i);  // a "}" that closes no group
    }
  });
  if (kept != from) {
    std::memmove(d + kept, d + from, n - from);
    text.resize(kept + (n - from));
  }
  text.append(depth, '}');
  return text;
}

}  // namespace qv
