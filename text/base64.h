// Base64 (the standard alphabet with "=" padding), as data: addresses in a
// page carry binary pictures.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qv {

// The bytes in base64 on one line, without line breaks.
std::string Base64(std::span<const uint8_t> bytes);

}  // namespace qv
