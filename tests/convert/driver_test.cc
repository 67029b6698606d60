#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "convert/driver.h"
#include "convert/encyclopedia.h"
#include "convert/preamble.h"
#include "convert/run_state.h"
#include "tests/support/consoles.h"
#include "tests/support/converter_harness.h"
#include "tests/support/files.h"
#include "tests/support/rtf_structure.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"
#include "text/cp1250.h"
#include "text/output_names.h"
#include "text/text.h"

namespace qv {
namespace {

using test::RecordingConsole;
using test::TempDir;

// A conversion run over report text, writing into memory.
struct Harness : test::ConverterHarness {
  Harness(Layout layout, std::string_view report)
      : ConverterHarness(layout, report, /*pictures=*/false) {}
};

TEST(RtfOutputName, UnderscoresBecomeRAndHtmBecomesRtf) {
  EXPECT_EQ(RtfOutputName("fordulo_12.htm"), "fordulor12.rtf");
  // Lower-casing comes before ".htm" is replaced.
  EXPECT_EQ(RtfOutputName("a_b_c.HTM"), "arbrc.rtf");
  // No "_", or the first "_" after the first ".": standard output.
  EXPECT_EQ(RtfOutputName("fordulo.htm"), "");
  EXPECT_EQ(RtfOutputName("a.b_c.htm"), "");
  // A directory in front is kept as typed: rewriting it would point into a
  // directory that does not exist.
  EXPECT_EQ(RtfOutputName("My_Reports/X_1.HTM"), "My_Reports/xr1.rtf");
  EXPECT_EQ(RtfOutputName("./x_1.htm"), "./xr1.rtf");
  EXPECT_EQ(RtfOutputName("old.turns/fordulo.htm"), "");
}

TEST(HeaderScan, OldLayoutColumnsAccountAndTitle) {
  Harness h(Layout::kOlder,
            "<TD><B>Betáplálva:</B> ma<BR>\r\n"
            "12. JÁTÉKHETED, 345. FORDULÓD<BR>\r\n"
            "</td>\r\n"
            "<TD>x KALANDOZÓ: Árny<BR>\r\n"
            "SZÁMLA : 10 Ft<BR>\r\n"
            "<font>Extra forduló: <b>2</b></TD></TR>\r\n"
            "<CENTER><H1>ÁRNY   KALANDJAI</H1>\r\n"
            "rest\r\n"_cp);
  ScanHeader(h.run);
  EXPECT_EQ(h.run.headerBlock,
            "Betáplálva: ma\\par \r\n12. JÁTÉKHETED, 345. FORDULÓD\\par \r\n"_cp);
  // The note keeps its tags; its line holds "</TD>", so it is not added again.
  EXPECT_EQ(
      h.run.adventurerBlock,
      "KALANDOZÓ: Árny\\par \r\nSZÁMLA   : 10 Ft\\par \r\n{\\f11\\fs16 Extra forduló: <b>2</b>} \r\n"_cp);
  EXPECT_EQ(h.run.reportTitle, "ÁRNY KALANDJAI"_cp);
  EXPECT_EQ(h.run.currentLine, "<CENTER><H1>ÁRNY   KALANDJAI</H1>"_cp);
}

TEST(HeaderScan, TitleBeforeHeaderLeavesBlocksEmpty) {
  Harness h(Layout::kOlder, "<H1>X KALANDJAI</H1>\r\nBetáplálva: ma\r\n</td>\r\n"_cp);
  ScanHeader(h.run);
  EXPECT_EQ(h.run.headerBlock, "");
  EXPECT_EQ(h.run.adventurerBlock, "");
  EXPECT_EQ(h.run.reportTitle, "X KALANDJAI");
}

TEST(HeaderScan, NewLayoutRightColumnStartsOnSeparatorLine) {
  Harness h(Layout::kNewer,
            "<TD>Betáplálva: ma\r\n"
            "1. JÁTÉKHETED, 2. FORDULÓD\r\n"
            "</TD><TD CLASS=\"t1\" VALIGN=TOP>KALANDOZÓ: Árny\r\n"
            "Extra forduló: 1</TD><TD>x</td>\r\n"
            "</TD></TR></TABLE>\r\n"
            "<P><center><h2>ÁRNY  KALANDJAI</h2>\r\n"_cp);
  ScanHeader(h.run);
  EXPECT_EQ(h.run.headerBlock, "Betáplálva: ma\\par \r\n1. JÁTÉKHETED, 2. FORDULÓD\\par \r\n"_cp);
  // The note ends at the first "</TD>" in the line's own case; the line is
  // then added as a plain line too, since only the table end closes the block.
  EXPECT_EQ(
      h.run.adventurerBlock,
      "KALANDOZÓ: Árny\\par \r\n{\\f11\\fs16 Extra forduló: 1} \r\nExtra forduló: 1x\\par \r\n"_cp);
  // No tag stripping in this layout.
  EXPECT_EQ(h.run.reportTitle, "ÁRNY KALANDJAI</h2>"_cp);
}

TEST(Preamble, ConsoleShowsAtMost45CharactersOfAnOrder) {
  const std::string t45(45, 'a');
  const std::string t46 = std::string(40, 'b') + " c   d";  // 46 before blanks are cut
  Harness h(Layout::kOlder,
            "<TABLE CLASS=par><TR><TD WIDTH=150>A</TD><TD>" + t45 + "</TD></TR></TABLE>\r\n" +
                "<TABLE CLASS=par><TR><TD WIDTH=150>B</TD><TD>" + std::string(46, 'x') +
                "</TD></TR></TABLE>\r\n" + "<TABLE CLASS=par><TR><TD WIDTH=150>C</TD><TD>" + t46 +
                "</TD></TR></TABLE>\r\nKARAKTERLAP\r\n");
  h.run.ReadLine();
  ConvertPreamble(h.run);
  ASSERT_EQ(h.console.lines.size(), 3u);
  EXPECT_EQ(h.console.lines[0], "Parancs: A                    " + t45);
  EXPECT_EQ(h.console.lines[1], "Parancs: B                    " + std::string(45, 'x'));
  // The text is 44 characters once its blanks are cut, so it is shown whole.
  EXPECT_EQ(h.console.lines[2], "Parancs: C                    " + std::string(40, 'b') + " c d");
  EXPECT_EQ(h.run.currentLine, "KARAKTERLAP");
  EXPECT_FALSE(h.run.contactListWritten);
}

TEST(Preamble, OldLayoutContactList) {
  Harness h(Layout::kOlder,
            "<P><B>NEKIK ÍRHATSZ:</B>\r\n"
            "Kelemen  (1201),\r\n"
            "\r\n"
            "Villő (1460)\r\n"
            "<P>\r\n"
            "ENCYCLOPEDIA FANTASIA\r\n"_cp);
  h.run.ReadLine();
  ConvertPreamble(h.run);
  EXPECT_TRUE(h.run.contactListWritten);
  EXPECT_EQ(h.console.lines, std::vector<std::string>{"Nekik irhatsz lista..."});
  EXPECT_EQ(h.out.Text(), std::string("\\par\\par\r\n********** Nekik írhatsz: "_cp) +
                              std::string(79, '*') +
                              std::string("\\par\\ql\r\nKelemen (1201), Villő (1460)\\par\r\n"_cp) +
                              std::string(102, '*') + "\r\n");
}

TEST(Preamble, NarrativeBetweenOrdersIsWrittenBeforeTheNextTable) {
  Harness h(Layout::kNewer,
            "<TABLE CELLPADDING=0 CELLSPACING=0><TR><TD CLASS=\"p\" WIDTH=170>A</TD>"
            "<TD CLASS=\"p\"> egy</TD></TR></TABLE>\r\n"
            "Köd   van.\r\n"
            "<TABLE CELLPADDING=0 CELLSPACING=0><TR><TD CLASS=\"p\" WIDTH=170>* 3. BP:</TD>"
            "<TD CLASS=\"p\">xkettő</TD></TR></TABLE>\r\n"
            "vége\r\n"
            "KARAKTERLAP\r\n"_cp);
  h.run.ReadLine();
  ConvertPreamble(h.run);
  const std::string row =
      "\\par\\trowd\r\n\\cellx2000\r\n\\cellx10200\r\n"
      "\\keep\\keepn\\widctlpar\\intbl\r\n";
  EXPECT_EQ(h.out.Text(),
            "\r\n\\par \r\n" + row +
                "{\\fs20\\f4\\b A}\\cell\r\n\\keep\\keepn\\widctlpar\\intbl\r\n"
                "{\\fs20\\f4\\b egy}\\cell\r\n\\row\r\n\\pard\r\n" +
                std::string("\\qj Köd van.\r\n"_cp) +
                // "* 3. BP:" continues the previous order: no blank paragraph.
                row + "{\\fs20\\f4\\b * 3. BP:}\\cell\r\n\\keep\\keepn\\widctlpar\\intbl\r\n" +
                std::string("{\\fs20\\f4\\b kettő}\\cell\r\n\\row\r\n\\pard\r\n"
                            "\\qj vége\r\n"_cp));
  EXPECT_EQ(h.run.commandLabel, "* 3. BP:");
}

const std::string kEncHeading =
    "\\par\\f4{\\qj\\keep\\keepn\\widctlpar {\\b\\fs20 ENCYCLOPEDIA FANTASIA}}\r\n";
const std::string kEncRule =
    "{\\par\\pard\\keep\\keepn\\widctlpar\\brdrb\\brdrs\\brdrw15\\brsp20\\fs8\\par}\r\n";

TEST(Encyclopedia, OldLayoutWithoutNotesWritesHeadingAndRules) {
  Harness h(Layout::kOlder, "ENCYCLOPEDIA FANTASIA\r\nKARAKTERLAP\r\n");
  h.run.ReadLine();
  h.run.contactListWritten = true;
  WriteEncyclopediaNotes(h.run);
  EXPECT_EQ(h.out.Text(),
            kEncHeading + kEncRule +
                "{\\keep\\keepn\\widctlpar\\brdrb\\brdrs\\brdrw15\\brsp20\\fs8\\par}\r\n");
  EXPECT_EQ(h.run.currentLine, "KARAKTERLAP");
  EXPECT_EQ(h.console.lines, std::vector<std::string>{"Encyclopedia Fantasia..."});
}

TEST(Encyclopedia, NewLayoutHeadingsPicturesAndBody) {
  const std::string cell =
      "</a><hr><table width=100% border=0 cellpadding=0 cellspacing=0><tr><td class=\"tenc\" "
      "valign=top>";
  const std::string report =
      "ENCYCLOPEDIA FANTASIA\r\n" + std::string("<A NAME=1>Hágó"_cp) + cell +
      std::string("Leírás\r\n"_cp) + "<IMG SRC=\"https://www.zordonvidek.example/hago.gif\">\r\n" +
      std::string("  Szöveg.\r\n"_cp) + std::string("<A>Tó"_cp) + cell +
      "\r\n" +  // a heading cell, but shorter than 106
      "<TABLE CELLPADDING=5 CELLSPACING=0 CLASS=\"klap\" WIDTH=750>\r\nx\r\nKARAKTERLAPOD\r\n";
  Harness h(Layout::kNewer, report);
  h.run.ReadLine();
  WriteEncyclopediaNotes(h.run);
  EXPECT_EQ(h.out.Text(),
            "\\par" + kEncHeading + kEncRule +
                std::string("\\pard\\keep\\keepn\\sb120\\widctlpar HágóLeírás Szöveg.\r\n"
                            "\\par\\pard\\qj\\widctlpar "
                            "Tó \r\n"
                            " \r\n"
                            "{\\pard\\widctlpar\\fs2\\par}\r\n"_cp));
  EXPECT_EQ(h.run.currentLine, "KARAKTERLAPOD");
  EXPECT_TRUE(IsSiteImageLine("<IMG SRC=\"http://www.a.example/x.gif\">", "www.a.example"));
  EXPECT_FALSE(IsSiteImageLine("<IMG SRC=\"http://www.a.example.evil/x\">", "www.a.example"));
}

TEST(SampleReports, ConvertWithBalancedBracesUnderEverySetting) {
  for (const char* name : {"1234_57.htm", "1234_58.htm"}) {
    TempDir dir;
    // The samples carry a map of the turn's steps.
    test::WriteTestPictures(dir);
    const std::string report = test::SampleReport(name);
    ASSERT_FALSE(report.empty()) << name;
    dir.Write(name, report);
    dir.Write("qvformat.ini", test::SourceFile("assets/qvformat.ini"));

    RecordingConsole console;
    RunContext ctx{console, dir.path() + "/"};
    ConverterSession session;
    const std::string report_path = dir.path() + "/" + name;
    ReportReader opened(report_path);
    ConvertReport(ctx, session, opened,
                  std::string(name) == "1234_57.htm" ? Layout::kOlder : Layout::kNewer,
                  FormatSettings());
    const std::string out = dir.Read(std::string(name).replace(4, 1, "r").replace(8, 3, "rtf"));
    ASSERT_FALSE(out.empty()) << name;
    EXPECT_EQ(test::RtfStructureFaults(out), "") << name;
    EXPECT_EQ(console.lines.back(), "");
    EXPECT_EQ(console.lines[console.lines.size() - 2],
              "RTF file keszitese sikeresen befejezodott!");
  }
}

// Whatever line a download or an editor cut a report after, the document
// comes out closed and sound: no fragment of a row left open, braces
// balanced and the last "}" written.
TEST(SampleReports, EveryTruncationConvertsToAClosedDocument) {
  for (const char* name : {"1234_57.htm", "1234_58.htm", "1234_59.htm", "1234_60.htm"}) {
    const std::string report = test::SampleReport(name);
    const Layout layout = std::string(name) == "1234_57.htm" || std::string(name) == "1234_59.htm"
                              ? Layout::kOlder
                              : Layout::kNewer;
    TempDir dir;
    test::WriteTestPictures(dir);
    RecordingConsole console;
    RunContext ctx{console, dir.path() + "/"};
    ConverterSession session;
    for (std::size_t end = report.find('\n'); end != std::string::npos;
         end = report.find('\n', end + 1)) {
      dir.Write("t_1.htm", report.substr(0, end + 1));
      ReportReader cut(dir.path() + "/t_1.htm");
      ConvertReport(ctx, session, cut, layout, FormatSettings());
      const std::string out = dir.Read("tr1.rtf");
      ASSERT_EQ(test::RtfStructureFaults(out), "") << name << " cut after byte " << end;
      ASSERT_TRUE(EndsWith(out, "}\r\n")) << name << " cut after byte " << end;
    }
  }
}

}  // namespace
}  // namespace qv
