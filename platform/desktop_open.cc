#include "platform/desktop_open.h"

#include <cstdlib>

namespace qv {

void OpenOnDesktop(const std::string& path, Console& console) {
  const char* noOpen = std::getenv("QVFORMAT_NO_OPEN");
  bool started = false;
  try {
    started = (noOpen == nullptr || *noOpen == '\0') && StartDesktopOpen(path);
  } catch (...) {
    started = false;
  }
  if (!started) console.LineWithName("Nyisd meg: ", path);
}

}  // namespace qv
