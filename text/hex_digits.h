// Bytes as hexadecimal digits, as documents carry their pictures.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qv {

enum class HexCase { kUpper, kLower };

// Writes each byte as two hexadecimal digits from `out` on and returns
// the end of what it wrote.
char* PutHex(std::span<const uint8_t> bytes, char* out, HexCase letters);

// Bytes as lower-case hexadecimal digits, 100 to a line (50 bytes); the lines
// are joined by CR LF and the last one has no line end.
std::string HexLines(std::span<const uint8_t> bytes);

}  // namespace qv
