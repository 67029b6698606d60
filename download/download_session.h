// The turn download as a service: one turn fetched from the game's web site
// into files of the current directory. What becomes of them (the item-list
// page, the desktop) is the caller's.
#pragma once

#include <string>

#include "download/site_address.h"
#include "download/turn_request.h"
#include "platform/console.h"

namespace qv {

struct FetchedTurn {
  std::string reportFile;  // the turn report stored (DownloadedReportName)
  // The item-list page's name (DownloadedPageName): with downloadOnly the
  // site's own rendering stored under it, else the page still to be built.
  std::string pageFile;
};

// Tells the site's setting note, if any, then fetches the turn over up to
// four successive TLS connections (session cookie, login and turn, the
// report, with downloadOnly the site's own rendering), each announced on
// the console, and stores the report (and the rendering). A failure throws
// qv::Error and replaces no file.
FetchedTurn FetchTurn(const TurnRequest& request, const DownloadSite& site, Console& console);

}  // namespace qv
