// Texts made of lines as the tool writes them, every line ended by CR LF,
// and such texts cut back into their lines.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

// The lines, each followed by CR LF.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) (text += line) += "\r\n";
  return text;
}
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) (text += line) += "\r\n";
  return text;
}

// The same for lines written as one text with "|" between them:
// BarLines("a|b") is "a\r\nb\r\n".
inline std::string BarLines(std::string_view text) {
  std::string lines;
  for (const char c : text) {
    if (c == '|')
      lines += "\r\n";
    else
      lines += c;
  }
  return lines + "\r\n";
}

// The lines of a text, cut at every CR LF; a last line without one counts
// too: "a\r\nb" and "a\r\nb\r\n" both give {"a", "b"}.
inline std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find("\r\n", at), text.size());
    lines.emplace_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

// A piece repeated `times` times.
inline std::string Repeated(std::string_view piece, std::size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

}  // namespace qv::test
