// Cookies picked out of the site's response lines by text search.
#pragma once

#include <string>

namespace qv {

// The pair that starts at the first occurrence of name (such as "GAZPSW=")
// and ends just before the first ";" of the whole line. Empty when the line
// has no ";" or its first ";" stands before the name.
std::string CookieCut(const std::string& line, const std::string& name);

// The three cookies of a logged-in session.
struct SiteCookies {
  std::string session;   // "GAZEHALL_SESSIONID=..."
  std::string password;  // "GAZPSW=..."
  std::string user;      // "GAZUSER=..."

  // The value of the "Cookie:" line of the turn requests; after a failed
  // login the empty pairs keep their separators.
  std::string TurnCookies() const { return session + "; " + password + "; " + user; }
};

}  // namespace qv
