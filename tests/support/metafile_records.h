// A map picture's group taken apart again: the metafile's bytes and its
// records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/bytes.h"

namespace qv::test {

// One record of a metafile.
struct WmfRecord {
  uint32_t words = 0;
  uint16_t function = 0;
  std::size_t at = 0;  // byte offset of the record
};

// The records after the 18-byte header.
inline std::vector<WmfRecord> WmfRecords(const std::vector<uint8_t>& wmf) {
  std::vector<WmfRecord> records;
  std::size_t at = 18;
  while (at < wmf.size()) {
    WmfRecord r{GetU32(wmf, at), static_cast<uint16_t>(GetU16(wmf, at + 4)), at};
    if (r.words < 3) throw std::runtime_error("bad record size");
    records.push_back(r);
    at += 2 * std::size_t{r.words};
  }
  return records;
}

// The metafile bytes of "{\pict...\pichN " + hex + "}".
inline std::vector<uint8_t> PictureGroupBytes(const std::string& group) {
  const std::size_t start = group.find(' ');
  if (start == std::string::npos || group.back() != '}')
    throw std::runtime_error("no picture group");
  const std::string hex = group.substr(start + 1, group.size() - start - 2);
  if (hex.size() % 2 != 0) throw std::runtime_error("odd hex digits");
  std::vector<uint8_t> bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

}  // namespace qv::test
