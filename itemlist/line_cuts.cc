#include "itemlist/line_cuts.h"

#include "platform/settings.h"
#include "rtfkit/text.h"

namespace qv {

std::string TrimBlanks(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return std::string(text.substr(b, e - b));
}

std::string TextBefore(std::string_view text, std::string_view marker) {
  return Copy(text, 1, Find(marker, text) - 1);
}

void DeleteThrough(std::string& text, std::string_view marker, int extra) {
  const int at = Find(marker, text);
  if (at == 0) return;
  Delete(text, 1, at + static_cast<int>(marker.size()) - 1 + extra);
}

std::string RemoveTags(std::string text) {
  // One scan: whatever stands before a removed tag holds neither "<" nor ">",
  // so each search can go on from the end of the tag just removed.
  std::string kept;
  std::size_t from = 0;
  for (;;) {
    const std::size_t open = text.find('<', from);
    const std::size_t close = text.find('>', from);
    if (open == std::string::npos || close == std::string::npos || close < open) break;
    kept.append(text, from, open - from);
    from = close + 1;
  }
  if (from == 0) return text;
  kept.append(text, from, std::string::npos);
  return kept;
}

std::string CellText(std::string_view line) {
  const int gt = Find(">", line);
  if (gt == 0) return std::string();
  const int lt = CharPosFrom(line, '<', gt + 1);
  const int end = lt == 0 ? static_cast<int>(line.size()) + 1 : lt;
  return TrimBlanks(Copy(line, gt + 1, end - gt - 1));
}

std::string NumberAfter(std::string_view line, std::string_view open) {
  const int at = Find(open, line);
  if (at == 0) return std::string();
  const int from = at + static_cast<int>(open.size());
  const int close = CharPosFrom(line, ')', from);
  if (close == 0) return std::string();
  return Copy(line, from, close - from);
}

int IntegerOrZero(const std::string& text) { return IntegerOr(text, 0); }

}  // namespace qv
