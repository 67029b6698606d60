#include "app/download_run.h"

#include "platform/environment.h"
#include "platform/terminal_input.h"

namespace qv {

std::string PasswordFromElsewhere(bool mayAsk) {
  std::string password = EnvironmentText("QVFORMAT_PASSWORD");
  if (password.empty() && mayAsk && InputIsTerminal()) password = ReadHiddenLine("Jelszo: ");
  return password;
}

void RunDownload(const DownloadOptions& typed, const DownloadRunParts& parts, Console& console) {
  console.Line("");
  DownloadOptions options = typed;
  // A password on the command line stays in the shell's history and in
  // every process list: it may come from elsewhere.
  if (NeedsPassword(options) && parts.password) {
    console.Flush();
    options.password = parts.password(MayAskPassword(options));
  }
  const TurnRequest request = CheckedTurnRequest(options, console);
  const FetchedTurn turn = FetchTurn(request, parts.site(), console);
  if (!request.downloadOnly) {
    console.Line("Targylista formazasa...");
    parts.buildPage(turn.reportFile);
  }
  if (parts.updateAtlas) parts.updateAtlas(turn.reportFile);
  parts.open(turn.pageFile, console);
  console.Line("");
}

}  // namespace qv
