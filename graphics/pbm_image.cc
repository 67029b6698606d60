#include "graphics/pbm_image.h"

#include <algorithm>
#include <string>

#include "platform/error.h"

namespace qv {
namespace {

[[noreturn]] void BadPbm(const std::string& name, const std::string& why) {
  throw Error(error_kind::kPicture, name + " nem hasznalhato PBM kep: " + why);
}

bool PbmSpace(uint8_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The PBM header's fields in order, past the whitespace and "#" comments
// (up to the end of the line) before each one.
class PbmHeader {
 public:
  PbmHeader(std::span<const uint8_t> data, const std::string& name) : data_(data), name_(name) {}

  std::size_t at() const { return at_; }
  bool AtEnd() const { return at_ >= data_.size(); }
  uint8_t Take() { return data_[at_++]; }

  void SkipSeparators() {
    const std::size_t start = at_;
    while (!AtEnd()) {
      if (data_[at_] == '#') {
        while (!AtEnd() && data_[at_] != '\n' && data_[at_] != '\r') ++at_;
      } else if (PbmSpace(data_[at_])) {
        ++at_;
      } else {
        break;
      }
    }
    if (at_ == start) BadPbm(name_, "a fejlec mezoi kozott nincs elvalaszto");
  }

  int Number(const char* what) {
    SkipSeparators();
    long value = 0;
    const std::size_t start = at_;
    while (!AtEnd() && data_[at_] >= '0' && data_[at_] <= '9') {
      value = value * 10 + (data_[at_++] - '0');
      if (value > 1'000'000) BadPbm(name_, std::string("tul nagy a ") + what);
    }
    if (at_ == start) BadPbm(name_, std::string("hianyzik a ") + what);
    return static_cast<int>(value);
  }

 private:
  std::span<const uint8_t> data_;
  const std::string& name_;
  std::size_t at_ = 0;
};

}  // namespace

MonoBitmap ReadPbm(std::span<const uint8_t> pbm, int width, int height, const std::string& name) {
  PbmHeader header(pbm, name);
  if (pbm.size() < 2 || header.Take() != 'P' || header.Take() != '4')
    BadPbm(name, "nem \"P4\" az eleje");
  const int w = header.Number("szelesseg");
  const int h = header.Number("magassag");
  if (header.AtEnd() || !PbmSpace(header.Take())) BadPbm(name, "a magassag utan nincs elvalaszto");
  if (w != width || h != height)
    BadPbm(name, std::to_string(w) + " x " + std::to_string(h) + " keppontos " +
                     std::to_string(width) + " x " + std::to_string(height) + " helyett");

  // Rows top-down, each padded to whole bytes, leftmost pixel in the high bit.
  const std::size_t rowBytes = static_cast<std::size_t>((width + 7) / 8);
  const std::span<const uint8_t> rows = pbm.subspan(header.at());
  if (rows.size() != rowBytes * static_cast<std::size_t>(height))
    BadPbm(name, "a keppontok " + std::to_string(rows.size()) + " bajtot foglalnak " +
                     std::to_string(rowBytes * static_cast<std::size_t>(height)) + " helyett");
  // The bits past the last pixel of a row must stay clear in the bitmap.
  const uint8_t lastMask = static_cast<uint8_t>(0xFF00u >> (width % 8 == 0 ? 8 : width % 8));
  MonoBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    const auto row = rows.subspan(static_cast<std::size_t>(y) * rowBytes, rowBytes);
    uint8_t* out = bitmap.Row(y);
    std::copy(row.begin(), row.end(), out);
    out[rowBytes - 1] &= lastMask;
  }
  return bitmap;
}

std::vector<uint8_t> PbmFile(const MonoBitmap& bitmap) {
  const std::string header =
      "P4\n" + std::to_string(bitmap.width()) + " " + std::to_string(bitmap.height()) + "\n";
  const std::size_t rowBytes = static_cast<std::size_t>((bitmap.width() + 7) / 8);
  std::vector<uint8_t> bytes(header.begin(), header.end());
  bytes.reserve(bytes.size() + rowBytes * static_cast<std::size_t>(bitmap.height()));
  // The bits past the last pixel of a row are written clear.
  const uint8_t lastMask =
      static_cast<uint8_t>(0xFF00u >> (bitmap.width() % 8 == 0 ? 8 : bitmap.width() % 8));
  for (int y = 0; y < bitmap.height(); ++y) {
    bytes.insert(bytes.end(), bitmap.Row(y), bitmap.Row(y) + rowBytes);
    bytes.back() &= lastMask;
  }
  return bytes;
}

}  // namespace qv
