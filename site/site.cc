#include "site/site.h"

#include "platform/environment.h"
#include "platform/input_file.h"
#include "platform/settings_file.h"
#include "text/line_cuts.h"
#include "text/settings.h"
#include "text/text.h"

namespace qv {
namespace {

std::string HostFromEnvironment() { return EnvironmentText("QVFORMAT_HOST"); }

}  // namespace

std::string WrittenDomain(const std::string& programDir) {
  return IniFile(SettingsPath(programDir)).ReadString("LETOLTES", "Szerver", kPlaceholderDomain);
}

std::string SiteDomain(const std::string& programDir) {
  return PlainDomain(WrittenDomain(programDir));
}

std::string PlainDomain(const std::string& written) {
  std::string domain = TrimBlanks(written);
  for (const std::string start : {"http://", "https://", "www."})
    if (AsciiLowerCase(domain.substr(0, start.size())) == start) domain.erase(0, start.size());
  return domain.substr(0, domain.find('/'));
}

std::string SiteHost(const std::string& programDir) {
  const std::string host = HostFromEnvironment();
  return host.empty() ? "www." + SiteDomain(programDir) : host;
}

bool SiteIsSet(const std::string& programDir) {
  if (!HostFromEnvironment().empty()) return true;
  const std::string domain = SiteDomain(programDir);
  return domain != kPlaceholderDomain && domain.find_first_not_of(" \t") != std::string::npos;
}

std::string SiteNotSetText(const std::string& programDir) {
  const std::string own = SettingsFileToEdit(programDir);
  std::string text =
      "nincs beallitva a jatek honlapja: ird be a domainjet Szerver kulcskent a(z) '" + own +
      "' [LETOLTES] szakaszaba (a " + kPlaceholderDomain + " csak helykitolto)";
  const std::string read = SettingsPath(programDir);
  if (read == own) return text;
  if (PathExists(read))
    return text + "; ez a fajl legyen a(z) '" + read +
           "' masolata, mert amig hianyzik, azt olvasom";
  return text + "; sem ott, sem itt nincs beallitasfajl: '" + read + "'";
}

}  // namespace qv
