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
  outUtf8_ = TranscodesTo(stdout, utf8);
  errUtf8_ = TranscodesTo(stderr, utf8);
}

void StdConsole::Line(const std::string& text) {
  if (messagesToError_)
    Write(stderr, errUtf8_, text);
  else
    Write(stdout, outUtf8_, text);
}

void StdConsole::LineWithName(const std::string& text, const std::string& name) {
  if (messagesToError_)
    Write(stderr, errUtf8_, text, name);
  else
    Write(stdout, outUtf8_, text, name);
}

void StdConsole::ErrorLine(const std::string& text) { Write(stderr, false, "", text); }

void StdConsole::Write(std::FILE* stream, bool transcode, const std::string& text,
                       const std::string& localeText) {
  std::string line = transcode ? Cp1250ToUtf8(text) : text;
  line += localeText;
  line += "\r\n";
  std::fwrite(line.data(), 1, line.size(), stream);
  // Flushed per line: stdout and stderr lines keep their order, and nothing
  // is lost when the run ends with an error.
  std::fflush(stream);
}

}  // namespace qv
