#include "tests/support/bmp_files.h"

#include "tests/support/bytes.h"

namespace qv::test {

std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<Colour>& palette,
                             const std::function<int(int, int)>& pixel, bool topDown) {
  const uint32_t rowBytes = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
  const bool indexed = bits <= 8;
  const uint32_t tableBytes = indexed ? static_cast<uint32_t>(palette.size()) * 4 : 0;
  const uint32_t offset = 14 + 40 + tableBytes;
  std::vector<uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  PutU32(b, offset + rowBytes * static_cast<uint32_t>(height));
  PutU32(b, 0);
  PutU32(b, offset);
  PutU32(b, 40);
  PutU32(b, static_cast<uint32_t>(width));
  PutU32(b, static_cast<uint32_t>(topDown ? -height : height));
  PutU16(b, 1);
  PutU16(b, static_cast<uint32_t>(bits));
  PutU32(b, 0);
  PutU32(b, rowBytes * static_cast<uint32_t>(height));
  PutU32(b, 0);
  PutU32(b, 0);
  PutU32(b, indexed ? static_cast<uint32_t>(palette.size()) : 0);
  PutU32(b, 0);
  if (indexed)
    for (const Colour& c : palette) {
      b.push_back(c.b);
      b.push_back(c.g);
      b.push_back(c.r);
      b.push_back(0);
    }
  for (int stored = 0; stored < height; ++stored) {
    const int y = topDown ? stored : height - 1 - stored;
    std::vector<uint8_t> row(rowBytes, 0);
    for (int x = 0; x < width; ++x) {
      const int v = pixel(x, y);
      switch (bits) {
        case 1: row[x / 8] |= static_cast<uint8_t>((v & 1) << (7 - x % 8)); break;
        case 4: row[x / 2] |= static_cast<uint8_t>((v & 15) << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = static_cast<uint8_t>(v); break;
        default: {
          const Colour& c = palette.at(static_cast<std::size_t>(v));
          const int n = bits / 8;
          row[n * x] = c.b;
          row[n * x + 1] = c.g;
          row[n * x + 2] = c.r;
        }
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

std::vector<uint8_t> MonoBmp(int width, int height, const std::function<bool(int, int)>& white) {
  return MakeBmp(width, height, 1, {{0, 0, 0}, {255, 255, 255}},
                 [&](int x, int y) { return white(x, y) ? 1 : 0; });
}

}  // namespace qv::test
