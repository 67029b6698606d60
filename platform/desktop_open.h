// Showing a file on the desktop, the way a double click would.
#pragma once

#include <string>

#include "platform/console.h"

namespace qv {

// Starts the desktop's opener for the file and returns without waiting for
// it. POSIX: "xdg-open path" (the name as one argument, no shell), detached
// so that no zombie is left; false when there is no graphical session
// (neither DISPLAY nor WAYLAND_DISPLAY is set: a console opener would take
// over the terminal), xdg-open is not on the PATH, or it cannot be started.
// Windows: the shell's "open" verb (ShellExecuteW); false when it fails.
bool StartDesktopOpen(const std::string& path);

// StartDesktopOpen; when that is not possible, or the environment variable
// QVFORMAT_NO_OPEN is set to anything (tests, scripts), one console line
// names the file for the user to open instead. Never fails.
void OpenOnDesktop(const std::string& path, Console& console);

}  // namespace qv
