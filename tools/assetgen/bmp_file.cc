#include "bmp_file.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace assetgen {
namespace {

constexpr uint32_t kHeadersBytes = 14 + 40 + 2 * 4;
constexpr uint32_t kPixelsPerMeter = 3780;  // 96 dots per inch

void U16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void U32(std::vector<uint8_t>& out, uint32_t v) {
  U16(out, v & 0xFFFF);
  U16(out, v >> 16);
}

}  // namespace

void WriteMonoBmp(const Canvas& canvas, const std::string& fileName) {
  const std::vector<uint8_t> rows = canvas.PackDibRows();
  std::vector<uint8_t> out;
  out.reserve(kHeadersBytes + rows.size());
  out.push_back('B');
  out.push_back('M');
  U32(out, kHeadersBytes + static_cast<uint32_t>(rows.size()));
  U32(out, 0);
  U32(out, kHeadersBytes);
  U32(out, 40);
  U32(out, static_cast<uint32_t>(canvas.width()));
  U32(out, static_cast<uint32_t>(canvas.height()));  // positive: bottom-up rows
  U16(out, 1);                                       // planes
  U16(out, 1);                                       // bits per pixel
  U32(out, 0);                                       // no compression
  U32(out, static_cast<uint32_t>(rows.size()));
  U32(out, kPixelsPerMeter);
  U32(out, kPixelsPerMeter);
  U32(out, 2);  // colours used
  U32(out, 2);  // colours important
  for (uint8_t v : {uint8_t{255}, uint8_t{0}}) {
    for (int i = 0; i < 3; ++i) out.push_back(v);
    out.push_back(0);
  }
  out.insert(out.end(), rows.begin(), rows.end());

  std::ofstream file(fileName, std::ios::binary);
  if (!file) throw std::runtime_error("cannot create " + fileName);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + fileName);
}

}  // namespace assetgen
