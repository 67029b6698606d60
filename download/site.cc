// Where the game's web site is: the settings beside the executable, and the
// environment for local mirrors and tests.
#include <cstdlib>

#include "download/download_session.h"
#include "platform/error.h"
#include "platform/settings.h"

namespace qv {
namespace {

// A reserved name that resolves nowhere, until the player names the real
// domain in the settings.
const char kPlaceholderDomain[] = "zordonvidek.example";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::uint16_t SitePort() {
  const std::string text = Environment("QVFORMAT_PORT");
  if (text.empty()) return 443;
  long port = 0;
  bool digits = text.size() <= 5;
  for (const char c : text) {
    digits = digits && c >= '0' && c <= '9';
    if (digits) port = port * 10 + (c - '0');
  }
  if (!digits || port < 1 || port > 65535)
    throw Error("Settings error",
                "QVFORMAT_PORT must be a port number from 1 to 65535, not '" + text + "'");
  return static_cast<std::uint16_t>(port);
}

}  // namespace

std::string SiteDomain(const std::string& programDir) {
  return IniFile(programDir + "qvformat.ini").ReadString("LETOLTES", "Szerver", kPlaceholderDomain);
}

std::string SiteHost(const std::string& programDir) {
  const std::string host = Environment("QVFORMAT_HOST");
  return host.empty() ? "www." + SiteDomain(programDir) : host;
}

DownloadSite ConfiguredSite(const std::string& programDir) {
  // An empty Szerver= names no site either.
  const std::string domain = SiteDomain(programDir);
  if (Environment("QVFORMAT_HOST").empty() &&
      (domain == kPlaceholderDomain || domain.find_first_not_of(" \t") == std::string::npos))
    throw Error("Settings error",
                "the game's web site is not set: write its domain as Szerver in section [LETOLTES] "
                "of qvformat.ini beside the program (" +
                    std::string(kPlaceholderDomain) + " is only a placeholder)");
  DownloadSite site;
  site.port = SitePort();
  site.host = SiteHost(programDir);
  return site;
}

}  // namespace qv
