// Whether a report came whole: a report ends with its closing tag
// (report::kHtmlEnd, in any case); one saved half-way by a browser, or cut
// off while it was being downloaded, lacks it.
#pragma once

#include <string_view>

namespace qv {

// True when text holds the closing tag in any case. A caller that reads a
// report in pieces hands over each piece behind the last
// report::kHtmlEnd.size() - 1 bytes of the one before.
bool IsWholeReport(std::string_view text);

}  // namespace qv
