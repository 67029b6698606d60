// Bytes as one word of lowercase hex digits ("-" for none), and back: how
// the Windows tests and the native TLS test server pass requests and replies
// through files of whitespace-separated words.
#pragma once

#include <cstddef>
#include <string>

namespace qv::test {

inline std::string HexWord(const std::string& bytes) {
  if (bytes.empty()) return "-";
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (const unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

inline std::string FromHexWord(const std::string& word) {
  if (word == "-") return "";
  std::string out;
  for (std::size_t i = 0; i + 1 < word.size(); i += 2)
    out += static_cast<char>(std::stoi(word.substr(i, 2), nullptr, 16));
  return out;
}

}  // namespace qv::test
