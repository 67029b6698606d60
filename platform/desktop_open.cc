#include "platform/desktop_open.h"

namespace qv {

void OpenOnDesktop(const std::string& path, Console& console) {
  bool started = false;
  try {
    started = StartDesktopOpen(path);
  } catch (...) {
    started = false;
  }
  if (!started) console.LineWithName("Nyisd meg: ", path);
}

}  // namespace qv
