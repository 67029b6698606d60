// Where a download connects: the game's site of the settings, and the
// environment for local mirrors and tests.
#pragma once

#include <cstdint>
#include <string>

#include "config/site.h"
#include "download/tls_stream.h"

namespace qv {

struct DownloadSite {
  std::string host;          // used in the connection, the certificate check and every request line
  std::uint16_t port = 443;  // the TCP port only; never written into a request
  TlsOptions tls;
  // When the settings' Szerver value was not a plain domain: the line that
  // tells the player how it was read, to be followed by the settings file.
  std::string settingNote;
  std::string settingsFile;
};

// The site the run's settings name (its host), and the port in
// QVFORMAT_PORT (443 without it). The limits of a connection may be
// shortened (never lengthened) by QVFORMAT_CONNECTION_LIMIT_MS,
// QVFORMAT_WAIT_NOTICE_MS and QVFORMAT_ANSWER_LIMIT (bytes). Throws
// qv::Error while the settings still name the placeholder domain and
// QVFORMAT_HOST is not set, or when a variable is not a number it may be.
DownloadSite ConfiguredSite(const SiteSettings& settings);

}  // namespace qv
