// Wall-clock time as the start and end lines print it.
#pragma once

#include <string>

namespace qv {

// How the user's locale writes a time of day.
struct TimePattern {
  bool twelveHour = false;   // hours 1..12 with an AM/PM designator
  bool leadingZero = false;  // hour written with two digits
  bool designatorFirst = false;
  std::string separator = ":";
  std::string am, pm;
};

// Derives the pattern from a strftime time format (as LC_TIME gives it:
// T_FMT, or T_FMT_AMPM where T_FMT is "%r") and the AM/PM strings. A 24-hour
// format gives H:MM:SS without a leading zero on the hour.
TimePattern PatternFromFormat(const std::string& strftimeFormat, const std::string& am,
                              const std::string& pm);

// Derives the pattern from a Windows time picture (LOCALE_STIMEFORMAT:
// "H:mm:ss", "h:mm:ss tt", "tt hh:mm:ss", literal text in single quotes) and
// the AM/PM designators; "t" shows a designator's first character only.
TimePattern PatternFromWindowsFormat(const std::string& picture, const std::string& am,
                                     const std::string& pm);

// The pattern of the user's locale: LC_TIME on POSIX systems, the user's
// long time format on Windows.
TimePattern LocaleTimePattern();

// hour 0..23.
std::string FormatTimeOfDay(int hour, int minute, int second, const TimePattern& pattern);

// The current local time in the locale's pattern.
std::string TimeText();

}  // namespace qv
