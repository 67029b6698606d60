// Generated C++ sources holding picture data as byte arrays.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct ByteArraySource {
  std::string description;  // comment lines after the "Generated" note
  std::string include;      // the header that declares the array
  std::string nameSpace;
  std::string name;
  std::string sizeExpression;  // array bound as written in the declaration
  std::vector<uint8_t> bytes;
};

// Writes the source file; throws std::runtime_error when it cannot.
void WriteByteArraySource(const ByteArraySource& source, const std::string& fileName);

}  // namespace assetgen
