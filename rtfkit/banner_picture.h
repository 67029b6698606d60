// The title banner picture at the top of every converted document.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qv {

class MonoBitmap;

inline constexpr int kBannerWidth = 2280;
inline constexpr int kBannerHeight = 118;
// Rows of 2280 one-bit pixels padded to 288 bytes.
inline constexpr int kBannerBitmapBytes = 288 * kBannerHeight;

// Reads a binary PBM (P4) image that must be width x height pixels; a set
// bit is black in the PBM and stays set in the bitmap. Throws qv::Error,
// naming the image `name`, when the data is not such an image.
MonoBitmap ReadPbm(std::span<const uint8_t> pbm, int width, int height, const std::string& name);

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
