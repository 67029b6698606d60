// File-name patterns with "*" and "?", which a command prompt hands over
// unexpanded (and a POSIX shell too when the pattern is quoted).
#pragma once

#include <string>
#include <vector>

namespace qv {

// How the system compares names: Windows ignores the case of letters
// (accented ones too); a POSIX shell's "*" and "?" never match the "." that
// starts a hidden name.
struct NameRules {
  bool caseBlind = false;
  bool hiddenDotNames = false;
};
NameRules SystemNameRules();

// True when text holds "*" or "?".
bool HoldsWildcard(const std::string& text);

// True when the whole name matches the pattern: "*" stands for any run of
// characters (none too), "?" for exactly one (a UTF-8 character where
// both are UTF-8), anything else for itself.
bool WildcardMatch(const std::string& pattern, const std::string& name, NameRules rules);

// The files (no folders) that a pattern names, in name order (byte order,
// as ListDirectory gives them). Only the pattern's last part is matched;
// the folder in front of it is listed as typed and kept in front of each
// name. Throws qv::Error when that folder cannot be listed.
std::vector<std::string> MatchingFiles(const std::string& pattern);

}  // namespace qv
