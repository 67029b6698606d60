// Where a download connects: the game's site of the settings, and the
// environment for local mirrors and tests.
#include <cstdlib>

#include "download/download_session.h"
#include "platform/error.h"
#include "site/site.h"

namespace qv {
namespace {

std::uint16_t SitePort() {
  const char* value = std::getenv("QVFORMAT_PORT");
  const std::string text = value != nullptr ? value : "";
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

DownloadSite ConfiguredSite(const std::string& programDir) {
  if (!SiteIsSet(programDir))
    throw Error("Settings error", SiteNotSetText(programDir));
  DownloadSite site;
  site.port = SitePort();
  site.host = SiteHost(programDir);
  return site;
}

}  // namespace qv
