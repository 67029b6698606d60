#include "tests/support/test_pictures.h"

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/bmp_files.h"
#include "tests/support/bytes.h"

namespace qv::test {

void WriteTestPictures(const TempDir& dir) {
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
    const std::string name = kNames[t - 1];
    dir.Write("picture/" + name + ".bmp", AsString(bytes));
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

}  // namespace qv::test
