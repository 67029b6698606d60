// The title banner picture at the top of every converted document.
#pragma once

#include <cstdint>
#include <vector>

namespace qv {

inline constexpr int kBannerWidth = 2280;
inline constexpr int kBannerHeight = 118;
// Rows of 2280 one-bit pixels padded to 288 bytes.
inline constexpr int kBannerBitmapBytes = 288 * kBannerHeight;

// The banner's pixels: rows bottom-up, leftmost pixel in the high bit, a set
// bit is black. Drawn by tools/assetgen.
extern const unsigned char kBannerBitmap[kBannerBitmapBytes];

// The banner as a 16-bit Windows metafile (34132 bytes).
std::vector<uint8_t> BannerMetafile();

}  // namespace qv
