// Helpers of the map tests: BMP files made in memory, a picture set whose
// pixels tell the tests which tile, arrow or icon landed where, and a reader
// that takes a picture group apart again.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "convert/run_state.h"
#include "rtfkit/rtf_writer.h"
#include "site/run_context.h"
#include "tests/test_support.h"
#include "text/report_reader.h"

namespace qv::test {

inline void PutU16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutU32(std::vector<uint8_t>& b, uint32_t v) {
  PutU16(b, v & 0xFFFF);
  PutU16(b, v >> 16);
}
inline uint32_t GetU16(const std::vector<uint8_t>& b, std::size_t at) {
  return b.at(at) | (uint32_t{b.at(at + 1)} << 8);
}
inline uint32_t GetU32(const std::vector<uint8_t>& b, std::size_t at) {
  return GetU16(b, at) | (GetU16(b, at + 2) << 16);
}

struct Colour {
  uint8_t r, g, b;
};

// An uncompressed BMP with a 40-byte header. `pixel(x, y)` (y from the top)
// gives a palette index for 1, 4 and 8 bits, a colour otherwise through
// `palette[index]`. Top-down when `topDown`.
inline std::vector<uint8_t> MakeBmp(int width, int height, int bits,
                                    const std::vector<Colour>& palette,
                                    const std::function<int(int, int)>& pixel,
                                    bool topDown = false) {
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

// A one-bit BMP, palette black then white; `white(x, y)` decides.
inline std::vector<uint8_t> MonoBmp(int width, int height,
                                    const std::function<bool(int, int)>& white) {
  return MakeBmp(width, height, 1, {{0, 0, 0}, {255, 255, 255}},
                 [&](int x, int y) { return white(x, y) ? 1 : 0; });
}

inline std::string AsString(const std::vector<uint8_t>& b) {
  return std::string(b.begin(), b.end());
}

// Pictures whose pixels name themselves:
// - terrain t: white, black corners (0, 0) and (199, 199), and in row 5 a
//   black bar of 5 * t pixels from the left edge;
// - arrow k: its 47 x 47 pixels black with a white 6 x 6 hole whose left
//   edge is at 4 * k, top 20;
// - icon k: its 55 x 56 pixels black with a white 4 x 8 hole at
//   x = 4 + 6 * k, top 24.
// Terrain 7 is stored in 24 bits, terrain 8 top-down in 8 bits, to take
// the picture set through more than one file layout.
inline void WriteTestPictures(const TempDir& dir) {
  mkdir((dir.path() + "/picture").c_str(), 0755);
  static const char* const kNames[14] = {"tenger", "tengerpart", "kiegett", "fkiegett", "siksag",
                                         "varos",  "rerdo",      "serdo",   "dombsag",  "ahegy",
                                         "mhegy",  "sivatag",    "mocsar",  "bozot"};
  for (int t = 1; t <= 14; ++t) {
    auto white = [t](int x, int y) {
      if ((x == 0 && y == 0) || (x == 199 && y == 199)) return false;
      return !(y == 5 && x < 5 * t);
    };
    std::vector<uint8_t> bytes;
    if (t == 7)
      bytes = MakeBmp(200, 200, 24, {{0, 0, 0}, {255, 255, 255}},
                      [&](int x, int y) { return white(x, y) ? 1 : 0; });
    else if (t == 8)
      bytes = MakeBmp(
          200, 200, 8, {{0, 0, 0}, {255, 255, 255}},
          [&](int x, int y) { return white(x, y) ? 1 : 0; }, true);
    else
      bytes = MonoBmp(200, 200, white);
    dir.Write(std::string("picture/") + kNames[t - 1] + ".bmp", AsString(bytes));
  }
  dir.Write("picture/nyilak.bmp", AsString(MonoBmp(432, 48, [](int x, int y) {
              const int k = x / 48 + 1, cx = x % 48;
              if (cx >= 47 || y >= 47) return true;
              return cx >= 4 * k && cx < 4 * k + 6 && y >= 20 && y < 26;
            })));
  dir.Write("picture/ikonok.bmp", AsString(MonoBmp(448, 56, [](int x, int y) {
              const int k = x / 56, cx = x % 56;
              if (cx >= 55) return true;
              return cx >= 4 + 6 * k && cx < 8 + 6 * k && y >= 24 && y < 32;
            })));
}

// The parts of a metafile as written into a picture group.
struct WmfRecord {
  uint32_t words = 0;
  uint16_t function = 0;
  std::size_t at = 0;  // byte offset of the record
};

inline std::vector<WmfRecord> WmfRecords(const std::vector<uint8_t>& wmf) {
  std::vector<WmfRecord> records;
  std::size_t at = 18;
  while (at < wmf.size()) {
    WmfRecord r{GetU32(wmf, at), static_cast<uint16_t>(GetU16(wmf, at + 4)), at};
    if (r.words < 3) throw std::runtime_error("bad record size");
    records.push_back(r);
    at += 2 * std::size_t{r.words};
  }
  return records;
}

// The metafile bytes of "{\pict...\pichN " + hex + "}".
inline std::vector<uint8_t> PictureGroupBytes(const std::string& group) {
  const std::size_t start = group.find(' ');
  if (start == std::string::npos || group.back() != '}')
    throw std::runtime_error("no picture group");
  const std::string hex = group.substr(start + 1, group.size() - start - 2);
  if (hex.size() % 2 != 0) throw std::runtime_error("odd hex digits");
  std::vector<uint8_t> bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

// A conversion run over a report text, its program directory the test's
// own directory (with the test pictures when `pictures`); the document goes
// to memory, or to the named file in that directory.
struct MapHarness {
  MapHarness(Layout layout, std::string_view report, bool pictures = true,
             const std::string& outName = "")
      : reportPath(Prepare(dir, report, pictures)),
        reader(reportPath),
        out(outName.empty() ? RtfWriter::InMemory()
                            : RtfWriter::ToFile(dir.path() + "/" + outName)),
        ctx{console, dir.path() + "/"},
        run(ctx, layout, settings, reader, out) {}

  static std::string Prepare(const TempDir& dir, std::string_view report, bool pictures) {
    if (pictures) WriteTestPictures(dir);
    return dir.Write("r_1.htm", report);
  }

  TempDir dir;
  RecordingConsole console;
  FormatSettings settings;
  std::string reportPath;
  ReportReader reader;
  RtfWriter out;
  RunContext ctx;
  ConverterRun run;
};

}  // namespace qv::test
