#include "download/site_address.h"

#include "platform/environment.h"
#include "platform/error.h"

namespace qv {
namespace {

// A whole number from 1 to most in the environment variable name; fallback
// when it is not set.
long long EnvironmentNumber(const char* name, long long most, long long fallback) {
  const std::string text = EnvironmentText(name);
  if (text.empty()) return fallback;
  long long n = 0;
  bool digits = text.size() <= 18;
  for (const char c : text) {
    digits = digits && c >= '0' && c <= '9';
    if (digits) n = n * 10 + (c - '0');
  }
  if (!digits || n < 1 || n > most)
    throw Error(error_kind::kSettings, std::string("a ") + name + " erteke 1 es " +
                                           std::to_string(most) + " kozotti szam legyen, nem '" +
                                           text + "'");
  return n;
}

std::uint16_t SitePort() {
  const std::string text = EnvironmentText("QVFORMAT_PORT");
  if (text.empty()) return 443;
  long port = 0;
  bool digits = text.size() <= 5;
  for (const char c : text) {
    digits = digits && c >= '0' && c <= '9';
    if (digits) port = port * 10 + (c - '0');
  }
  if (!digits || port < 1 || port > 65535)
    throw Error(error_kind::kSettings,
                "a QVFORMAT_PORT erteke 1 es 65535 kozotti portszam legyen, nem '" + text + "'");
  return static_cast<std::uint16_t>(port);
}

}  // namespace

DownloadSite ConfiguredSite(const SiteSettings& settings) {
  if (!settings.isSet) throw Error(error_kind::kSettings, settings.notSetText);
  DownloadSite site;
  site.port = SitePort();
  site.host = settings.host;

  // The limits of a connection may be shortened (tests), never lengthened.
  TlsOptions& tls = site.tls;
  tls.connectionLimitMs = static_cast<int>(EnvironmentNumber(
      "QVFORMAT_CONNECTION_LIMIT_MS", tls.connectionLimitMs, tls.connectionLimitMs));
  tls.waitNoticeMs = static_cast<int>(
      EnvironmentNumber("QVFORMAT_WAIT_NOTICE_MS", tls.waitNoticeMs, tls.waitNoticeMs));
  tls.answerLimit = static_cast<std::size_t>(
      EnvironmentNumber("QVFORMAT_ANSWER_LIMIT", static_cast<long long>(tls.answerLimit),
                        static_cast<long long>(tls.answerLimit)));

  if (settings.domain != settings.written) {
    site.settingNote = "Megjegyzes: a Szerver beallitast (" + settings.written + ") " +
                       settings.domain + " domainkent olvasom; javitsd ki itt: ";
    site.settingsFile = settings.settingsFile;
  }
  return site;
}

}  // namespace qv
