#include "picture_files.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "graphics/bmp_writer.h"
#include "graphics/pbm_image.h"

namespace assetgen {
namespace {

constexpr int32_t kPixelsPerMeter = 3780;  // 96 dots per inch

void WriteFile(const std::vector<uint8_t>& bytes, const std::string& fileName) {
  std::ofstream file(fileName, std::ios::binary);
  if (!file) throw std::runtime_error("cannot create " + fileName);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + fileName);
}

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// An icon image: BITMAPINFOHEADER (its height counts the colour rows and
// the mask rows), the BGRA rows from the bottom, then the mask rows (set
// bit: transparent), each padded to 4 bytes.
std::vector<uint8_t> IconDib(const ColourImage& image) {
  const int size = image.size;
  const int maskRow = (size + 31) / 32 * 4;
  std::vector<uint8_t> dib;
  Put32(dib, 40);
  Put32(dib, size);
  Put32(dib, 2 * size);
  Put16(dib, 1);   // planes
  Put16(dib, 32);  // bits per pixel
  Put32(dib, 0);   // BI_RGB
  Put32(dib, size * size * 4 + maskRow * size);
  for (int i = 0; i < 4; ++i) Put32(dib, 0);  // resolution, palette
  for (int y = size - 1; y >= 0; --y)
    for (int x = 0; x < size; ++x) {
      const Rgba& p = image.pixels[y * size + x];
      dib.insert(dib.end(), {p.b, p.g, p.r, p.a});
    }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskRow, 0);
    for (int x = 0; x < size; ++x)
      if (image.pixels[y * size + x].a == 0) row[x / 8] |= 0x80 >> (x % 8);
    dib.insert(dib.end(), row.begin(), row.end());
  }
  return dib;
}

}  // namespace

void WriteMonoBmp(const Canvas& canvas, const std::string& fileName) {
  qv::DibFields fields;
  fields.xPixelsPerMeter = kPixelsPerMeter;
  fields.yPixelsPerMeter = kPixelsPerMeter;
  fields.colorsUsed = 2;
  fields.colorsImportant = 2;
  WriteFile(qv::BmpFile(canvas.ink(), {qv::kWhite, qv::kBlack}, fields), fileName);
}

void WritePbm(const Canvas& canvas, const std::string& fileName) {
  WriteFile(qv::PbmFile(canvas.ink()), fileName);
}

void WriteIco(const std::vector<ColourImage>& images, const std::string& fileName) {
  // ICONDIR, one 16-byte ICONDIRENTRY an image, then the images.
  std::vector<uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);  // an icon
  Put16(file, images.size());
  std::vector<uint8_t> data;
  uint32_t offset = 6 + 16 * images.size();
  for (const ColourImage& image : images) {
    const std::vector<uint8_t> dib = IconDib(image);
    file.push_back(static_cast<uint8_t>(image.size));  // 256 would be 0
    file.push_back(static_cast<uint8_t>(image.size));
    file.push_back(0);  // no palette
    file.push_back(0);
    Put16(file, 1);   // planes
    Put16(file, 32);  // bits per pixel
    Put32(file, dib.size());
    Put32(file, offset);
    offset += dib.size();
    data.insert(data.end(), dib.begin(), dib.end());
  }
  file.insert(file.end(), data.begin(), data.end());
  WriteFile(file, fileName);
}

}  // namespace assetgen
