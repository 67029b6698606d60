// The download mode of a run, in its order: the options, the password, the
// site, the turn fetched (download/), its item-list page, the desktop.
#pragma once

#include <functional>
#include <string>

#include "download/download_session.h"
#include "platform/console.h"

namespace qv {

// What the run takes from the rest of the tool; tests put their own.
struct DownloadRunParts {
  // The password when /pass= is missing (in the command line's character
  // set, "" for none); mayAsk: it may be asked for (MayAskPassword).
  // Unset: none.
  std::function<std::string(bool mayAsk)> password;
  std::function<DownloadSite()> site;  // asked after the option checks
  std::function<void(const std::string& report)> buildPage;
  // The stored report merged into the folder's atlas, when it keeps one;
  // unset: no atlas.
  std::function<void(const std::string& report)> updateAtlas;
  std::function<void(const std::string& page, Console&)> open;  // shows a file on the desktop
};

// The password from elsewhere than the command line: QVFORMAT_PASSWORD,
// else, when mayAsk and the input is a terminal, typed there unseen.
std::string PasswordFromElsewhere(bool mayAsk);

// Downloads one turn, stores it, has its item-list page built (not with
// /letolt), the folder's atlas brought up to date and the page (or the site's rendering) opened. Empty lines
// frame the run's console lines. A missing option is said on the console,
// then thrown as qv::Error: the run failed.
void RunDownload(const DownloadOptions& options, const DownloadRunParts& parts, Console& console);

}  // namespace qv
