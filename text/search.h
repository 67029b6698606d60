// Byte-offset searches for the one-pass scans over long texts (0-based like
// std::string::find, npos when not found). std::string::find calls memcmp at
// every place the pattern's first character stands, which in report prose
// (patterns starting with a blank or "<") is every few bytes; these jump
// between occurrences of the pattern's rarest character instead and check
// its last character in place before comparing.
#pragma once

#include <cstddef>
#include <string_view>

namespace qv {

// The first occurrence of pattern starting at or after `from`.
std::size_t FindFrom(std::string_view text, std::string_view pattern, std::size_t from = 0);

// The last occurrence of a non-empty pattern.
std::size_t FindLast(std::string_view text, std::string_view pattern);

// The first byte at or after `from` that is one of `bytes` (one to three of
// them), looked for eight bytes at a time.
std::size_t FindAnyByte(std::string_view text, std::string_view bytes, std::size_t from = 0);

}  // namespace qv
