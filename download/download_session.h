#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/run_context.h"
#include "download/tls_line_connection.h"

namespace qv {

// Downloads one turn from the game's web site; reads its options from the
// command line.
void DownloadTurn(RunContext& ctx);

// The domain of the game's web site, as the usage text names it (settings
// section LETOLTES, key Szerver; the default is a reserved placeholder).
std::string SiteDomain(const std::string& programDir);
// The site's host: the domain with "www." in front, or the whole host name
// in the environment variable QVFORMAT_HOST (local mirrors, tests).
std::string SiteHost(const std::string& programDir);

// Where a download connects.
struct DownloadSite {
  std::string host;         // used in the connection, the certificate check and every request line
  std::uint16_t port = 443; // the TCP port only; never written into a request
  TlsOptions tls;
};

// The site of the settings and the environment: SiteHost, and the port in
// QVFORMAT_PORT (443 without it). Throws qv::Error while the settings still
// name the placeholder domain and QVFORMAT_HOST is not set, or when
// QVFORMAT_PORT is not a port number.
DownloadSite ConfiguredSite(const std::string& programDir);

// What a download hands on; DownloadTurn uses the real ones.
struct DownloadSteps {
  std::function<DownloadSite()> site;                              // asked after the option checks
  std::function<void(RunContext&, const std::string&)> buildPage;  // the item-list page of a report
  std::function<void(const std::string&, Console&)> open;          // shows a file on the desktop
};

// DownloadTurn with its steps given.
void RunDownload(RunContext& ctx, const DownloadSteps& steps);

}  // namespace qv
