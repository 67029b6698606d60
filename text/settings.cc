#include "text/settings.h"

#include <cstdint>
#include <string_view>

#include "platform/error.h"
#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::size_t kMaxValueLength = 2047;  // what a 2048-byte buffer holds

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A section's or a key's name as it is looked up: without the blanks and
// tabs around it, case-blind in ASCII only.
std::string NameKey(std::string_view name) {
  return AsciiLowerCase(std::string(TrimBlanksAndTabs(name)));
}

std::string Capped(std::string_view s) { return std::string(s.substr(0, kMaxValueLength)); }

}  // namespace

bool ParseInteger(const std::string& text, int* value) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  bool hex = false;
  if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    i += 1;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == n) return false;  // empty, lone sign or lone prefix

  std::uint64_t magnitude = 0;
  for (; i < n; ++i) {
    int digit = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<unsigned>(digit);
    if (magnitude > 0xFFFFFFFFull) return false;  // keeps the accumulator small
  }

  if (hex) {
    // Up to eight hex digits are a 32-bit pattern: "$FFFFFFFF" is -1.
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    *value = static_cast<int>(bits);
    return true;
  }
  const std::int64_t signedValue =
      negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  if (signedValue < INT32_MIN || signedValue > INT32_MAX) return false;
  *value = static_cast<int>(signedValue);
  return true;
}

int IntegerOr(const std::string& text, int fallback) {
  int value = fallback;
  return ParseInteger(text, &value) ? value : fallback;
}

IniFile::IniFile(const std::string& path, Console* console) : path_(path) {
  EditedText text;
  InputProblem problem;
  if (!ReadEditedText(path, &text, &problem)) {
    if (problem.Missing()) return;
    ThrowFileProblem(problem.operation, path, problem.reason);
  }
  if (console != nullptr) WarnLostCharacters(*console, path, text);
  Index(text.text);
}

// One pass over the lines (each ended by "\n" once decoded): a "[name]" line
// opens a section (a line without its closing bracket is no header), blank
// and ";" lines are skipped, and in a section a line with "=" gives a key
// its value unless the key had one before (in any section of the same name).
void IniFile::Index(const std::string& text) {
  const std::string_view all(text);
  std::unordered_map<std::string, std::string>* section = nullptr;
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    std::string_view line = all.substr(start, end - start);
    start = end + 1;
    line = TrimBlanksAndTabs(line);
    if (line.empty() || line.front() == ';') continue;

    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos && close > 0) {
        section = &sections_[NameKey(line.substr(1, close - 1))];
        continue;
      }
    }
    if (section == nullptr) continue;

    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    std::string_view value = TrimBlanksAndTabs(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    section->try_emplace(NameKey(line.substr(0, eq)), Capped(value));
  }
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  const auto s = sections_.find(NameKey(section));
  if (s == sections_.end()) return Capped(fallback);
  const auto k = s->second.find(NameKey(key));
  return k == s->second.end() ? Capped(fallback) : k->second;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  // A missing key reads as "", which is not a number and so gives the fallback.
  return IntegerOr(ReadString(section, key, std::string()), fallback);
}

}  // namespace qv
