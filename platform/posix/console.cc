#include "platform/console.h"

#include <unistd.h>

#include "platform/encoding.h"

namespace qv {
namespace {

bool TranscodesTo(std::FILE* stream, bool localeIsUtf8) {
  return localeIsUtf8 && isatty(fileno(stream)) != 0;
}

}  // namespace

StdConsole::StdConsole() {
  const bool utf8 = IsUtf8Charset(LocaleCharset());
  outTerminal_ = TranscodesTo(stdout, utf8);
  errTerminal_ = TranscodesTo(stderr, utf8);
}

void StdConsole::Write(std::FILE* stream, bool terminal, const std::string& text,
                       const std::string& localeText) {
  std::string line = terminal ? Cp1250ToUtf8(text) : text;
  line += localeText;
  line += "\r\n";
  std::fwrite(line.data(), 1, line.size(), stream);
  // Flushed per line: stdout and stderr lines keep their order, and nothing
  // is lost when the run ends with an error.
  std::fflush(stream);
}

}  // namespace qv
