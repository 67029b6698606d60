#pragma once

#include <string>
#include <vector>

namespace qv {

// The usage block printed when the tool is started without parameters, one
// entry a line; siteDomain is the game site the download talks to.
std::vector<std::string> UsageLines(const std::string& siteDomain);

}  // namespace qv
