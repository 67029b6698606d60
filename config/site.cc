#include "config/site.h"

#include "config/settings_file.h"
#include "platform/environment.h"
#include "platform/input_file.h"
#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {
namespace {

std::string NotSetText(const std::string& programDir, const std::string& read) {
  const std::string own = SettingsFileToEdit(programDir);
  std::string text =
      "nincs beallitva a jatek honlapja: ird be a domainjet Szerver kulcskent a(z) '" + own +
      "' [LETOLTES] szakaszaba (a " + kPlaceholderDomain + " csak helykitolto)";
  if (read == own) return text;
  if (PathExists(read))
    return text + "; ez a fajl legyen a(z) '" + read +
           "' masolata, mert amig hianyzik, azt olvasom";
  return text + "; sem ott, sem itt nincs beallitasfajl: '" + read + "'";
}

}  // namespace

std::string PlainDomain(const std::string& written) {
  std::string domain = TrimBlanks(written);
  for (const std::string start : {"http://", "https://", "www."})
    if (AsciiLowerCase(domain.substr(0, start.size())) == start) domain.erase(0, start.size());
  return domain.substr(0, domain.find('/'));
}

SiteSettings ReadSiteSettings(const IniFile& settings, const std::string& programDir) {
  SiteSettings site;
  site.written = settings.ReadString("LETOLTES", "Szerver", kPlaceholderDomain);
  site.domain = PlainDomain(site.written);
  const std::string hostFromEnvironment = EnvironmentText("QVFORMAT_HOST");
  site.host = hostFromEnvironment.empty() ? "www." + site.domain : hostFromEnvironment;
  site.isSet =
      !hostFromEnvironment.empty() || (site.domain != kPlaceholderDomain &&
                                       site.domain.find_first_not_of(" \t") != std::string::npos);
  site.settingsFile = settings.path();
  site.notSetText = NotSetText(programDir, settings.path());
  return site;
}

}  // namespace qv
