#pragma once

#include <string>
#include <vector>

namespace qv {

// Every entry of the directory (hidden files and subdirectories too, but not
// "." and ".."), sorted by name in byte order so that a batch run always
// takes the reports in the same order. Throws qv::Error when the directory
// cannot be read.
std::vector<std::string> ListDirectory(const std::string& dir);

}  // namespace qv
