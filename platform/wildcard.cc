#include "platform/wildcard.h"

#include "platform/dir_listing.h"
#include "platform/input_file.h"
#include "platform/path_names.h"

namespace qv {
namespace {

// The lower-case letter of a Windows-1250 capital; other bytes unchanged.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  // Š Ś Ť Ž Ź at 0x8A, 0x8C-0x8F; their small letters 16 above.
  if (c == 0x8A || (c >= 0x8C && c <= 0x8F)) return static_cast<unsigned char>(c + 16);
  if (c == 0xA3) return 0xB3;  // Ł
  if (c == 0xA5) return 0xB9;  // Ą
  if (c == 0xAA) return 0xBA;  // Ş
  if (c == 0xAF) return 0xBF;  // Ż
  if (c == 0xBC) return 0xBE;  // Ľ
  // À-Þ but × (0xD7): their small letters 32 above.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  return c;
}

bool SameChar(char a, char b, bool caseBlind) {
  if (a == b) return true;
  return caseBlind &&
         FoldCase(static_cast<unsigned char>(a)) == FoldCase(static_cast<unsigned char>(b));
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

bool WildcardMatch(const std::string& pattern, const std::string& name, NameRules rules) {
  if (rules.hiddenDotNames && !name.empty() && name[0] == '.' &&
      (pattern.empty() || pattern[0] != '.'))
    return false;
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
