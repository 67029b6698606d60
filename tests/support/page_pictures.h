// The map pictures of an item-list page as the tests read them back: a page
// run with the test pictures, a small newer-layout applet, and the BMP file
// of a picture line's data: address.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "itemlist/page_file.h"
#include "itemlist/page_maps.h"
#include "tests/support/consoles.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"

namespace qv::test {

inline std::vector<uint8_t> FromBase64(std::string_view text) {
  static const std::string kDigits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::vector<uint8_t> out;
  uint32_t bits = 0;
  int count = 0;
  for (char c : text) {
    if (c == '=') break;
    bits = bits << 6 | static_cast<uint32_t>(kDigits.find(c));
    if ((count += 6) >= 8) out.push_back(static_cast<uint8_t>(bits >> (count -= 8)));
  }
  return out;
}

// The BMP file of a picture line, decoded from its data: address.
inline std::vector<uint8_t> BmpOfLine(const std::string& line) {
  const std::string open = "data:image/bmp;base64,";
  const std::size_t from = line.find(open) + open.size();
  return FromBase64(line.substr(from, line.find('"', from) - from));
}

// A page's text with the map pictures put in; the programme's directory holds
// the test pictures.
struct PictureRun {
  std::string Page(const std::string& text, Layout layout = Layout::kNewer) {
    PageFile page;
    page.Write(text);
    AddMapPictures(page, ctx, layout, "r_1.htm", resources);
    page.Finish();
    return page.Text();
  }
  // The picture's width in a picture line, 0 in any other.
  static int PictureWidth(const std::string& line) {
    if (line.rfind("<center><img src=\"data:image/bmp;base64,", 0) != 0) return 0;
    const std::size_t at = line.find("width=\"") + 7;
    return std::stoi(line.substr(at));
  }

  TempDir dir;
  bool written = (WriteTestPictures(dir), true);
  RecordingConsole console;
  RunContext ctx{console, dir.path() + "/"};
  MapResources resources;
};

// A 2 x 1 map of the newer layout, 471 x 267 pixels.
inline std::string NewLayoutApplet() {
  static const char* const kLines[] = {
      "<applet code=\"Terkep.class\" width=471 height=267>",
      "<param name=koord value=\"2,1,10,8;\">", "<param name=p1 value=\"0,0,5,3,1;\">",
      "<param name=p2 value=\"0,1,7,0,2;\">", "</applet>"};
  std::string text;
  for (const char* line : kLines) (text += line) += "\r\n";
  return text;
}

}  // namespace qv::test
