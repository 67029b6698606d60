#include "site/turn_report.h"

namespace qv {

bool HoldsTitleTag(std::string_view text) {
  constexpr std::string_view kTag = "title";
  for (std::size_t lt = text.find('<'); lt != std::string_view::npos; lt = text.find('<', lt + 1)) {
    const std::string_view rest = text.substr(lt + 1, kTag.size());
    if (rest.size() < kTag.size()) return false;
    bool same = true;
    for (std::size_t i = 0; i < kTag.size() && same; ++i)
      same = (rest[i] | 0x20) == kTag[i];
    if (same) return true;
  }
  return false;
}

}  // namespace qv
