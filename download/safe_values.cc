#include "download/safe_values.h"

#include <cstdio>
#include <string_view>

#include "platform/error.h"

namespace qv {
namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// What a file name may not hold on either system: the path separators, and
// what Windows forbids besides (":" would name another drive's folder or an
// alternate stream of a file).
bool IsNameBreaking(char c) {
  return std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

}  // namespace

std::string ShownValue(const std::string& value) {
  std::string out;
  for (const char ch : value) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (IsControl(c)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += ch;
    }
  }
  return out;
}

bool IsSafeValue(const std::string& value) {
  if (value.empty() || value.front() == '.') return false;
  for (const char ch : value)
    if (IsNameBreaking(ch) || IsControl(static_cast<unsigned char>(ch))) return false;
  return true;
}

void RequireSafeValue(const std::string& value, const std::string& what) {
  if (IsSafeValue(value)) return;
  // An empty value would name the report "1234_.htm".
  if (value.empty()) throw Error(error_kind::kDownload, what + " nem hasznalhato: ures");
  throw Error(error_kind::kDownload, what + " ('" + ShownValue(value) +
                                         "') nem hasznalhato: nem allhat benne \"/\", \"\\\", "
                                         "\":\", \"*\", \"?\", \"<\", \">\", \"|\", idezojel vagy "
                                         "vezerlokarakter, es nem kezdodhet \".\" karakterrel");
}

}  // namespace qv
