#include "platform/wildcard.h"

#include "platform/dir_listing.h"
#include "platform/input_file.h"
#include "platform/path_names.h"

namespace qv {
namespace {

// The characters of a name: UTF-8 decoded where the name is valid UTF-8
// (names on Windows, and in a UTF-8 locale), else one a byte, so that "?"
// stands for one character.
std::u32string CharactersOf(const std::string& name) {
  std::u32string out;
  for (std::size_t i = 0; i < name.size();) {
    const unsigned char b = static_cast<unsigned char>(name[i]);
    const int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2
                                   : (b & 0xF8) == 0xF0 ? 3 : -1;
    char32_t c = extra <= 0 ? b : b & (0x3F >> extra);
    bool valid = extra >= 0 && i + extra < name.size();
    for (int k = 1; valid && k <= extra; ++k) {
      const unsigned char next = static_cast<unsigned char>(name[i + k]);
      valid = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (!valid || (extra > 0 && c < (extra == 1 ? 0x80u : extra == 2 ? 0x800u : 0x10000u))) {
      std::u32string bytes;
      for (const char byte : name) bytes += static_cast<unsigned char>(byte);
      return bytes;
    }
    out += c;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

// The small letter of a capital of the Latin, Greek and Cyrillic letters
// that names use; anything else unchanged.
char32_t FoldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 32;  // À-Þ but ×
  if (c >= 0x100 && c <= 0x137) return c | 1;    // Ā-ķ: capitals even
  if (c >= 0x139 && c <= 0x148) return (c & 1) != 0 ? c + 1 : c;  // Ĺ-ň: capitals odd
  if (c >= 0x14A && c <= 0x177) return c | 1;                      // Ŋ-ŷ
  if (c >= 0x179 && c <= 0x17E) return (c & 1) != 0 ? c + 1 : c;  // Ź-ž
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;     // Greek
  if (c >= 0x410 && c <= 0x42F) return c + 32;                    // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  return c;
}

bool SameChar(char32_t a, char32_t b, bool caseBlind) {
  return a == b || (caseBlind && FoldCase(a) == FoldCase(b));
}

}  // namespace

NameRules SystemNameRules() {
#ifdef _WIN32
  return {true, false};
#else
  return {false, true};
#endif
}

bool HoldsWildcard(const std::string& text) {
  return text.find_first_of("*?") != std::string::npos;
}

bool WildcardMatch(const std::string& patternText, const std::string& nameText,
                   NameRules rules) {
  if (rules.hiddenDotNames && !nameText.empty() && nameText[0] == '.' &&
      (patternText.empty() || patternText[0] != '.'))
    return false;
  const std::u32string pattern = CharactersOf(patternText);
  const std::u32string name = CharactersOf(nameText);
  // Greedy with one step back: on a mismatch the last "*" takes one more
  // character.
  std::size_t p = 0, n = 0;
  std::size_t star = std::string::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || SameChar(pattern[p], name[n], rules.caseBlind))) {
      ++p;
      ++n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<std::string> MatchingFiles(const std::string& pattern) {
  const std::size_t start = FileNameStart(pattern);
  const std::string folder = pattern.substr(0, start);
  const std::string namePattern = pattern.substr(start);
  // "C:" alone is that drive's current folder, not its root.
  const std::string listed = folder.empty() ? "." : folder.back() == ':' ? folder + "." : folder;
  std::vector<std::string> files;
  for (const std::string& name : ListDirectory(listed))
    if (WildcardMatch(namePattern, name, SystemNameRules()) && FileExists(folder + name))
      files.push_back(folder + name);
  return files;
}

}  // namespace qv
