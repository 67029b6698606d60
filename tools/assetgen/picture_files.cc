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

}  // namespace assetgen
