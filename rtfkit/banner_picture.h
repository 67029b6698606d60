// The title banner picture at the top of every converted document.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qv {

inline constexpr int kBannerWidth = 2280;
inline constexpr int kBannerHeight = 118;
// Rows of 2280 one-bit pixels padded to 288 bytes.
inline constexpr int kBannerBitmapBytes = 288 * kBannerHeight;

// The banner's pixels: rows bottom-up, leftmost pixel in the high bit, a set
// bit is black. They come from assets/banner.pbm (drawn by tools/assetgen),
// which the build compiles in, and are read on first use; that throws
// qv::Error when the picture is not 2280 x 118.
struct BannerBitmap {
  std::span<const uint8_t> bytes() const;
  uint8_t operator[](std::size_t i) const { return bytes()[i]; }
};
inline constexpr BannerBitmap kBannerBitmap;

// The banner as a 16-bit Windows metafile (34132 bytes).
std::vector<uint8_t> BannerMetafile();

}  // namespace qv
