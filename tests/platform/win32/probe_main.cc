// qv_probe: platform services in a process of their own, for the Windows
// tests that need one (what reaches a pipe, the command line as the system
// gives it, Ctrl-C).
//
//   qv_probe args PARAMETERS...  one line per parameter, as ProgramArguments gives them
//   qv_probe console             the tool's lines on standard output and error
//   qv_probe hold NAME           writes NAME through a ReplacingFile, says "ready", waits
//   qv_probe password            asks for a password as the download does, shows its bytes
#include <windows.h>

#include <string>
#include <vector>

#include "platform/arguments.h"
#include "platform/console.h"
#include "platform/error.h"
#include "platform/replacing_file.h"
#include "platform/terminal_input.h"

int main(int argc, char** argv) {
  qv::StdConsole console;
  try {
    const std::vector<std::string> params = qv::ProgramArguments(argc, argv);
    const std::string mode = params.empty() ? "" : params[0];
    if (mode == "args") {
      for (std::size_t i = 1; i < params.size(); ++i) console.LineWithName("", params[i]);
    } else if (mode == "console") {
      console.Line("Indul\xE1s ideje: 9:05:07");
      // Names are UTF-8 (Őrző_57.htm, xű.htm, Nuñez_59.htm): a pipe gets
      // them as Windows-1250, with "?" for what it lacks.
      console.LineWithName("Nyisd meg: ", "\xC5\x90rz\xC5\x91_57.htm");
      console.LineWithName("Nyisd meg: ", "Nu\xC3\xB1" "ez_59.htm");
      console.ErrorLine("qvformat: Fajlhiba: 'x\xC5\xB1.htm' nem nyithato meg");
      console.Line("");
    } else if (mode == "password") {
      const std::string typed = qv::ReadHiddenLine("Jelszo: ");
      std::string hex;
      for (const unsigned char c : typed) hex += "0123456789abcdef"[c >> 4], hex += "0123456789abcdef"[c & 15];
      console.Line("typed " + hex);
    } else if (mode == "hold" && params.size() == 2) {
      qv::ReplacingFile file(params[1]);
      file.Write("half a docu");
      console.Line("ready");
      console.Flush();  // the tool, too, sends its lines on before it waits
      for (;;) Sleep(1000);
    } else {
      console.ErrorLine("qv_probe: unknown mode");
      return 2;
    }
    return 0;
  } catch (const qv::Error& e) {
    console.ErrorLine("qvformat: " + e.kind() + ": " + e.text());
  }
  return 1;
}
