// The stored part of a turn response.
#pragma once

#include <string>

namespace qv {

// Cuts a raw turn response down to the report: drops the header (up to the
// first CR LF CR LF), the first table from "<TABLE><TR>" to "</TABLE>" and
// the one character behind it, and everything after the first "</html>".
// A step whose marker is missing leaves the text as it is. The text is cut
// in place: a large answer is not copied.
std::string CutResponse(std::string response);

}  // namespace qv
