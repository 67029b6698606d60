#include "download/turn_resolution.h"

#include "platform/settings.h"
#include "text/text.h"

namespace qv {

void TurnResolution::Take(const std::string& line) {
  if (turn_ == "utolso") {
    // ...billent2.php&karakter=QV1234&fordulo=57&nyilvanos...: the turn
    // starts 37 characters into the pattern, which is right behind it for a
    // four-digit character number (the site's own count, kept as it is).
    const int p = Find("billent2.php&karakter=QV" + kar_ + "&fordulo=", line);
    if (p > 0) {
      const int q = PosFrom("&nyilvanos", line, p);
      turn_ = Copy(line, p + 37, q - p - 37);
    }
  }

  if (Contains(turn_, "&bul")) {
    stop_ = false;
    const std::string head = Copy(turn_, 1, Find("&", turn_) - 1);
    if (Contains(line, head + ". fordul")) {
      turn_ = head;
      stop_ = true;
    } else {
      const long long before = static_cast<long long>(IntegerOr(head, 0)) - 1;
      if (Contains(line, std::to_string(before) + ". fordul")) stop_ = true;
    }
  }
}

}  // namespace qv
