// Waiting for Enter before the tool ends, so that the console window that
// Windows opens for a program started from Explorer (a double-click,
// reports dropped on it) stays open until its lines are read.
#pragma once

#include "platform/console.h"

namespace qv {

// The decision: the tool is the only process of its console (Windows made
// the console for it) and reads its input from that console. A command
// prompt or a script shares its console with the tool, and redirected input
// is no console: neither pauses. A process without a console has 0.
bool ShouldPauseBeforeExit(int consoleProcesses, bool inputIsConsole);

// The decision for this process, from what the system tells. POSIX systems
// never pause. On Windows, QVFORMAT_OWN_CONSOLE set to anything makes the
// tool take itself for the only process of a console it reads from, so
// that tests see the prompt (they feed the Enter on standard input).
bool PauseBeforeExitWanted();

// Shows "Nyomj Entert a kilepeshez..." as a console line, then reads
// standard input up to the end of a line or of the input.
void WaitForEnter(Console& console);

}  // namespace qv
