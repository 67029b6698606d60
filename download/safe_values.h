// Values that end up in file names and request lines (the character number,
// the turn) must not lead out of the current directory or break a line.
#pragma once

#include <string>

namespace qv {

// True when the value is not empty, holds no control character and none of
// / \ : * ? " < > | (a path separator, or what Windows forbids in a name),
// and does not start with ".". The one check of every value a file name is
// made from: the character number, the turn asked for and the turn the site
// resolves.
bool IsSafeValue(const std::string& value);

// The value as it can be shown on a console: control bytes as \xNN.
std::string ShownValue(const std::string& value);

// Throws qv::Error naming what the value is ("the character number (/kar)")
// when IsSafeValue does not hold.
void RequireSafeValue(const std::string& value, const std::string& what);

}  // namespace qv
