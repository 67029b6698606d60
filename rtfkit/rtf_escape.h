// Report text made safe to stand in an RTF document as plain text.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// "\", "{" and "}" escaped ("\\", "\{", "\}"), so that report text never
// opens, closes or commands anything; control bytes (below 32 but the tab,
// and 127) dropped. Every other byte, Windows-1250 letters included, stays.
std::string RtfEscape(std::string_view text);
// Appends RtfEscape(text) to `out`.
void AppendRtfEscaped(std::string& out, std::string_view text);

// RtfEscape made in the text's own storage: no second copy of a long text.
void RtfEscapeInPlace(std::string& text);

// True when RtfEscape would change the text.
bool NeedsRtfEscape(std::string_view text);

}  // namespace qv
