#include "download/cookies.h"

#include "text/text.h"

namespace qv {

std::string CookieCut(const std::string& line, const std::string& name) {
  const int start = Find(name, line);
  return Copy(line, start, Find(";", line) - start);
}

}  // namespace qv
