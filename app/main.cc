// qvformat: turns play-by-mail turn reports into printable RTF documents and
// annotated item-list pages, and downloads turns from the game's web site.

#include <clocale>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/run.h"
#include "app/run_settings.h"
#include "app/usage.h"
#include "platform/arguments.h"
#include "platform/console.h"
#include "platform/error.h"
#include "platform/exe_dir.h"
#include "platform/exit_pause.h"
#include "platform/memory_reuse.h"

namespace {

// One run; its exit status.
int Run(int argc, char** argv, qv::Console& console) {
  try {
    std::vector<std::string> params = qv::ProgramArguments(argc, argv);
    const std::string programDir = qv::ExecutableDir();

    if (params.size() == 1 && (params[0] == "--help" || params[0] == "-h" || params[0] == "/?")) {
      const std::string domain = qv::RunSettings(console, programDir).Site().domain;
      for (const std::string& line : qv::UsageLines(domain)) console.Line(line);
      return 0;
    }
    if (params.size() == 1 && params[0] == "--version") {
      console.Line(std::string("qvformat ") + QVFORMAT_VERSION);
      return 0;
    }

    qv::Session session(qv::CommandLine(std::move(params)), console, programDir);
    qv::RunTool(session, qv::DefaultHandlers());
    return 0;
  } catch (const qv::Error& e) {
    console.ErrorLine("qvformat: " + e.kind() + ": " + e.text());
  } catch (const std::exception& e) {
    console.ErrorLine(std::string("qvformat: ") + qv::error_kind::kInternal + ": " + e.what());
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Only the time format, the terminal's character set and the language of
  // the system's messages (strerror) follow the user's locale; numbers and
  // case folding stay fixed.
  std::setlocale(LC_TIME, "");
  std::setlocale(LC_CTYPE, "");
#ifdef LC_MESSAGES  // the Windows C runtime has none: FormatMessageW follows the user
  std::setlocale(LC_MESSAGES, "");
#endif
  qv::KeepFreedMemoryForReuse();

  qv::StdConsole console;
  // Asked at the start: a program the run opens may share the console later.
  const bool pause = qv::PauseBeforeExitWanted();
  const int status = Run(argc, argv, console);
  if (pause) qv::WaitForEnter(console);
  return status;
}
