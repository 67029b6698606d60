// The XDG base-directory rule behind the per-user folders on POSIX systems
// (platform/user_dirs.h).
#pragma once

#include <string>
#include <string_view>

namespace qv {

// The per-user directory of the tool, with a trailing "/": xdgValue +
// "/qvformat/" when xdgValue is absolute, else home + "/" + homeSubdir +
// "/qvformat/" when home is absolute, else empty (none). Null means unset.
// UserConfigDir is that of XDG_CONFIG_HOME (default .config), UserDataDir
// that of XDG_DATA_HOME (default .local/share), UserCacheDir that of
// XDG_CACHE_HOME (default .cache).
std::string UserDir(const char* xdgValue, const char* home, std::string_view homeSubdir);

}  // namespace qv
