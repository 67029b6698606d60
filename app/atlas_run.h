// The atlas run: the kept atlas file read, the reports merged into it, the
// file written again, and the totals told.
#pragma once

#include <string>
#include <vector>

#include "app/session.h"

namespace qv {

// Merges the reports (the names in the system's own form) into atlasz.txt
// of the current folder, keeping only the character of "/kar=" when given.
// Throws qv::Error when the kept file cannot be read (it stays as it was),
// when "/kar=" is no number, and when no report was read (nothing is
// written then).
void RunAtlas(Session& session, const std::vector<std::string>& reports);

// After a download into a folder that keeps atlasz.txt: the new report
// merged into it and the views drawn again, told in one line. A failure is
// told too, and leaves the download as it is.
void UpdateAtlasAfterDownload(Session& session, const std::string& report);

}  // namespace qv
