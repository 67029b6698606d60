// What a turn download asks the site for: the command-line options, and
// the request made of them once every one is there and safe.
#pragma once

#include <string>

#include "platform/console.h"

namespace qv {

// The command-line options of a download, as typed (the locale's charset).
struct DownloadOptions {
  std::string user;           // /user
  std::string password;       // /pass
  std::string character;      // /kar
  std::string turn;           // /ford: a number, or "utolso" for the latest
  bool downloadOnly = false;  // /letolt: fetch the site's own rendering, build no page
};

// A password found elsewhere than on the command line is asked for (and
// may be typed) only when the run can go on with it: the user name, the
// character and the turn are given.
inline bool NeedsPassword(const DownloadOptions& o) { return o.password.empty() && !o.user.empty(); }
inline bool MayAskPassword(const DownloadOptions& o) {
  return !o.character.empty() && !o.turn.empty();
}

struct TurnRequest {
  std::string user;       // Windows-1250
  std::string password;   // Windows-1250
  std::string character;  // safe in file names and request lines
  std::string turn;       // likewise
  bool downloadOnly = false;
};

// The first option missing is said on the console, followed by an empty
// line, then thrown as qv::Error: the run failed.
// A character or turn that is not safe (safe_values.h) throws too.
TurnRequest CheckedTurnRequest(const DownloadOptions& options, Console& console);

}  // namespace qv
