// Bytes of binary files as tests build and read them: little-endian words,
// and the same bytes as text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

inline std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }
inline std::string AsString(const std::vector<uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

// Little-endian 16- and 32-bit words, appended and read at a byte offset
// (reading past the end throws std::out_of_range).
inline void PutU16(std::vector<uint8_t>& bytes, uint32_t value) {
  bytes.push_back(static_cast<uint8_t>(value));
  bytes.push_back(static_cast<uint8_t>(value >> 8));
}
inline void PutU32(std::vector<uint8_t>& bytes, uint32_t value) {
  PutU16(bytes, value & 0xFFFF);
  PutU16(bytes, value >> 16);
}
inline uint32_t GetU16(const std::vector<uint8_t>& bytes, std::size_t at) {
  return bytes.at(at) | (uint32_t{bytes.at(at + 1)} << 8);
}
inline uint32_t GetU32(const std::vector<uint8_t>& bytes, std::size_t at) {
  return GetU16(bytes, at) | (GetU16(bytes, at + 2) << 16);
}

}  // namespace qv::test
