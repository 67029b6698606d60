#include "platform/clock.h"

#include <cstring>
#include <vector>

namespace qv {
namespace {

// One strftime directive: the position of its "%", its conversion letter and
// the position just behind it. Flags, widths and E/O modifiers are skipped.
struct Directive {
  std::size_t start = std::string::npos;
  char letter = 0;
  std::size_t end = std::string::npos;
};

Directive NextDirective(const std::string& format, std::size_t from) {
  std::size_t pos = format.find('%', from);
  while (pos != std::string::npos) {
    std::size_t i = pos + 1;
    while (i < format.size() && std::strchr("_-0^#", format[i]) != nullptr) ++i;
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
    while (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
    if (i >= format.size()) return {};
    if (format[i] != '%') return {pos, format[i], i + 1};
    pos = format.find('%', i + 1);  // "%%" is a literal percent sign
  }
  return {};
}

bool IsHourLetter(char c) { return std::strchr("HkIlTRr", c) != nullptr; }

std::string AsciiLower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string TwoDigits(int n) {
  return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

}  // namespace

TimePattern PatternFromFormat(const std::string& strftimeFormat, const std::string& am,
                              const std::string& pm) {
  TimePattern pattern;
  Directive hour;
  bool designatorBefore = false, designatorAfter = false, lowerDesignator = false;
  for (Directive d = NextDirective(strftimeFormat, 0); d.start != std::string::npos;
       d = NextDirective(strftimeFormat, d.end)) {
    if (d.letter == 'p' || d.letter == 'P') {
      (hour.start == std::string::npos ? designatorBefore : designatorAfter) = true;
      lowerDesignator = d.letter == 'P';
    } else if (hour.start == std::string::npos && IsHourLetter(d.letter)) {
      hour = d;
    }
  }
  if (hour.start == std::string::npos) return pattern;  // no hour at all: H:MM:SS

  switch (hour.letter) {
    case 'I':
    case 'l':
      pattern.twelveHour = true;
      pattern.leadingZero = hour.letter == 'I';
      break;
    case 'r':  // "%I:%M:%S %p"
      pattern.twelveHour = true;
      pattern.leadingZero = true;
      designatorAfter = true;
      break;
    default:  // %H, %k, %T, %R
      break;
  }

  if (hour.letter != 'T' && hour.letter != 'R' && hour.letter != 'r') {
    const std::size_t next = strftimeFormat.find('%', hour.end);
    if (next != std::string::npos && next > hour.end)
      pattern.separator = strftimeFormat.substr(hour.end, next - hour.end);
  }

  if (pattern.twelveHour && (designatorBefore || designatorAfter)) {
    pattern.designatorFirst = designatorBefore;
    pattern.am = lowerDesignator ? AsciiLower(am) : am;
    pattern.pm = lowerDesignator ? AsciiLower(pm) : pm;
  }
  return pattern;
}

TimePattern PatternFromWindowsFormat(const std::string& picture, const std::string& am,
                                     const std::string& pm) {
  // The picture as tokens: a run of one of the letters h H m s t, or
  // literal text (quotes removed).
  struct Token {
    char letter = 0;  // 0 for literal text
    std::size_t count = 0;
    std::string text;
  };
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (std::strchr("hHmst", c) != nullptr) {
      std::size_t j = i;
      while (j < picture.size() && picture[j] == c) ++j;
      tokens.push_back({c, j - i, ""});
      i = j;
      continue;
    }
    if (tokens.empty() || tokens.back().letter != 0) tokens.push_back({});
    if (c == '\'') {
      const std::size_t close = picture.find('\'', i + 1);
      const std::size_t end = close == std::string::npos ? picture.size() : close;
      tokens.back().text += picture.substr(i + 1, end - i - 1);
      i = end + 1;
    } else {
      tokens.back().text += c;
      ++i;
    }
  }

  TimePattern pattern;
  std::size_t hour = tokens.size();
  for (std::size_t k = 0; k < tokens.size() && hour == tokens.size(); ++k)
    if (tokens[k].letter == 'h' || tokens[k].letter == 'H') hour = k;
  if (hour == tokens.size()) return pattern;  // no hour at all: H:MM:SS
  pattern.twelveHour = tokens[hour].letter == 'h';
  pattern.leadingZero = tokens[hour].count >= 2;
  if (hour + 2 < tokens.size() && tokens[hour + 1].letter == 0 && tokens[hour + 2].letter != 0)
    pattern.separator = tokens[hour + 1].text;

  if (!pattern.twelveHour) return pattern;
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    if (tokens[k].letter != 't') continue;
    pattern.designatorFirst = k < hour;
    const bool whole = tokens[k].count >= 2;
    pattern.am = whole ? am : am.substr(0, 1);
    pattern.pm = whole ? pm : pm.substr(0, 1);
    break;
  }
  return pattern;
}

std::string FormatTimeOfDay(int hour, int minute, int second, const TimePattern& pattern) {
  int shownHour = hour;
  if (pattern.twelveHour) {
    shownHour = hour % 12;
    if (shownHour == 0) shownHour = 12;
  }
  std::string time =
      pattern.leadingZero || shownHour >= 10 ? TwoDigits(shownHour) : std::to_string(shownHour);
  time += pattern.separator + TwoDigits(minute) + pattern.separator + TwoDigits(second);

  if (!pattern.twelveHour) return time;
  const std::string& designator = hour < 12 ? pattern.am : pattern.pm;
  if (designator.empty()) return time;
  return pattern.designatorFirst ? designator + " " + time : time + " " + designator;
}

}  // namespace qv
