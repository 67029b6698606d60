// Reading qvformat.ini: a private-profile (INI) reader with the semantics the
// tool's settings have always had, plus the tool's integer rule.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/console.h"
#include "platform/edited_text.h"

namespace qv {

// Converts text by the tool's number rule: leading blanks, then an optional
// sign, then either hexadecimal digits behind "$", "x", "X", "0x" or "0X", or
// decimal digits, and nothing else. Returns false (leaving *value alone) for
// anything that is not a number by that rule or does not fit 32 bits.
bool ParseInteger(const std::string& text, int* value);

// ParseInteger with a fallback for text that is not a number.
int IntegerOr(const std::string& text, int fallback);

// A settings file larger than this is refused (kMaxEditedTextBytes).
inline constexpr std::int64_t kMaxSettingsBytes = kMaxEditedTextBytes;

class IniFile {
 public:
  // A settings file that holds nothing: every lookup gives its fallback.
  IniFile() = default;
  // Reads and indexes the whole file now, so that a lookup does not scan
  // the file. A missing file acts as empty; one that is a directory, no
  // regular file, unreadable or larger than kMaxSettingsBytes throws
  // qv::Error naming it. The file may be saved in any form an editor
  // gives (DecodeEditedText); a character Windows-1250 lacks reads as "?",
  // and with a console the run is warned about it once.
  explicit IniFile(const std::string& path, Console* console = nullptr);

  // The value of key in section, or fallback when the file, the section or
  // the key is missing. Section and key names are compared case-blind; the
  // value is trimmed of surrounding blanks, one pair of surrounding quotes is
  // removed, the first occurrence wins, and at most 2047 characters are
  // returned (a fallback is capped the same way).
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;

  // ReadString converted by the number rule; fallback when the key is missing
  // or its value is not a number.
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;

  // The file's name as it was given, for messages.
  const std::string& path() const { return path_; }

 private:
  void Index(const std::string& text);

  std::string path_;
  // Lower-cased section name -> lower-cased key -> the first value given
  // for it, trimmed, unquoted and capped.
  std::unordered_map<std::string, std::unordered_map<std::string, std::string>> sections_;
};

}  // namespace qv
