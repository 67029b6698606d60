// Windows-1250 string literals written readably in UTF-8 source:
//
//   if (Contains(line, "Betáplálva:"_cp)) ...
//
// The conversion runs at compile time; a character that Windows-1250 cannot
// hold is a compile error. The result is a std::string_view into static
// storage.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/encoding.h"

namespace qv {
namespace cp1250_detail {

constexpr char ByteOf(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  for (int i = 0; i < 128; ++i)
    if (kCp1250HighHalf[i] == cp) return static_cast<char>(0x80 + i);
  throw "character has no Windows-1250 byte";
}

template <std::size_t N>
struct Literal {
  char bytes[N] = {};
  std::size_t size = 0;

  constexpr Literal(const char (&utf8)[N]) {
    std::size_t i = 0;
    while (i + 1 < N) {  // N counts the terminating NUL
      const unsigned char lead = static_cast<unsigned char>(utf8[i]);
      char32_t cp = 0;
      std::size_t extra = 0;
      if (lead < 0x80) {
        cp = lead;
      } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        extra = 1;
      } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        extra = 2;
      } else {
        throw "unsupported UTF-8 sequence";
      }
      for (std::size_t k = 1; k <= extra; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
      bytes[size++] = ByteOf(cp);
      i += extra + 1;
    }
  }
};

template <Literal L>
struct Storage {
  static constexpr Literal<sizeof(L.bytes)> value = L;
};

}  // namespace cp1250_detail

template <cp1250_detail::Literal L>
constexpr std::string_view operator""_cp() {
  return std::string_view(cp1250_detail::Storage<L>::value.bytes,
                          cp1250_detail::Storage<L>::value.size);
}

}  // namespace qv
