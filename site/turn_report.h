// What the tool takes for a turn report: a file in which some line holds
// "<title" (any case). Anything else (an empty file, an editor's note, a
// site's login page) is never converted, paged or stored as a report, so it
// cannot replace the document, page or report of an earlier run.
#pragma once

#include <string_view>

namespace qv {

// True when text holds "<title" in any case.
bool HoldsTitleTag(std::string_view text);

}  // namespace qv
