// Eight bytes of a text looked at as one machine word, for the passes that
// look for a few byte values only: a word answers at once whether it holds
// one of them and where the first is.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qv::byte_words {

// The tricks read the first byte of a text as a word's lowest byte.
constexpr bool kUsable = std::endian::native == std::endian::little;

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;

inline std::uint64_t Load(const char* at) {
  std::uint64_t w;
  std::memcpy(&w, at, sizeof w);
  return w;
}

// 0x80 in each byte of w that equals c, 0 in the others.
constexpr std::uint64_t BytesEqual(std::uint64_t w, unsigned char c) {
  const std::uint64_t x = w ^ (kOnes * c);
  return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// 0x80 in each byte of w below n (n at most 0x80), 0 in the others: with
// the top bit set first, no byte borrows from the next.
constexpr std::uint64_t BytesBelow(std::uint64_t w, unsigned char n) {
  constexpr std::uint64_t kTops = kOnes * 0x80;
  return ~((w | kTops) - kOnes * n) & ~w & kTops;
}

// The place in its word of the first byte marked in `hits` (not 0).
constexpr std::size_t FirstMarked(std::uint64_t hits) {
  return static_cast<std::size_t>(std::countr_zero(hits)) / 8;
}

}  // namespace qv::byte_words
