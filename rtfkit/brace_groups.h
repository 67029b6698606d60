// Keeping the groups of a paragraph balanced. The texts here are RTF: report
// text in them is escaped (RtfEscape), so a "\" always starts a control word
// or an escaped character, and every unescaped brace is one the paragraph
// writer made.
#pragma once

#include <string>

namespace qv {

// The older layout's italic groups around literal braces: the writer opens
// one at "{\i \{" and closes it at "\}}". A group is closed by the first
// literal "}" that follows it, also one without the closing "}" of its own;
// a closing "}" with no group open is dropped, and the "{\i " of a group that
// is never closed as well, so its braces stay plain literal braces.
std::string PairLiteralBraceGroups(std::string text);

// A "}" with no group open is dropped, and every group still open at the end
// is closed there; a "\" at the very end, which would escape what follows the
// text, is dropped too. Leaves a balanced text as it is.
std::string BalanceGroups(std::string text);

}  // namespace qv
