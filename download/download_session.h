#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "download/tls_line_connection.h"
#include "platform/run_context.h"

namespace qv {

// Where a download connects.
struct DownloadSite {
  std::string host;          // used in the connection, the certificate check and every request line
  std::uint16_t port = 443;  // the TCP port only; never written into a request
  TlsOptions tls;
  // When the settings' Szerver value was not a plain domain: the line that
  // tells the player how it was read, to be followed by the settings file.
  std::string settingNote;
  std::string settingsFile;
};

// The site of the settings and the environment: SiteHost, and the port in
// QVFORMAT_PORT (443 without it). The limits of a connection may be
// shortened (never lengthened) by QVFORMAT_CONNECTION_LIMIT_MS,
// QVFORMAT_WAIT_NOTICE_MS and QVFORMAT_ANSWER_LIMIT (bytes). Throws
// qv::Error while the settings still name the placeholder domain and
// QVFORMAT_HOST is not set, or when a variable is not a number it may be.
DownloadSite ConfiguredSite(const std::string& programDir);

// The command-line options of a download, as typed (the locale's charset).
struct DownloadOptions {
  std::string user;           // /user
  std::string password;       // /pass
  std::string character;      // /kar
  std::string turn;           // /ford: a number, or "utolso" for the latest
  bool downloadOnly = false;  // /letolt: fetch the site's own rendering, build no page
};

// What a download hands on to the rest of the tool.
struct DownloadSteps {
  std::function<DownloadSite()> site;                      // asked after the option checks
  // The password when /pass= is missing (in the command line's character
  // set, "" for none): QVFORMAT_PASSWORD, else, when mayAsk, asked for on
  // the terminal. mayAsk is true once the user name, the character and
  // the turn are known, so that nobody types a password for a run that
  // stops anyway. Unset: none.
  std::function<std::string(bool mayAsk)> password;
  std::function<void(const std::string&)> buildPage;       // the item-list page of a report
  std::function<void(const std::string&, Console&)> open;  // shows a file on the desktop
};

// Downloads one turn from the game's web site, stores it, has its item-list
// page built and opened. A missing option is said on the console, then
// thrown as qv::Error: the run failed.
void DownloadTurn(RunContext& ctx, const DownloadOptions& options, const DownloadSteps& steps);

}  // namespace qv
