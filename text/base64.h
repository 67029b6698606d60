// Base64 (the standard alphabet with "=" padding), as data: addresses in a
// page carry binary pictures.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qv {

// The bytes in base64 on one line, without line breaks.
std::string Base64(std::span<const uint8_t> bytes);
// The same appended to `text`. Texts of whole groups of three bytes encode
// on their own: Base64(a + b) is Base64(a) + Base64(b) when a's size is a
// multiple of 3.
void AppendBase64(std::span<const uint8_t> bytes, std::string& text);

}  // namespace qv
