#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "convert/maps/map_legend.h"
#include "convert/maps/map_section.h"
#include "convert/preamble.h"
#include "graphics/metafile.h"
#include "maps/map_drawing.h"
#include "maps/map_resources.h"
#include "platform/error.h"
#include "platform/path_names.h"
#include "platform/user_dirs.h"
#include "rtfkit/picture_group.h"
#include "tests/support/converter_harness.h"
#include "tests/support/lines.h"
#include "tests/support/metafile_records.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"
#include "text/cp1250.h"

namespace qv {
namespace {

using test::ConverterHarness;
using test::Lines;

// --- Legend -----------------------------------------------------------------

TEST(MapLegend, EachCoordinatePairOpensATwoCellRow) {
  ConverterHarness h(Layout::kOlder,
                     Lines({"(10,8) Tükörtó <b>partja</b>"_cp, "  csendes   víz"_cp, "",
                            "(11,8)  Falu", "<P>", "(12,8) Nem"}),
                     false);
  h.run.currentLine = R"(<PARAM NAME=koord VALUE="3,2,10,8;">)";
  WriteMapLegend(h.run, "<P>");
  EXPECT_EQ(h.out.Text(), Lines({
                              R"(\par\par)",
                              R"(\trowd)",
                              R"(\trowd)",
                              R"(\cellx800)",
                              R"(\cellx10200)",
                              R"(\ql\keep\keepn\widctlpar\intbl)",
                              "(10,8) ",
                              R"(\cell)",
                              R"(\ql\keep\keepn\widctlpar\intbl\qj)",
                              "Tükörtó partja "_cp,
                              "csendes víz "_cp,
                              R"(\cell)",
                              R"(\row)",
                              R"(\trowd)",
                              R"(\cellx800)",
                              R"(\cellx10200)",
                              R"(\ql\keep\keepn\widctlpar\intbl)",
                              "(11,8) ",
                              R"(\cell)",
                              R"(\ql\keep\keepn\widctlpar\intbl\qj)",
                              "Falu ",
                              R"(\cell)",
                              R"(\row)",
                              R"(\pard\par)",
                          }));
  EXPECT_EQ(h.run.currentLine, "<P>");
}

TEST(MapLegend, WithoutEntriesTheTableIsWrittenEmpty) {
  ConverterHarness h(Layout::kNewer, Lines({"<! end of map>", "(1,1) x"}), false);
  WriteMapLegend(h.run, MapLegendEnd(Layout::kNewer));
  EXPECT_EQ(h.out.Text(), Lines({
                              R"(\par\par)",
                              R"(\trowd)",
                              R"(\cellx800)",
                              R"(\cellx10200)",
                              R"(\ql\keep\keepn\widctlpar\intbl\cell)",
                              R"(\ql\keep\keepn\widctlpar\intbl)",
                              R"(\cell)",
                              R"(\row)",
                              R"(\pard\par)",
                          }));
}

TEST(MapLegend, LinesThatAreNoEntriesAreWrittenAsText) {
  // Text before the first entry, a parenthesis without a comma before its
  // ")", and an entry whose pair has no blank after it (the pair is then
  // cut after its first character).
  ConverterHarness h(Layout::kOlder, Lines({"Jelek:", "(a) (1,2) b", "(3,4)"}), false);
  WriteMapLegend(h.run, "<P>");
  const std::string text = h.out.Text();
  EXPECT_EQ(
      text.rfind(Lines({R"(\par\par)", R"(\trowd)", "Jelek: ", "(a) (1,2) b ", R"(\trowd)"}), 0),
      0u)
      << text;
  EXPECT_NE(text.find(Lines({R"(\ql\keep\keepn\widctlpar\intbl)", "(", R"(\cell)",
                             R"(\ql\keep\keepn\widctlpar\intbl\qj)", "3,4) ", R"(\cell)", R"(\row)",
                             R"(\pard\par)"})),
            std::string::npos)
      << text;
  EXPECT_TRUE(h.run.Eof());
}

// --- Map sections ----------------------------------------------------------------

const std::string kOldTeleport = Lines(
    {R"(<TABLE CLASS=par><TR><TD WIDTH=150>TELEPORT</TD><TD>Elteleportálsz.</TD></TR></TABLE>)"_cp,
     "Szürke köd."_cp, "<P><CENTER><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B></CENTER>"_cp,
     "<P>",
     R"(<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=KOORD VALUE="3,2,10,8;"> )"
     R"(<PARAM NAME=p1 VALUE="0,0,1,0,1;"> <PARAM NAME=p2 VALUE="1,2,3,5,0;"></APPLET> )"
     R"(<PARAM NAME=p3 VALUE="0,1,2,0,0;"> </CENTER>)",
     "(10,8) Tenger", "<P>", "KARAKTERLAP"});

TEST(MapSection, OldLayoutTeleportMapInThePreamble) {
  ConverterHarness h(Layout::kOlder, kOldTeleport);
  h.run.ReadLine();
  ConvertPreamble(h.run);
  const std::string text = h.out.Text();
  const std::string head =
      Lines({
          R"(\par\par)",
          R"({\f5\fs36\qc\keep\keepn A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED{\f5\fs20\par\par}})"_cp,
          R"({\f11\fs20    }{\f4\fs20\ql\keep\keepn\b A sátorral jelölt mező a teleportálás pozícióját mutatja.\par\par})"_cp,
      }) +
      R"({\pict\wmetafile8\picw5368\pich3736 )";
  const std::size_t at = text.find(head);
  ASSERT_NE(at, std::string::npos) << text.substr(0, 2000);
  // The narrative before the map is written before its title.
  const std::size_t narrative = text.find("Szürke köd."_cp);
  EXPECT_LT(narrative, at);
  const std::size_t pict = text.find("{\\pict", at);
  const std::size_t pictEnd = text.find("}\r\n", pict);
  const std::string group = text.substr(pict, pictEnd + 1 - pict);
  EXPECT_NE(text.find(Lines({"}", R"(\par\par)", R"(\trowd)", R"(\trowd)"}), pictEnd),
            std::string::npos);
  EXPECT_NE(text.find("(10,8) \r\n"), std::string::npos);
  EXPECT_EQ(h.console.lines,
            (std::vector<std::string>{
                "Parancs: TELEPORT" + std::string(13, ' ') + std::string("Elteleportálsz."_cp),
                "   Teleportalasrol terkep keszites...",
                "      A Terkep merete: 671x467 pixel",
                "         Terkep Konvertalas -> RTF ..........",
            }));
  EXPECT_EQ(h.run.pictureCounter, 1);
  EXPECT_EQ(h.run.currentLine, "KARAKTERLAP");

  // The cells drawn: p1's tile (terrain 1) and icon 0, p2's tile and arrow;
  // p3 stands after "</APPLET>" and is not drawn.
  const std::vector<uint8_t> wmf = test::PictureGroupBytes(group);
  const std::size_t pixels = 18 + 4 * 10 + 2 * 10 + 8 + 6 + 22 + 48;
  ASSERT_EQ(wmf.size(), pixels + 84 * 467 + 6);
  const MonoBitmap map =
      MonoBitmap::FromDibRows(671, 467, std::span<const uint8_t>(wmf.data() + pixels, 84 * 467));
  EXPECT_FALSE(map.Get(68, 64));          // terrain 1's corner
  EXPECT_FALSE(map.Get(68 + 4, 64 + 5));  // its bar of 5
  EXPECT_TRUE(map.Get(68 + 5, 64 + 5));
  EXPECT_FALSE(map.Get(68 + 21, 64 + 21));  // icon 0
  EXPECT_FALSE(map.Get(545, 341));          // p2's arrow at (145 + 400, 141 + 200)
  EXPECT_TRUE(map.Get(268, 64));            // p3 (0, 1) not drawn
}

TEST(MapSection, OldLayoutJourneyMapHasItsOwnTitle) {
  ConverterHarness h(Layout::kOlder,
                     Lines({"UTAZÁS MEGKEZDÉSE ELŐTTI TÉRKÉPED"_cp, "(1,1) Falu", "<P>"}), false);
  h.run.ReadLine();
  ConvertPreamble(h.run);
  EXPECT_NE(
      h.out.Text().find(
          R"({\f5\fs36\qc\keep\keepn UTAZÁS MEGKEZDÉSE ELŐTTI TÉRKÉPED{\f5\fs20\par\par}})"_cp),
      std::string::npos);
  // No frame parameter: the search reads to the end, no picture, and the
  // legend has nothing left to read.
  EXPECT_EQ(h.out.Text().find("\\pict"), std::string::npos);
  EXPECT_NE(h.out.Text().find(Lines({R"(\par\par)", R"(\trowd)", R"(\cellx800)", R"(\cellx10200)",
                                     R"(\ql\keep\keepn\widctlpar\intbl\cell)"})),
            std::string::npos);
  EXPECT_EQ(h.console.lines, std::vector<std::string>{"   Teleportalasrol terkep keszites..."});
  EXPECT_EQ(h.run.pictureCounter, 0);
}

TEST(MapSection, NewLayoutKnowsNoJourneyMap) {
  ConverterHarness h(Layout::kNewer, Lines({"UTAZÁS MEGKEZDÉSE ELŐTTI TÉRKÉPED"_cp}), false);
  h.run.ReadLine();
  ConvertPreamble(h.run);
  EXPECT_EQ(h.out.Text().find("\\f5\\fs36"), std::string::npos);
  EXPECT_TRUE(h.console.lines.empty());
}

const std::string kNewTeleport = Lines({
    "<P><center><h2>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</h2></center>"_cp,
    "<center><table><tr><td>",
    R"(<applet code="Terkep.class" width=471 height=267>)",
    R"(<param name=koord value="2,1,5,7;">)",
    R"(<param name=p1 value="0,0,6,0,0;">)",
    R"(<PARAM NAME=p2 value="0,1,6,0,0;">)",
    "</applet>",
    R"(</td></tr></table></center><param name=p3 value="0,1,7,0,0;">)",
    R"(<param name=p4 value="0,1,8,0,0;">)",
    "<tr><td>(5,7) Város</td></tr>"_cp,
    "<! end of map>",
    "<P>",
});

TEST(MapSection, NewLayoutReadsOneParameterALine) {
  ConverterHarness h(Layout::kNewer, kNewTeleport);
  h.run.ReadLine();
  WriteJourneyMapSection(h.run);
  const std::string text = h.out.Text();
  const std::size_t at = text.find(R"({\pict\wmetafile8\picw3768\pich2136 )");
  ASSERT_NE(at, std::string::npos);
  const std::string group = text.substr(at, text.find("}\r\n", at) + 1 - at);
  const std::vector<uint8_t> wmf = test::PictureGroupBytes(group);
  const std::size_t pixels = 18 + 4 * 10 + 2 * 10 + 8 + 6 + 22 + 48;
  const MonoBitmap map =
      MonoBitmap::FromDibRows(471, 267, std::span<const uint8_t>(wmf.data() + pixels, 60 * 267));
  // p1 is a cell; "<PARAM NAME=p2" is not one in this layout; the line that
  // ends the cells (with p3 on it) is still read as a cell; p4 is past it.
  EXPECT_FALSE(map.Get(68 + 29, 64 + 5));
  EXPECT_TRUE(map.Get(68 + 30, 64 + 5));
  EXPECT_FALSE(map.Get(268 + 34, 64 + 5));  // p3: terrain 7, bar of 35
  EXPECT_TRUE(map.Get(268 + 35, 64 + 5));
  EXPECT_NE(text.find("(5,7) \r\n"), std::string::npos);
  EXPECT_NE(text.find("Város \r\n"_cp), std::string::npos);
  EXPECT_EQ(h.run.currentLine, "<! end of map>");
}

TEST(MapSection, DrawMapLeavesTheFrameParameterAsTheCurrentLine) {
  {
    ConverterHarness h(Layout::kNewer, kNewTeleport);
    h.run.ReadLine();
    ASSERT_TRUE(DrawMap(h.run));
    EXPECT_EQ(h.run.currentLine, R"(<param name=koord value="2,1,5,7;">)");
    h.run.ReadLine();
    EXPECT_EQ(h.run.currentLine, R"(<param name=p4 value="0,1,8,0,0;">)");
  }
  {
    ConverterHarness h(Layout::kOlder, kOldTeleport);
    h.run.ReadUntilAny({"TERKEP", "<P><CENTER>"});
    ASSERT_TRUE(DrawMap(h.run));
    EXPECT_EQ(h.run.currentLine, R"(<PARAM NAME=KOORD VALUE="3,2,10,8;">)");
    h.run.ReadLine();
    EXPECT_EQ(h.run.currentLine, "(10,8) Tenger");
  }
}

TEST(MapSection, FrameParameterIsLookedForFromTheNextLine) {
  // On the title line itself it does not count; the new layout compares
  // the name as written.
  ConverterHarness old(Layout::kOlder,
                       Lines({R"(TÉRKÉPED <param name=koord value="1,1,0,0;">)"_cp, "nincs"}),
                       false);
  old.run.ReadLine();
  EXPECT_FALSE(DrawMap(old.run));
  EXPECT_TRUE(old.run.Eof());
  ConverterHarness uj(Layout::kNewer, Lines({"title", R"(<PARAM NAME=koord value="1,1,0,0;">)"}),
                      false);
  uj.run.ReadLine();
  EXPECT_FALSE(DrawMap(uj.run));
  EXPECT_EQ(uj.out.Text(), "");
}

TEST(MapSection, StepMapSection) {
  ConverterHarness h(Layout::kNewer, Lines({"E körben tett lépéseid térképe"_cp,
                                            R"(<param name=koord value="1,1,3,4;">)",
                                            "</table></center>", "(3,4) Itt", "<! end of map>"}));
  h.run.ReadLine();
  WriteStepMapSection(h.run);
  const std::string text = h.out.Text();
  EXPECT_EQ(
      text.rfind(
          Lines(
              {R"(\page\f4\fs20)",
               R"({\f5\fs36\qc\keep\keepn E KÖRBEN TETT LÉPÉSEID TÉRKÉPE{\f5\fs20\par\par}})"_cp}) +
              R"({\pict\wmetafile8\picw2168\pich2136 )",
          0),
      0u);
  EXPECT_EQ(h.console.lines.at(0), "E korben tett lepeseid terkepenek keszitese...");
  EXPECT_EQ(h.console.lines.at(1), "      A Terkep merete: 271x267 pixel");
  EXPECT_NE(text.find("Itt \r\n"), std::string::npos);
}

TEST(MapSection, PicturesAreCountedOverTheConversion) {
  const std::string map =
      Lines({"A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED"_cp,
             R"(<P> <APPLET> <PARAM NAME=koord VALUE="1,1,0,0;"> </APPLET>)", "<P>"});
  ConverterHarness h(Layout::kOlder, map + map + "KARAKTERLAP\r\n");
  h.run.ReadLine();
  ConvertPreamble(h.run);
  EXPECT_EQ(h.run.pictureCounter, 2);
}

// The maps of a document carry at most 64 MB of picture data: a map that
// fills the budget exactly is drawn, the next one is refused before it is.
TEST(MapSection, PictureDataOfADocumentIsBudgeted) {
  ConverterHarness h(Layout::kNewer,
                     Lines({"x", R"(<param name=koord value="1,1,0,0;">)", "</table></center>",
                            R"(<param name=koord value="0,0,0,0;">)"}));
  const std::int64_t oneByOne = 36 * 267;  // 271 pixels in 36 bytes, 267 rows
  h.out.AddPictureBytes(kMaxDocumentPictureBytes - oneByOne);
  h.run.ReadLine();
  ASSERT_TRUE(DrawMap(h.run));
  EXPECT_EQ(h.out.pictureBytes(), kMaxDocumentPictureBytes);
  const std::string drawn = h.out.Text();
  try {
    DrawMap(h.run);
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), "Kephiba");
    EXPECT_EQ(e.text(), "'" + h.reportPath +
                            "' terkepei tobb mint 64 MB kepadatot foglalnanak; a 0 x 0 mezos "
                            "terkep mar nem fer bele");
  }
  EXPECT_EQ(h.out.Text(), drawn);
}

TEST(MapSection, FailuresAreFatalAndLeaveNoDocument) {
  {
    // A missing picture: the unfinished document is removed.
    ConverterHarness h(Layout::kOlder, kOldTeleport, /*pictures=*/false, "xr1.rtf");
    h.run.ReadLine();
    try {
      ConvertPreamble(h.run);
      FAIL();
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), "Kephiba");
      const std::string relative = SystemSeparators("picture/tenger.bmp");
      EXPECT_EQ(e.text(), "tenger.bmp nem talalhato; kerestem itt: '" + UserDataDir() + relative +
                              "', '" + h.dir.path() + "/" + relative + "'");
    }
    EXPECT_FALSE(std::filesystem::exists(h.dir.path() + "/xr1.rtf"));
  }
  {
    // A cell field that is not a number, in memory: nothing to remove.
    ConverterHarness h(
        Layout::kOlder,
        Lines(
            {"x",
             R"(<P> <APPLET> <PARAM NAME=koord VALUE="1,1,0,0;"> <PARAM NAME=p1 VALUE="0,0,1,1,x;"> </APPLET>)"}));
    h.run.ReadLine();
    EXPECT_THROW(DrawMap(h.run), Error);
    EXPECT_EQ(h.out.Text(), "");
  }
  {
    // A frame too large for a picture.
    ConverterHarness h(Layout::kNewer, Lines({"x", R"(<param name=koord value="200,1,0,0;">)"}));
    h.run.ReadLine();
    EXPECT_THROW(DrawMap(h.run), Error);
  }
}

// Pictures and font are loaded at the first map that needs them and kept
// for the next ones (a batch converts hundreds of maps); a load that failed
// is tried again; glyphs kept from an earlier label draw the same pixels.
TEST(MapResources, KeptOnceLoadedAndTriedAgainAfterAFailure) {
  test::TempDir dir;
  const std::string programDir = dir.path() + "/";
  MapResources resources;
  EXPECT_THROW(resources.Pictures(programDir), Error);
  test::WriteTestPictures(dir);
  const MapPictures& pictures = resources.Pictures(programDir);
  EXPECT_EQ(pictures.terrain.size(), 14u);
  ASSERT_GT(std::filesystem::remove_all(programDir + "picture"), 0u);
  EXPECT_EQ(&resources.Pictures(programDir), &pictures);

  const LabelFont& font = resources.Font();
  EXPECT_EQ(&resources.Font(), &font);
  MonoBitmap first(120, 60), again(120, 60);
  DrawLabel(first, font, 3, 2, "-1029");
  DrawLabel(again, font, 3, 2, "-1029");
  EXPECT_TRUE(std::equal(first.DibRows().begin(), first.DibRows().end(), again.DibRows().begin()));
}

TEST(MapSection, WriteRtfPictureCountsAndReports) {
  test::ConverterHarness h(Layout::kOlder, "", /*pictures=*/false);
  WriteRtfPicture(h.run, NewMapBitmap({3, 2, 10, 8}));
  EXPECT_EQ(h.run.pictureCounter, 1);
  EXPECT_EQ(h.run.rtf.Text(), PictureGroup(NewMapBitmap({3, 2, 10, 8}), nullptr) + "\r\n");
  WriteRtfPicture(h.run, NewMapBitmap({2, 1, 0, 0}));
  EXPECT_EQ(h.run.pictureCounter, 2);
  EXPECT_EQ(h.console.lines, (std::vector<std::string>{
                                 "      A Terkep merete: 671x467 pixel",
                                 "         Terkep Konvertalas -> RTF ..........",
                                 "      A Terkep merete: 471x267 pixel",
                                 "         Terkep Konvertalas -> RTF .........",
                             }));
  // Nothing is left in the report's directory.
  EXPECT_EQ(h.dir.Read("qvformat0001.wmf"), "");
}

}  // namespace
}  // namespace qv
