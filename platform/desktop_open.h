// Showing a file on the desktop, the way a double click would.
#pragma once

#include <string>

#include "platform/console.h"

namespace qv {

// Starts "xdg-open path" (the name as one argument, no shell) and returns
// without waiting for it; the opener is detached so that no zombie is left.
// False when there is no graphical session (neither DISPLAY nor
// WAYLAND_DISPLAY is set: a console opener would take over the terminal),
// xdg-open is not on the PATH, or it cannot be started.
bool StartDesktopOpen(const std::string& path);

// StartDesktopOpen; when that is not possible, one console line names the
// file for the user to open instead. Never fails.
void OpenOnDesktop(const std::string& path, Console& console);

}  // namespace qv
