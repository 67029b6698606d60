#include "download/turn_resolution.h"

#include "text/settings.h"
#include "text/text.h"

namespace qv {

void TurnResolution::Take(const std::string& line) {
  if (turn_ == "utolso") {
    // ...billent2.php&karakter=QV1234&fordulo=57&nyilvanos...: the turn is
    // the text right behind the pattern, up to "&nyilvanos" (empty without
    // it, which the download then refuses).
    const std::string pattern = "billent2.php&karakter=QV" + kar_ + "&fordulo=";
    const int p = Find(pattern, line);
    if (p > 0) {
      const int start = p + Length(pattern);
      const int q = PosFrom("&nyilvanos", line, start);
      turn_ = Copy(line, start, q - start);
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
