#include "download/download_session.h"

#include "platform/error.h"
#include "platform/settings.h"

namespace qv {

std::string SiteDomain(const std::string& programDir) {
  // A reserved placeholder until the player names the game's real domain.
  return IniFile(programDir + "qvformat.ini").ReadString("LETOLTES", "Szerver", "zordonvidek.example");
}

std::string SiteHost(const std::string& programDir) { return "www." + SiteDomain(programDir); }

void DownloadTurn(RunContext&) {
  throw Error("Not available", "downloading a turn is not built yet");
}

}  // namespace qv
