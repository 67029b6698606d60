#include "platform/terminal_input.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>

namespace qv {

bool InputIsTerminal() { return isatty(STDIN_FILENO) != 0; }

std::string ReadHiddenLine(const std::string& prompt) {
  // Echo goes off before the prompt shows: nothing typed after it is seen.
  termios before{};
  const bool terminal = tcgetattr(STDIN_FILENO, &before) == 0;
  if (terminal) {
    termios hidden = before;
    hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    hidden.c_lflag |= ECHONL;  // the Enter still ends the line on the screen
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
  }
  std::fputs(prompt.c_str(), stderr);
  std::fflush(stderr);
  std::string line;
  for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
    line += static_cast<char>(c);
  if (terminal) tcsetattr(STDIN_FILENO, TCSAFLUSH, &before);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace qv
