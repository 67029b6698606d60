#include "rtfkit/prologue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "rtfkit/banner_picture.h"
#include "tests/support/bytes.h"
#include "tests/support/lines.h"
#include "text/cp1250.h"

namespace qv {
namespace {

using test::GetU16;
using test::GetU32;

constexpr int kBannerLines = 692;
// Rows 50 and later sit this many lines further down when the header and
// adventurer blocks are single lines.
constexpr int kAfterBanner = kBannerLines - 1;

// The lines of what was written; every line must end with CR LF.
std::vector<std::string> WrittenLines(const std::string& text) {
  EXPECT_TRUE(text.ends_with("\r\n")) << "text does not end with CR LF";
  return test::SplitLines(text);
}

std::vector<std::string> Prologue(const PrologueInput& in, std::string* turn = nullptr) {
  RtfWriter out = RtfWriter::InMemory();
  const std::string t = WritePrologue(in, out);
  if (turn != nullptr) *turn = t;
  return WrittenLines(out.Text());
}

// Row n of the prologue (1-based), for single-line header blocks.
const std::string& Row(const std::vector<std::string>& lines, int n) {
  return lines.at(static_cast<std::size_t>(n <= 49 ? n - 1 : n - 1 + kAfterBanner));
}

std::vector<std::string> BannerLines() {
  RtfWriter out = RtfWriter::InMemory();
  WriteBannerPicture(out);
  return WrittenLines(out.Text());
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// --- Turn number -------------------------------------------------------------

TEST(PrologueTurnNumber, TextBetweenTheMarkers) {
  EXPECT_EQ(TurnNumber(std::string("12. JÁTÉKHETED, 345. FORDULÓD"_cp)), "345");
  EXPECT_EQ(TurnNumber(std::string(R"(Betáplálva: 2004.01.02\par )"
                                   "\r\n"
                                   R"(12. JÁTÉKHETED, 345. FORDULÓD\par )"
                                   "\r\n"_cp)),
            "345");
  // First occurrences count.
  EXPECT_EQ(TurnNumber(std::string("1. JÁTÉKHETED, 7. FORDULÓD, 2. JÁTÉKHETED, 8. FORDULÓD"_cp)),
            "7");
  EXPECT_EQ(TurnNumber(std::string(". JÁTÉKHETED, . FORDULÓD"_cp)), "");
}

TEST(PrologueTurnNumber, EmptyWhenAMarkerIsMissingOrOutOfOrder) {
  EXPECT_EQ(TurnNumber(""), "");
  EXPECT_EQ(TurnNumber(std::string("12. JÁTÉKHETED, 345."_cp)), "");
  EXPECT_EQ(TurnNumber(std::string("345. FORDULÓD"_cp)), "");
  // Unaccented markers are not the markers.
  EXPECT_EQ(TurnNumber("12. JATEKHETED, 345. FORDULOD"), "");
  EXPECT_EQ(TurnNumber(std::string("345. FORDULÓD, 12. JÁTÉKHETED, 9"_cp)), "");
  // The first ". FORDULÓD" stands before the first ". JÁTÉKHETED, ".
  EXPECT_EQ(TurnNumber(std::string("1. FORDULÓD 12. JÁTÉKHETED, 345. FORDULÓD"_cp)), "");
}

TEST(PrologueTurnNumber, FooterShowsIt) {
  PrologueInput in;
  in.headerBlock = std::string(R"(12. JÁTÉKHETED, 345. FORDULÓD\par )"
                               "\r\n"_cp);
  std::string turn;
  const auto lines = Prologue(in, &turn);
  EXPECT_EQ(turn, "345");
  EXPECT_EQ(Row(lines, 32), R"({\cs16\b\f6\fs20\lang1033 > 345. forduló })"_cp);
  // "• 7. oldal <": the bullet as a character of the footer's font, the page
  // number a field with its formatting outside and a result.
  EXPECT_EQ(Row(lines, 33),
            R"({\cs16\b\f6\fs20 \'95} {\cs16\b\f6\fs20 {\field{\*\fldinst PAGE }{\fldrslt 1}}})");
  EXPECT_EQ(Row(lines, 34), R"({\cs16\b\f6\fs20\ . oldal <\par }\pard \s15\brdrt\brdrs\brdrw15\brsp20)");

  const auto empty = Prologue(PrologueInput{}, &turn);
  EXPECT_EQ(turn, "");
  EXPECT_EQ(Row(empty, 32), R"({\cs16\b\f6\fs20\lang1033 > . forduló })"_cp);
}

// --- Rows --------------------------------------------------------------------

TEST(PrologueRows, FontTable) {
  const auto lines = Prologue(PrologueInput{});
  EXPECT_EQ(Row(lines, 5), R"({\f4\froman\fcharset238\fprq2 Times New Roman CE;})");
  EXPECT_EQ(Row(lines, 6), R"({\f5\fswiss\fcharset238\fprq2 Arial CE;})");
  EXPECT_EQ(Row(lines, 7), R"({\f6\fswiss\fcharset238\fprq2 Arial Narrow CE QV Footer;})");
  EXPECT_EQ(Row(lines, 8), R"({\f11\fmodern\fcharset238\fprq1 Courier New CE;})");

  PrologueInput in;
  in.fonts = {"Georgia", "Verdana {x}", "Tahoma", "Lucida Console"};
  const auto custom = Prologue(in);
  EXPECT_EQ(Row(custom, 5), R"({\f4\froman\fcharset238\fprq2 Georgia;})");
  EXPECT_EQ(Row(custom, 6), R"({\f5\fswiss\fcharset238\fprq2 Verdana {x};})");  // not escaped
  EXPECT_EQ(Row(custom, 7), R"({\f6\fswiss\fcharset238\fprq2 Tahoma;})");
  EXPECT_EQ(Row(custom, 8), R"({\f11\fmodern\fcharset238\fprq1 Lucida Console;})");
}

TEST(PrologueRows, LiteralRowsWithEmptyInputs) {
  const auto lines = Prologue(PrologueInput{});
  ASSERT_EQ(lines.size(), 101u + kBannerLines);
  EXPECT_EQ(Row(lines, 1), R"({\rtf1\ansi\ansicpg1250\uc1 \deff0\deflang1033\deflangfe1038)");
  EXPECT_EQ(Row(lines, 22), "");
  EXPECT_EQ(Row(lines, 23), R"(\paperw11906\paperh16838\margl851\margr849\margt851\margb993)");
  EXPECT_EQ(Row(lines, 47), R"(\pard\plain)");
  EXPECT_EQ(Row(lines, 48), "");
  EXPECT_EQ(Row(lines, 50), R"(\par)");
  EXPECT_EQ(
      Row(lines, 55),
      R"(\sbknone\linex0\headery709\footery907\cols2\endnhere\colno1\colw5246\colsr283\colno2\colw3543)");
  EXPECT_EQ(Row(lines, 57), R"({\f11\fs23 )");
  EXPECT_EQ(Row(lines, 58), R"(\column})");
  EXPECT_EQ(Row(lines, 71), R"(\cellx2552)");
  EXPECT_EQ(Row(lines, 74), R"({\f11\fs23 })");
  EXPECT_EQ(Row(lines, 80), R"(\fi142\ri-1287\widctlpar)");
  EXPECT_EQ(Row(lines, 81), R"({\f11\fs2\par})");
  EXPECT_EQ(Row(lines, 82), R"({\f11\fs23\sect})");
  EXPECT_EQ(Row(lines, 95),
            R"(\pvpara\phpg\posx11085\posy62\absh289\absw284\dxfrtext142\dfrmtxtx142\dfrmtxty0)");
  EXPECT_EQ(Row(lines, 100), R"({\f5\fs36 })");
  EXPECT_EQ(Row(lines, 101), R"(\par\pard {\f5\fs36\par})");
  EXPECT_EQ(Row(lines, 102), R"(\pard \qj\widctlpar)");
}

TEST(PrologueRows, BlocksAndTitleAreInserted) {
  PrologueInput in;
  in.headerBlock = std::string(R"(Betáplálva: 2004\par )"
                               "\r\n"
                               R"(12. JÁTÉKHETED, 9. FORDULÓD\par )"
                               "\r\n"_cp);
  in.adventurerBlock = std::string(R"(KALANDOZÓ: Xy\par )"
                                   "\r\n"_cp);
  in.reportTitle = std::string("XY KALANDJAI"_cp);
  const auto lines = Prologue(in);
  // Row 57 spans three lines: both block lines and the empty rest after the
  // block's last line end; row 74 spans two.
  ASSERT_EQ(lines.size(), 101u + kBannerLines + 2 + 1);
  const std::size_t row57 = 57 - 1 + kAfterBanner;
  EXPECT_EQ(lines[row57], R"({\f11\fs23 Betáplálva: 2004\par )"_cp);
  EXPECT_EQ(lines[row57 + 1], R"(12. JÁTÉKHETED, 9. FORDULÓD\par )"_cp);
  EXPECT_EQ(lines[row57 + 2], "");
  EXPECT_EQ(lines[row57 + 3], R"(\column})");
  const std::size_t row74 = 74 - 1 + kAfterBanner + 2;
  EXPECT_EQ(lines[row74], R"({\f11\fs23 KALANDOZÓ: Xy\par )"_cp);
  EXPECT_EQ(lines[row74 + 1], "}");
  EXPECT_EQ(lines[lines.size() - 3], R"({\f5\fs36 XY KALANDJAI})"_cp);
  EXPECT_EQ(lines.back(), R"(\pard \qj\widctlpar)");
}

TEST(PrologueRows, BannerIsRow49) {
  const auto lines = Prologue(PrologueInput{});
  const auto banner = BannerLines();
  ASSERT_EQ(banner.size(), static_cast<std::size_t>(kBannerLines));
  for (int i = 0; i < kBannerLines; ++i)
    ASSERT_EQ(lines.at(static_cast<std::size_t>(48 + i)), banner[static_cast<std::size_t>(i)]) << i;
}

// --- Banner block ------------------------------------------------------------

TEST(PrologueBanner, LineFormat) {
  const auto lines = BannerLines();
  ASSERT_EQ(lines.size(), 692u);
  EXPECT_EQ(lines[0], R"(\trowd)");
  EXPECT_EQ(lines[1], R"(\trqc)");
  EXPECT_EQ(lines[2], R"(\trgaph70\trleft-800)");
  EXPECT_EQ(lines[3], R"(\cellx10200)");
  EXPECT_EQ(lines[4], R"(\keep\keepn\widctlpar\intbl)");
  EXPECT_EQ(lines[5],
            R"({\pict\wmetafile8\picw19307\pich1000\picwgoal10947\pichgoal567 \picbmp\picbpp1)");
  for (std::size_t i = 6; i < 688; ++i) {
    ASSERT_EQ(lines[i].size(), 100u) << i;
    for (char c : lines[i]) ASSERT_GE(HexValue(c), 0) << i;
  }
  ASSERT_EQ(lines[688].size(), 65u);
  EXPECT_EQ(lines[688].back(), '}');
  EXPECT_EQ(lines[689], R"(\cell)");
  EXPECT_EQ(lines[690], R"(\row)");
  EXPECT_EQ(lines[691], R"(\pard)");
}

TEST(PrologueBanner, MetafileReadBack) {
  const auto lines = BannerLines();
  std::string hex;
  for (std::size_t i = 6; i < 689; ++i) hex += lines[i];
  ASSERT_EQ(hex.back(), '}');
  hex.pop_back();
  ASSERT_EQ(hex.size(), 68264u);
  std::vector<uint8_t> b;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int hi = HexValue(hex[i]), lo = HexValue(hex[i + 1]);
    ASSERT_TRUE(hi >= 0 && lo >= 0) << i;
    b.push_back(static_cast<uint8_t>(hi * 16 + lo));
  }
  ASSERT_EQ(b.size(), 34132u);
  EXPECT_EQ(b, BannerMetafile());

  // Header.
  EXPECT_EQ(GetU16(b, 0), 1u);
  EXPECT_EQ(GetU16(b, 2), 9u);
  EXPECT_EQ(GetU16(b, 4), 0x0300u);
  EXPECT_EQ(GetU32(b, 6), 17066u);
  EXPECT_EQ(GetU16(b, 10), 0u);
  EXPECT_EQ(GetU32(b, 12), 17030u);
  EXPECT_EQ(GetU16(b, 16), 0u);

  // Records: size in words, function, parameters.
  struct Expected {
    uint32_t words;
    uint32_t function;
    std::vector<uint32_t> params;
  };
  const std::vector<Expected> records = {
      {5, 0x020B, {0, 0}}, {5, 0x020C, {118, 2280}},
      {5, 0x0209, {0, 0}}, {5, 0x0201, {0xFFFF, 0x00FF}},
      {4, 0x0107, {1}},    {17030, 0x0F43, {0x0020, 0x00CC, 0, 118, 2280, 0, 0, 118, 2280, 0, 0}},
      {3, 0x0000, {}},
  };
  std::size_t at = 18;
  for (const Expected& r : records) {
    ASSERT_LT(at, b.size());
    EXPECT_EQ(GetU32(b, at), r.words) << at;
    EXPECT_EQ(GetU16(b, at + 4), r.function) << at;
    for (std::size_t k = 0; k < r.params.size(); ++k)
      EXPECT_EQ(GetU16(b, at + 6 + 2 * k), r.params[k]) << at << " parameter " << k;
    at += 2 * r.words;
  }
  EXPECT_EQ(at, b.size());

  // The bitmap after StretchDIB's 14 words.
  const std::size_t dib = 66 + 28;
  EXPECT_EQ(GetU32(b, dib), 40u);
  EXPECT_EQ(GetU32(b, dib + 4), 2280u);
  EXPECT_EQ(GetU32(b, dib + 8), 118u);
  EXPECT_EQ(GetU16(b, dib + 12), 1u);
  EXPECT_EQ(GetU16(b, dib + 14), 1u);
  EXPECT_EQ(GetU32(b, dib + 16), 0u);
  EXPECT_EQ(GetU32(b, dib + 20), 33984u);
  EXPECT_EQ(GetU32(b, dib + 24), 11808u);
  EXPECT_EQ(GetU32(b, dib + 28), 11808u);
  EXPECT_EQ(GetU32(b, dib + 32), 0u);
  EXPECT_EQ(GetU32(b, dib + 36), 0u);
  // Palette: index 0 white, index 1 black.
  const std::vector<uint8_t> palette(b.begin() + dib + 40, b.begin() + dib + 48);
  EXPECT_EQ(palette, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0}));
  // 118 rows of 288 bytes, exactly up to the end record.
  EXPECT_EQ(dib + 48 + 118 * 288, b.size() - 6);
}

TEST(PrologueBanner, PixelRows) {
  const std::vector<uint8_t> b = BannerMetafile();
  const std::size_t rows = 66 + 28 + 48;
  std::size_t black = 0;
  for (int r = 0; r < kBannerHeight; ++r) {
    const std::size_t row = rows + static_cast<std::size_t>(r) * 288;
    for (std::size_t i = 0; i < 288; ++i) {
      ASSERT_EQ(b[row + i], kBannerBitmap[static_cast<std::size_t>(r) * 288 + i]);
      black += static_cast<std::size_t>(__builtin_popcount(b[row + i]));
    }
    // 2280 pixels fill 285 bytes; the padding stays clear.
    EXPECT_EQ(b[row + 285] | b[row + 286] | b[row + 287], 0) << "row " << r;
  }
  // A white band with black lettering and rules: mostly white, not empty.
  EXPECT_GT(black, 2280u * 4);
  EXPECT_LT(black, 2280u * 118 / 3);
}

}  // namespace
}  // namespace qv
