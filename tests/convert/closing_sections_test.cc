#include "convert/closing_sections.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/appendix.h"
#include "convert/command_list.h"
#include "tests/support/converter_harness.h"
#include "tests/support/files.h"
#include "tests/support/lines.h"
#include "tests/support/rtf_structure.h"
#include "text/cp1250.h"
#include "text/text.h"

namespace qv {
namespace {

// Lines given as one text with "|" between them, each ended by CR LF.
const auto L = test::BarLines;

struct Harness : test::ConverterHarness {
  Harness(Layout v, std::string_view report, bool pictures = false)
      : ConverterHarness(v, report, pictures) {
    run.characterName = "Árny"_cp;
    run.turnNumber = "57";
  }
  // The closing sections from the report's first line on.
  std::string Close() {
    ConvertClosingSections(run);
    return out.Text();
  }
  // The command list, entered on the report's first line.
  std::string Commands() {
    run.ReadLine();
    WriteCommandList(run);
    return out.Text();
  }
};

const std::vector<std::string> kDone{"RTF file keszitese sikeresen befejezodott!", ""};
const std::string kRow = L(R"(\trowd|\cellx10200|\widctlpar\intbl\qj)");
const std::string kFive =
    L(R"(\trowd|\cellx2040|\cellx4080|\cellx6120|\cellx8160|\cellx10200|\widctlpar\intbl)");
const std::string kAppendix =
    L(R"(\pard \qc\pagebb\widctlpar {\f5\fs36 ZORDON VIDÉK REFERENCIA }|)"
      R"(\par \pard \qc\widctlpar {\f4\fs24\b Árny 57. fordulója }\par {\fs24 \par})"_cp);
const std::string kRule = R"(\pard \widctlpar\keep\keepn\brdrb\brdrs\brdrw15\brsp20 {\f11\fs12)";
const std::string kMonsters = L(kRule + std::string(R"( Szörnyek\par}\pard)"_cp));
const std::string kItems = L(kRule + std::string(R"(\par Tárgyak\par}\pard)"_cp));
const std::string kTitle(
    R"({\f11\fs12 Röv. 1.PAR.    2.PAR.    3.PAR.     TVP  Utasítás\cell})"_cp);
const std::string kCommandHeader =
    L(R"({\f11\fs12\par}|\trowd|\clvertalt\clbrdrb\brdrs\brdrw10|\cellx5000|\cellx5200|)"
      R"(\clvertalt\clbrdrb\brdrs\brdrw10|\cellx10200|\widctlpar\intbl|)" +
      kTitle + R"(|{\f11\fs12\cell}|)" + kTitle + R"(|\row)");

// A row of the command columns: a left entry, and a right one or none.
std::string CommandRow(std::string_view left, std::optional<std::string_view> right = {}) {
  auto cell = [](std::string_view t) { return R"({\f11\fs12 )" + std::string(t) + R"(\cell})"; };
  return L(R"(\trowd|\cellx5000|\cellx5200|\cellx10200|\widctlpar\intbl|)" + cell(left) +
           R"(|{\f11\fs12\cell}|)" + (right ? cell(*right) : R"({\f11\fs12\cell})") + R"(|\row)");
}

TEST(ClosingSections, MessageChangesAndTheirSearches) {
  Harness h(Layout::kOlder,
            L("<CENTER><B>ÜZENET A JÁTÉKVEZETŐTŐL</B></CENTER>|Kedves  <B>Kalandozók</B>!<BR>|"
              "<BR>| Ok <BR>|<p>|x|<CENTER>Változások a Zordon</CENTER>|A <I>hágó</I> járható.|"
              "&copy; Zordon|vége"_cp));
  // "" and "Ok" are too short for a row; no appendix: "}" follows at once.
  EXPECT_EQ(
      h.Close(),
      L(R"(\pard \ql\widctlpar {\f11\fs19 \par}|)"
        R"(\pard {\f5\fs36\qc\keep\keepn ÜZENET A JÁTÉKVEZETŐTŐL{\f5\fs20\par\par}})"_cp) +
          kRow + L(R"({\fs18 Kedves Kalandozók!}\cell|\row|\pard)"_cp) +
          L(R"(\pard \ql\widctlpar {\f11\fs19 \par}|)"
            R"(\pard {\f5\fs36\qc\keep\keepn VÁLTOZÁSOK A ZORDON VIDÉKEN{\f5\fs20\par\par}})"_cp) +
          kRow + L(R"({\fs18\qj A hágó járható.}\cell|\row|\pard|})"_cp));
  EXPECT_EQ(h.console.lines, kDone);

  // The map and message searches stop at the changes, whose marker line ends
  // them at once since it holds "<P>"; the newer layout knows neither.
  Harness p(Layout::kOlder, L("<P>Változások a Zordon|abc"_cp));
  EXPECT_EQ(p.Close(),
            L(R"(\pard \ql\widctlpar {\f11\fs19 \par}|)"
              R"(\pard {\f5\fs36\qc\keep\keepn VÁLTOZÁSOK A ZORDON VIDÉKEN{\f5\fs20\par\par}}|)"
              R"(\pard|})"_cp));
  Harness uj(Layout::kNewer, L("ÜZENET A JÁTÉKVEZETŐTŐL|abc|Változások a Zordon|abc"_cp));
  EXPECT_EQ(uj.Close(), "}\r\n");
}

TEST(ClosingSections, StepMapOfEitherLayout) {
  const std::string oldMap = L(
      "<CENTER><B>E KÖRBEN TETT LÉPÉSEID TÉRKÉPE</B></CENTER>|"
      R"(<CENTER> <APPLET> <PARAM NAME=koord VALUE="1,1,5,6;"> <PARAM NAME=p1 VALUE="0,0,5,0,0;"></APPLET>|)"
      "(5,6) Itt.<BR>|<P>"_cp);
  const std::string newMap =
      L("<h2>E körben tett lépéseid térképe</h2>|<param name=koord value=\"1,1,5,6;\">|"
        "</table></center>|(5,6) Itt.<br>|<! end of map>"_cp);
  for (const auto& [layout, report] :
       {std::pair{Layout::kOlder, oldMap}, std::pair{Layout::kNewer, newMap}}) {
    Harness h(layout, report, /*pictures=*/true);
    const std::string text = h.Close();
    EXPECT_EQ(text.find(L(R"(\page\f4\fs20|{\f5\fs36\qc\keep\keepn E KÖRBEN TETT LÉPÉSEID )"
                          R"(TÉRKÉPE{\f5\fs20\par\par}})"_cp) +
                        R"({\pict\wmetafile8\picw2168\pich2136 )"),
              0u);
    EXPECT_TRUE(EndsWith(text, L(R"(\ql\keep\keepn\widctlpar\intbl\qj|Itt. |\cell|\row|)"
                                 R"(\pard\par|})")));
    EXPECT_EQ(h.console.lines.at(0), "E korben tett lepeseid terkepenek keszitese...");
  }
  // Each layout knows only its own marker.
  EXPECT_EQ(Harness(Layout::kOlder, L("E körben tett lépéseid térképe|x"_cp)).Close(), "}\r\n");
  EXPECT_EQ(Harness(Layout::kNewer, L("E KÖRBEN TETT LÉPÉSEID TÉRKÉPE|x"_cp)).Close(), "}\r\n");
}

TEST(AppendixOlder, TenMonstersGiveTwoFullRowsAndItemCells) {
  std::string cells;
  for (int i = 1; i <= 10; ++i) cells += "<TD>m" + std::to_string(i) + "</TD>|";
  Harness h(Layout::kOlder,
            L(std::string("ZORDON VIDÉK REFERENCIA|Szörnyek|<TABLE>|<TR><TD>fej|"_cp) + cells +
              std::string("</TABLE>|Tárgyak|<TABLE>|<TD>120  tőr</TD>|(2 db)|<TD>$1 pénz</TD>|"
                          "</TR>|</TABLE>"_cp)));
  std::string rows;
  for (int i = 1; i <= 10; ++i)
    rows += (i % 5 == 1 ? kFive : "") + L(R"({\f11\fs12  m)" + std::to_string(i) + R"(}\cell)") +
            (i % 5 == 0 ? L(R"(\row)") : "");
  // The second line after the title is passed over unseen; the table ends on
  // a full row, which wants no further "\row". An item line with "$" gets
  // one blank less; once counting, every line writes a cell, and one read
  // while the count is 1 opens a row again, ending the one before.
  EXPECT_EQ(h.Close(), kAppendix + kMonsters + rows + L(R"(\pard)") + kItems + kFive +
                           L(R"({\f11\fs12  120 tőr}\cell|\row)"_cp) + kFive +
                           L(R"({\f11\fs12  (2 db)}\cell|{\f11\fs12 $1 pénz}\cell|)"
                             R"({\f11\fs12  }\cell|\row|\pard|})"_cp));
  EXPECT_EQ(h.console.lines, (std::vector<std::string>{"Referencia...", "   Szornyek...",
                                                       "   Targyak...", kDone[0], kDone[1]}));

  // A cell on the line that ends the table is dropped, and the row is closed.
  Harness e(Layout::kOlder, L("ZORDON VIDÉK REFERENCIA|Szörnyek|1|2|<TD>a</TD>|<TD>b</TD>|"
                              "<TD>c</TD>|<TD>d</TD>|<TD>e</TD></TABLE>"_cp));
  EXPECT_EQ(e.Close(), kAppendix + kMonsters + kFive +
                           L(R"({\f11\fs12  a}\cell|{\f11\fs12  b}\cell|{\f11\fs12  c}\cell|)"
                             R"({\f11\fs12  d}\cell|\row|\pard|})"));
}

TEST(AppendixNewer, SevenMonstersAndEntriesCutByTheirLength) {
  Harness h(Layout::kNewer,
            L("ZORDON  VIDÉK  REFERENCIA|<B>SZÖRNYEK</B>|a (1) <B>b</B>  (2) c (3) d (4) e (5) "
              "f (6) g (7)|TÁRGYAK|120 tőr (0.8)x (2) $1 pénz (0.01) rest"_cp));
  // The blank put before an entry is counted when the entry is cut off, so
  // "x" goes; a rest without ")" is dropped.
  EXPECT_EQ(
      h.Close(),
      kAppendix + kMonsters + kFive +
          L(R"({\f11\fs12  a (1)\cell}|{\f11\fs12  b (2)\cell}|{\f11\fs12  c (3)\cell}|)"
            R"({\f11\fs12  d (4)\cell}|{\f11\fs12  e (5)\cell}|\row)") +
          kFive +
          L(R"({\f11\fs12  f (6)\cell}|{\f11\fs12  g (7)\cell}|\cell|\cell|\cell|\row|\pard)") +
          kItems + kFive +
          L(R"({\f11\fs12  120 tőr (0.8)\cell}|{\f11\fs12  (2)\cell}|)"
            R"({\f11\fs12 $1 pénz (0.01)\cell}|\cell|\cell|\row|\pard|})"_cp));
}

const std::string kKf12In("KF   tárgy     [1-2]\tabcdefghijklmno1234567Z"_cp);
const std::string kKf12Out("KF   tárgy     [1-2] abcdefgh       ijklmnoZ"_cp);
const std::string kKf3In("KF   tárgy     3\tab\tcd12345678901234Z"_cp);
const std::string kKf3Out("KF   tárgy     3 ab               cdZ"_cp);
const std::string kSavings(
    "PPS  PP  tartalék, spórolása|PPF  PP  spórolt pénz, spórolása|EXT  -  egy játékhét szünet"_cp);

TEST(CommandList, OlderLayoutReadsThePreLineAgainAndTrimsSavingsLines) {
  Harness h(Layout::kOlder, L(std::string("Parancsok|<TABLE>|<PRE><B>ÁLL</B>  Állj|"_cp) +
                              kSavings + "|" + kKf12In + "|</PRE>"));
  EXPECT_EQ(h.Commands(), kCommandHeader + CommandRow("ÁLL  Állj"_cp, "EXT  -  egy szünet"_cp) +
                              CommandRow("PPS  PP  tartalék"_cp, kKf12Out) +
                              CommandRow("PPF  PP  pénz, spórolása"_cp) + L(R"(\pard)"));
  EXPECT_EQ(h.run.currentLine, "</PRE>");
  EXPECT_EQ(h.console.lines, std::vector<std::string>{"   Parancsok..."});
}

TEST(CommandList, NewerLayoutStartsAfterTheTitleLineAndKeepsSavingsLines) {
  Harness h(
      Layout::kNewer,
      L(std::string("PARANCSOK|<PRE>|Röv.  1.PAR.    2.PAR.    3.PAR.    TVP    Utasítás|"_cp) +
        kSavings + "|" + kKf3In + "|</PRE>"));
  EXPECT_EQ(h.Commands(), kCommandHeader + CommandRow("PPS  PP  tartalék, spórolása"_cp, kKf3Out) +
                              CommandRow("PPF  PP  spórolt pénz, spórolása"_cp) +
                              CommandRow("EXT  -  egy játékhét szünet"_cp) + L(R"(\pard)"));
}

TEST(CommandList, EmptyListsAndOlderLayoutEdges) {
  // No entries: the header row and "\pard" only.
  EXPECT_EQ(Harness(Layout::kOlder, L("Parancsok|<PRE></PRE>|x")).Commands(),
            kCommandHeader + L(R"(\pard)"));
  EXPECT_EQ(Harness(Layout::kNewer, L("PARANCSOK|Röv.  1.PAR.    2.PAR.    3.PAR.    TVP    "
                                      "Utasítás|</PRE>|x"_cp))
                .Commands(),
            kCommandHeader + L(R"(\pard)"));
  // A title line that holds "<pre>" is the list's first line itself; a bare
  // "<PRE>" line is an empty entry; without "<pre>" no line is read again.
  EXPECT_EQ(Harness(Layout::kOlder, L("Parancsok<PRE>a|<pre>|</PRE>")).Commands(),
            kCommandHeader + CommandRow("Parancsoka") + CommandRow("") + L(R"(\pard)"));
  EXPECT_EQ(Harness(Layout::kOlder, L("Parancsok|a|b")).Commands(), kCommandHeader + L(R"(\pard)"));
}

TEST(ClosingSectionsSamples, EverySectionInOrderAndClosedWhereverTheReportEnds) {
  const std::string_view map = "E KÖRBEN TETT LÉPÉSEID TÉRKÉPE{"_cp;
  const std::string_view appendix = "ZORDON VIDÉK REFERENCIA }"_cp;
  for (const auto& [name, layout, from, parts] :
       {std::tuple{"1234_57.htm", Layout::kOlder, "E KÖRBEN TETT LÉPÉSEID TÉRKÉPE"_cp,
                   std::vector<std::string_view>{map, R"(\pict)", "ÜZENET A JÁTÉKVEZETŐTŐL{"_cp,
                                                 "VÁLTOZÁSOK A ZORDON VIDÉKEN{"_cp, appendix,
                                                 "Szörnyek\\par"_cp, "Tárgyak\\par"_cp,
                                                 "Utasítás\\cell"_cp, "PPS  PP"}},
        std::tuple{
            "1234_58.htm", Layout::kNewer, "E körben tett lépéseid térképe"_cp,
            std::vector<std::string_view>{map, R"(\pict)", appendix, "Szörnyek\\par"_cp,
                                          "Tárgyak\\par"_cp, "Utasítás\\cell"_cp, "PPS  PP"}}}) {
    const std::string report = test::SampleReport(name);
    const std::size_t at = report.find(from);
    ASSERT_NE(at, std::string::npos) << name;
    const std::string tail = report.substr(report.rfind("\r\n", at) + 2);
    const std::string out = Harness(layout, tail, true).Close();
    int found = 0;
    for (std::string_view part : parts) {
      const int p = PosFrom(part, out, found + 1);
      EXPECT_GT(p, found) << name << ": " << part;
      found = p;
    }
    // Cut off after any line, the document still ends closed and sound; its
    // "}" ends the prologue's group, which is not written here.
    for (std::size_t end = tail.find("\r\n"); end != std::string::npos;
         end = tail.find("\r\n", end + 2)) {
      const std::string cut = Harness(layout, tail.substr(0, end + 2), true).Close();
      ASSERT_EQ(test::RtfStructureFaults("{" + cut), "") << name << " cut at " << end;
      ASSERT_TRUE(EndsWith(cut, "}\r\n")) << name << " cut at " << end;
    }
  }
}

}  // namespace
}  // namespace qv
