// The game's web site as the settings name it (section LETOLTES, key
// Szerver) and as every feature is given it: its domain, its host, and what
// a player without one is told.
#pragma once

#include <string>

#include "text/settings.h"

namespace qv {

// A reserved name that resolves nowhere, until the player names the real
// domain in the settings.
inline constexpr char kPlaceholderDomain[] = "zordonvidek.example";

struct SiteSettings {
  // The Szerver value as the settings hold it (the placeholder without one).
  std::string written = kPlaceholderDomain;
  // PlainDomain of it: what the usage text names.
  std::string domain = kPlaceholderDomain;
  // The domain with "www." in front, or the whole host name in the
  // environment variable QVFORMAT_HOST (local mirrors, tests).
  std::string host = std::string("www.") + kPlaceholderDomain;
  // True when QVFORMAT_HOST names a host, or the settings name a domain
  // other than the placeholder (an empty Szerver= names none either).
  bool isSet = false;
  // The settings file the values were read from, for the notes that name it.
  std::string settingsFile;
  // What a download without a site is told: to write the domain in
  // SettingsFileToEdit and, when the settings were read from elsewhere, to
  // copy that file there first.
  std::string notSetText;
};

// A domain as players also write it, made plain: without a scheme
// ("http://", "https://"), a leading "www." and anything from the first
// "/" on (any case): "https://www.jatek.hu/" is "jatek.hu".
std::string PlainDomain(const std::string& written);

// The site of the settings read from `settings` (the file SettingsPath finds
// for programDir) and of the environment.
SiteSettings ReadSiteSettings(const IniFile& settings, const std::string& programDir);

}  // namespace qv
