#include "rtfkit/rtf_escape.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/cp1250.h"

namespace qv {
namespace {

TEST(RtfEscape, BracesAndBackslashesBecomeText) {
  EXPECT_EQ(RtfEscape(R"(a{b}c\d)"), R"(a\{b\}c\\d)");
  // Report text that looks like RTF stays text: no group, no control word.
  EXPECT_EQ(RtfEscape(R"({\b x}\par)"), R"(\{\\b x\}\\par)");
  EXPECT_EQ(RtfEscape(""), "");
  EXPECT_TRUE(NeedsRtfEscape("}"));
  EXPECT_TRUE(NeedsRtfEscape(R"(a\)"));
}

TEST(RtfEscape, ControlBytesGoTabsAndLettersStay) {
  const std::string controls = std::string("a") + '\0' + "\x01\r\n\x1f" + "b\x7f" + "c";
  EXPECT_EQ(RtfEscape(controls), "abc");
  EXPECT_EQ(RtfEscape("\x01{{ab}\x02"), R"(\{\{ab\})");
  EXPECT_TRUE(NeedsRtfEscape(std::string(1, '\0')));
  EXPECT_TRUE(NeedsRtfEscape("\x7f"));
  // Tabs, blanks and every byte from 128 up (the accented letters, the
  // no-break space) are plain text.
  const std::string plain = std::string("Őrség\tÁrny "_cp) + "\xA0\x80\xFF";
  EXPECT_EQ(RtfEscape(plain), plain);
  EXPECT_FALSE(NeedsRtfEscape(plain));
}

// Texts of every length and alignment, with the bytes at the edges of each
// rule (0x1F and 0x20, the tab, 0x7E to 0x80) standing anywhere in a word.
TEST(RtfEscape, EveryByteAtEveryPlace) {
  const std::string edges = std::string("\0\x09\x1f\x20\x7e\x7f\x80\xff\\{}a", 12);
  std::mt19937 rng(11);
  for (int i = 0; i < 20000; ++i) {
    std::string text(rng() % 80, 'x');
    for (char& c : text)
      if (rng() % 4 == 0) c = edges[rng() % edges.size()];
    std::string expected;
    for (const char c : text) {
      const auto b = static_cast<unsigned char>(c);
      if ((b < 0x20 && b != 0x09) || b == 0x7f) continue;
      if (c == '\\' || c == '{' || c == '}') expected += '\\';
      expected += c;
    }
    ASSERT_EQ(RtfEscape(text), expected);
    ASSERT_EQ(NeedsRtfEscape(text), expected != text);
    // The same, made in the text's own storage.
    RtfEscapeInPlace(text);
    ASSERT_EQ(text, expected);
  }
}

}  // namespace
}  // namespace qv
