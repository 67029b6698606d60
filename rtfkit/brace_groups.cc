#include "rtfkit/brace_groups.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace qv {
namespace {

constexpr std::string_view kItalicOpening = R"({\i )";

}  // namespace

std::string PairLiteralBraceGroups(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  std::vector<std::size_t> open;  // where each open group's "{\i " stands in out
  for (std::size_t i = 0; i < text.size(); ++i) {
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
      out += c;
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

std::string BalanceGroups(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  std::size_t depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      if (i + 1 == text.size()) break;
      out += c;
      out += text[++i];
      continue;
    }
    if (c == '{') ++depth;
    if (c == '}') {
      if (depth == 0) continue;
      --depth;
    }
    out += c;
  }
  out.append(depth, '}');
  return out;
}

}  // namespace qv
