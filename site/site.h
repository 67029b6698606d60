// The game's web site, as every feature names it: its domain as the
// settings file (platform/settings_file.h) holds it, its host, and what a
// player without one is told.
#pragma once

#include <string>

namespace qv {

// A reserved name that resolves nowhere, until the player names the real
// domain in the settings.
inline constexpr char kPlaceholderDomain[] = "zordonvidek.example";

// The domain of the game's web site, as the usage text names it (settings
// section LETOLTES, key Szerver; the default is the placeholder), read as
// PlainDomain.
std::string SiteDomain(const std::string& programDir);

// The Szerver value as the settings hold it (the placeholder without one).
std::string WrittenDomain(const std::string& programDir);

// A domain as players also write it, made plain: without a scheme
// ("http://", "https://"), a leading "www." and anything from the first
// "/" on (any case): "https://www.jatek.hu/" is "jatek.hu".
std::string PlainDomain(const std::string& written);

// The site's host: the domain with "www." in front, or the whole host name
// in the environment variable QVFORMAT_HOST (local mirrors, tests).
std::string SiteHost(const std::string& programDir);

// True when QVFORMAT_HOST names a host, or the settings name a domain other
// than the placeholder (an empty Szerver= names none either).
bool SiteIsSet(const std::string& programDir);

// What a download without a site is told: to write the domain in
// SettingsFileToEdit and, when the settings were read from elsewhere, to
// copy that file there first.
std::string SiteNotSetText(const std::string& programDir);

}  // namespace qv
