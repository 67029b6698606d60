// Whole files read into memory: any file, and the source tree's own (the
// sample reports of examples/, the shipped files of assets/).
#pragma once

#include <string>

namespace qv::test {

// A device, which no input of the tool may be: it reads forever.
#ifdef _WIN32
inline constexpr const char* kDeviceFile = "NUL";
#else
inline constexpr const char* kDeviceFile = "/dev/zero";
#endif

// The bytes of a file; "" when it cannot be read.
std::string ReadFile(const std::string& path);

// A file of the source tree, named from its top ("assets/item.txt"). Throws
// std::runtime_error when it cannot be read.
std::string SourceFile(const std::string& relative);

// The sample report examples/NAME ("1234_57.htm"), as SourceFile reads it.
std::string SampleReport(const std::string& name);

}  // namespace qv::test
