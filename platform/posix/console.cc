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
  outShownAtOnce_ = isatty(STDOUT_FILENO) != 0;
}

void StdConsole::Write(std::FILE* stream, bool terminal, const std::string& text,
                       const std::string& localeText) {
  std::string line = terminal ? Cp1250ToUtf8(text) : text;
  line += localeText;
  line += "\r\n";
  std::fwrite(line.data(), 1, line.size(), stream);
  Written(stream);
}

}  // namespace qv
