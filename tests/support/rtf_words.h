// Checks of a piece of RTF that a test got: braces balanced, and only the
// control words and symbols that the tool itself writes there.
#pragma once

#include <cctype>
#include <set>
#include <string>
#include <string_view>

namespace qv::test {

// What is wrong with a piece of RTF, or "" when nothing is. A "\" followed by
// a letter starts a control word (letters, then an optional signed number),
// any other "\" escapes the next character; only unescaped braces count.
// Bytes below 32 other than CR, LF and tab are faults as well.
inline std::string RtfFault(std::string_view rtf, const std::set<std::string>& words,
                            std::string_view symbols = R"(\{})") {
  long depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(rtf[i]);
    if (c == '\\') {
      if (i + 1 == rtf.size()) return "a \\ at the end";
      const char next = rtf[i + 1];
      if (std::isalpha(static_cast<unsigned char>(next))) {
        std::size_t end = i + 1;
        while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
        const std::string word(rtf.substr(i + 1, end - i - 1));
        if (!words.contains(word)) return "control word \\" + word;
        if (end < rtf.size() &&
            (rtf[end] == '-' || std::isdigit(static_cast<unsigned char>(rtf[end]))))
          return "control word \\" + word + " with a number";
        i = end - 1;
      } else {
        if (symbols.find(next) == std::string_view::npos)
          return std::string("control symbol \\") + next;
        ++i;
      }
    } else if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (--depth < 0) return "a } with no group open";
    } else if (c < 32 && c != '\r' && c != '\n' && c != '\t') {
      return "control byte " + std::to_string(c);
    }
  }
  if (depth != 0) return std::to_string(depth) + " groups left open";
  return "";
}

// The same with the control words of a paragraph.
inline std::string ParagraphFault(std::string_view rtf) {
  return RtfFault(rtf, {"qj", "b", "i", "par"});
}

}  // namespace qv::test
