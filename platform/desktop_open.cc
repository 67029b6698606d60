#include "platform/desktop_open.h"

#include "platform/environment.h"

namespace qv {

void OpenOnDesktop(const std::string& path, Console& console) {
  bool started = false;
  try {
    started = EnvironmentText("QVFORMAT_NO_OPEN").empty() && StartDesktopOpen(path);
  } catch (...) {
    started = false;
  }
  if (!started) console.LineWithName("Nyisd meg: ", path);
}

}  // namespace qv
