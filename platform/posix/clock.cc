// The time of the start and end lines on POSIX systems: the local time
// and the LC_TIME locale's time format.
#include "platform/clock.h"

#include <langinfo.h>

#include <ctime>

#include "platform/encoding.h"

namespace qv {
namespace {

// Designators come in the locale's character set; console text is Windows-1250.
std::string DesignatorText(const char* localeText) {
  return LocaleTextToCp1250(localeText != nullptr ? localeText : "");
}

}  // namespace

TimePattern LocaleTimePattern() {
  std::string format = nl_langinfo(T_FMT);
  if (format.find("%r") != std::string::npos) {
    const std::string ampm = nl_langinfo(T_FMT_AMPM);
    if (!ampm.empty()) format = ampm;  // else "%r" itself stands for the 12-hour clock
  }
  if (format.empty()) format = "%H:%M:%S";
  return PatternFromFormat(format, DesignatorText(nl_langinfo(AM_STR)),
                           DesignatorText(nl_langinfo(PM_STR)));
}

std::string TimeText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return FormatTimeOfDay(local.tm_hour, local.tm_min, local.tm_sec, LocaleTimePattern());
}

}  // namespace qv
