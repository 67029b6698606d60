#include "graphics/bmp_reader.h"

#include <array>
#include <bit>
#include <vector>

#include "platform/error.h"
#include "platform/input_file.h"

namespace qv {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
// Map pictures are small: a tile is 200 x 200 pixels, the icon strip 448 x 56.
// Larger ones are refused, so that the sixteen pictures of a map stay a few
// megabytes: at most 4096 x 4096 pixels (2 MB as one bit a pixel), in a file
// of at most 72 MB (the pixels at 32 bits, and room for the headers).
constexpr int64_t kMaxSide = 4096;
constexpr int64_t kMaxFileBytes = int64_t{72} << 20;

class Bytes {
 public:
  Bytes(std::span<const uint8_t> b, const std::string& name) : b_(b), name_(name) {}

  [[noreturn]] void Fail(const std::string& why) const {
    throw Error(error_kind::kPicture, name_ + ": " + why);
  }
  void Need(uint64_t offset, uint64_t count) const {
    if (offset > b_.size() || count > b_.size() - offset) Fail("a fajl csonka vagy serult");
  }
  uint32_t U16(uint64_t at) const {
    Need(at, 2);
    return b_[at] | (uint32_t{b_[at + 1]} << 8);
  }
  uint32_t U32(uint64_t at) const { return U16(at) | (U16(at + 2) << 16); }
  const uint8_t* At(uint64_t at) const { return b_.data() + at; }

 private:
  std::span<const uint8_t> b_;
  const std::string& name_;
};

// Light is at least mid-grey by the usual luma weights.
bool Light(uint32_t r, uint32_t g, uint32_t b) { return 299 * r + 587 * g + 114 * b >= 128000; }

// One colour channel of a bit-field pixel, scaled to 0..255. A mask may be
// up to 32 bits wide: the product with 255 needs 64 bits.
uint32_t Channel(uint32_t pixel, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const uint64_t max = mask >> shift;
  return static_cast<uint32_t>(uint64_t{(pixel & mask) >> shift} * 255 / max);
}

}  // namespace

MonoBitmap DecodeBmp(std::span<const uint8_t> data, const std::string& name) {
  const Bytes in(data, name);
  if (data.size() < kFileHeaderBytes + 12 || data[0] != 'B' || data[1] != 'M')
    in.Fail("nem BMP fajl");
  const uint32_t pixelOffset = in.U32(10);
  const uint32_t headerSize = in.U32(14);
  const bool core = headerSize == 12;
  if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
      headerSize != 124)
    in.Fail("ismeretlen BMP fejlecmeret: " + std::to_string(headerSize));
  in.Need(kFileHeaderBytes, headerSize);

  int64_t width, height;
  uint32_t planes, bits, compression = kBiRgb, colorsUsed = 0;
  if (core) {
    width = in.U16(18);
    height = in.U16(20);
    planes = in.U16(22);
    bits = in.U16(24);
  } else {
    width = static_cast<int32_t>(in.U32(18));
    height = static_cast<int32_t>(in.U32(22));
    planes = in.U16(26);
    bits = in.U16(28);
    compression = in.U32(30);
    colorsUsed = in.U32(46);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (planes != 1) in.Fail("egy BMP-nek egy sikja lehet");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    in.Fail("keppontonkent " + std::to_string(bits) + " bit nem tamogatott");
  const bool fields = compression == kBiBitfields && (bits == 16 || bits == 32);
  if (compression != kBiRgb && !fields) in.Fail("a tomoritett BMP nem tamogatott");
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
    in.Fail("hibas kepmeret: " + std::to_string(width) + "x" + std::to_string(height));

  // Colour masks of bit-field pixels: inside the larger headers, else
  // right after the 40-byte one.
  uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};  // 16 bits without fields: 5-5-5
  if (bits == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  uint64_t tableAt = kFileHeaderBytes + headerSize;
  if (fields) {
    const uint64_t at = kFileHeaderBytes + 40;
    for (int i = 0; i < 3; ++i) masks[i] = in.U32(at + 4 * i);
    if (headerSize == 40) tableAt += 12;
  }

  // The palette, as light (true) or dark per index; indices past its end
  // read as dark.
  std::vector<bool> palette;
  if (bits <= 8) {
    const uint32_t maxColors = 1u << bits;
    if (colorsUsed > maxColors)
      in.Fail("a paletta nagyobb, mint amennyi szint a keppontok jelolhetnek");
    const uint32_t count = colorsUsed != 0 ? colorsUsed : maxColors;
    const uint32_t entry = core ? 3 : 4;
    in.Need(tableAt, uint64_t{count} * entry);
    palette.assign(maxColors, false);
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t* c = in.At(tableAt + uint64_t{i} * entry);
      palette[i] = Light(c[2], c[1], c[0]);
    }
  }

  const uint64_t rowBytes = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
  in.Need(pixelOffset, rowBytes * static_cast<uint64_t>(height));

  MonoBitmap out(static_cast<int>(width), static_cast<int>(height));
  if (bits == 1) {
    // One bit a pixel is the bitmap's own layout: whole rows are copied,
    // inverted or filled by what the two palette entries are, and the bits
    // past the last pixel cleared.
    const bool dark0 = !palette[0], light1 = palette[1];
    const uint8_t flip = dark0 ? 0x00 : 0xFF;  // palette entry 0 light: inverted
    const int fullBytes = static_cast<int>(width / 8);
    const int usedBytes = static_cast<int>((width + 7) / 8);
    const uint8_t lastMask = static_cast<uint8_t>(0xFF00u >> (width % 8));
    for (int y = 0; y < height; ++y) {
      const int64_t stored = topDown ? y : height - 1 - y;
      const uint8_t* row = in.At(pixelOffset + static_cast<uint64_t>(stored) * rowBytes);
      uint8_t* to = out.Row(y);
      for (int i = 0; i < usedBytes; ++i) {
        if (dark0 == light1)  // one light and one dark entry
          to[i] = static_cast<uint8_t>(row[i] ^ flip);
        else
          to[i] = light1 ? 0xFF : 0x00;  // both light, or both dark
      }
      if (usedBytes > fullBytes) to[fullBytes] &= lastMask;
    }
    return out;
  }
  for (int y = 0; y < height; ++y) {
    const int64_t stored = topDown ? y : height - 1 - y;
    const uint8_t* row = in.At(pixelOffset + static_cast<uint64_t>(stored) * rowBytes);
    for (int x = 0; x < width; ++x) {
      bool light;
      switch (bits) {
        case 4: light = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F]; break;
        case 8: light = palette[row[x]]; break;
        case 24: {
          const uint8_t* p = row + 3 * x;
          light = Light(p[2], p[1], p[0]);
          break;
        }
        default: {
          const uint8_t* p = row + (bits / 8) * x;
          const uint32_t v = bits == 16 ? p[0] | (uint32_t{p[1]} << 8)
                                        : p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) |
                                              (uint32_t{p[3]} << 24);
          light = Light(Channel(v, masks[0]), Channel(v, masks[1]), Channel(v, masks[2]));
        }
      }
      if (light) out.Set(x, y, true);
    }
  }
  return out;
}

MonoBitmap LoadBmp(const std::string& path, const std::string& name) {
  std::string bytes;
  InputProblem problem;
  if (!ReadRegularFile(path, kMaxFileBytes, &bytes, &problem))
    throw Error(error_kind::kPicture, FileProblemText(problem.operation, name, problem.reason));
  return DecodeBmp(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), name);
}

}  // namespace qv
