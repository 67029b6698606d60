#include "site/site.h"

#include <cstdlib>

#include "platform/settings.h"
#include "platform/user_dirs.h"

namespace qv {
namespace {

std::string HostFromEnvironment() {
  const char* value = std::getenv("QVFORMAT_HOST");
  return value != nullptr ? value : "";
}

}  // namespace

std::string SettingsPath(const std::string& programDir) {
  return FindFile(UserConfigDir(), programDir, {kSettingsFileName});
}

std::string SiteDomain(const std::string& programDir) {
  return IniFile(SettingsPath(programDir)).ReadString("LETOLTES", "Szerver", kPlaceholderDomain);
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

}  // namespace qv
