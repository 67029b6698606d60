#include "platform/exit_pause.h"

#include "platform/environment.h"
#include "platform/win32/wide.h"

namespace qv {

bool PauseBeforeExitWanted() {
  if (!EnvironmentText("QVFORMAT_OWN_CONSOLE").empty()) return ShouldPauseBeforeExit(1, true);
  // Two places are enough to tell "only" from "shared"; 0 without a console.
  DWORD ids[2];
  const DWORD processes = GetConsoleProcessList(ids, 2);
  DWORD mode = 0;
  const bool inputIsConsole = GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
  return ShouldPauseBeforeExit(static_cast<int>(processes), inputIsConsole);
}

}  // namespace qv
