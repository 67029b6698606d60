#include "platform/exit_pause.h"

#include <cstdio>

namespace qv {

bool ShouldPauseBeforeExit(int consoleProcesses, bool inputIsConsole) {
  return consoleProcesses == 1 && inputIsConsole;
}

void WaitForEnter(Console& console) {
  console.Line("Nyomj Entert a kilepeshez...");
  for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar()) {
  }
}

}  // namespace qv
