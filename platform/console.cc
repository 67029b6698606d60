#include "platform/console.h"

namespace qv {

std::string WarningText(const std::string& text) { return "qvformat: Figyelem: " + text; }

void StdConsole::Line(const std::string& text) {
  if (messagesToError_)
    Write(stderr, errTerminal_, text);
  else
    Write(stdout, outTerminal_, text);
}

void StdConsole::LineWithName(const std::string& text, const std::string& name) {
  if (messagesToError_)
    Write(stderr, errTerminal_, text, name);
  else
    Write(stdout, outTerminal_, text, name);
}

void StdConsole::ErrorLine(const std::string& text) { Write(stderr, errTerminal_, "", text); }

}  // namespace qv
