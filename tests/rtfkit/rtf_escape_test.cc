#include "rtfkit/rtf_escape.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qv
