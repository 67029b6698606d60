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
  // A file or pipe takes the bytes as they are, straight into its buffer.
  const std::string converted = terminal ? Cp1250ToUtf8(text) : std::string();
  const std::string& line = terminal ? converted : text;
  Put(stream, line);
  Put(stream, localeText);
  Put(stream, "\r\n");
  Written(stream);
}

}  // namespace qv
