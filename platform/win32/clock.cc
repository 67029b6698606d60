// The time of the start and end lines on Windows: the local time and the
// user's long time format.
#include "platform/clock.h"

#include "platform/win32/wide.h"

namespace qv {
namespace {

std::string LocaleText(LCTYPE what) {
  wchar_t text[128];
  const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, text, 128);
  return n > 0 ? win32::Narrow(std::wstring(text, n - 1)) : std::string();
}

}  // namespace

TimePattern LocaleTimePattern() {
  std::string picture = LocaleText(LOCALE_STIMEFORMAT);
  if (picture.empty()) picture = "H:mm:ss";
  return PatternFromWindowsFormat(picture, LocaleText(LOCALE_S1159), LocaleText(LOCALE_S2359));
}

std::string TimeText() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return FormatTimeOfDay(now.wHour, now.wMinute, now.wSecond, LocaleTimePattern());
}

}  // namespace qv
