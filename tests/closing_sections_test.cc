#include "convert/closing_sections.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "convert/appendix.h"
#include "convert/command_list.h"
#include "tests/maps_support.h"
#include "text/cp1250.h"
#include "text/text.h"

namespace qv {
namespace {

// Lines given as one text with "|" between them, each ended by CR LF.
std::string L(std::string_view lines) {
  return ReplaceAll("|", "\r\n", std::string(lines)) + "\r\n";
}

struct Harness : test::MapHarness {
  Harness(Layout v, std::string_view report, bool pictures = false)
      : MapHarness(v, report, pictures) {
    run.characterName = "Halvány Árnyék"_cp;
    run.turnNumber = "57";
  }
  // The closing sections from the report's first line on.
  std::string Close() {
    ConvertClosingSections(run);
    return out.Text();
  }
  // One part of the appendix, entered on the report's first line.
  std::string Part(void (*write)(ConverterRun&)) {
    run.ReadLine();
    write(run);
    return out.Text();
  }
};

const std::vector<std::string> kDone{"RTF file keszitese sikeresen befejezodott!", ""};

const std::string kFiveColumns =
    L(R"(\trowd|\cellx2040|\cellx4080|\cellx6120|\cellx8160|\cellx10200|\widctlpar\intbl)");
const std::string kAppendixHeading =
    L(R"(\pard \qc\pagebb\widctlpar {\f5\fs36 ZORDON VIDÉK REFERENCIA }|)"
      R"(\par \pard \qc\widctlpar {\f4\fs24\b Halvány Árnyék 57. fordulója }\par {\fs24 \par})"_cp);
const std::string kMonstersHeading =
    L(R"(\pard \widctlpar\keep\keepn\brdrb\brdrs\brdrw15\brsp20 {\f11\fs12 Szörnyek\par}\pard)"_cp);
const std::string kItemsHeading = L(
    R"(\pard \widctlpar\keep\keepn\brdrb\brdrs\brdrw15\brsp20 {\f11\fs12\par Tárgyak\par}\pard)"_cp);
const std::string kColumnTitle(
    R"({\f11\fs12 Röv. 1.PAR.    2.PAR.    3.PAR.     TVP  Utasítás\cell})"_cp);
const std::string kCommandHeader =
    L(R"({\f11\fs12\par}|\trowd|\clvertalt\clbrdrb\brdrs\brdrw10|\cellx5000|\cellx5200|)"
      R"(\clvertalt\clbrdrb\brdrs\brdrw10|\cellx10200|\widctlpar\intbl|)" +
      kColumnTitle + R"(|{\f11\fs12\cell}|)" + kColumnTitle + R"(|\row)");

// A row of the command columns: a left entry, and a right one or none.
std::string CommandRow(std::string_view left, std::optional<std::string_view> right = {}) {
  auto cell = [](std::string_view t) { return R"({\f11\fs12 )" + std::string(t) + R"(\cell})"; };
  return L(R"(\trowd|\cellx5000|\cellx5200|\cellx10200|\widctlpar\intbl|)" + cell(left) +
           R"(|{\f11\fs12\cell}|)" + (right ? cell(*right) : R"({\f11\fs12\cell})") + R"(|\row)");
}

// --- Sections and their searches ------------------------------------------------

TEST(ClosingSections, WithoutSectionsTheDocumentIsJustClosed) {
  Harness h(Layout::kRtf, L("<P>&copy; Zordon Vidék|</BODY>"_cp));
  EXPECT_EQ(h.Close(), "}\r\n");
  EXPECT_EQ(h.console.lines, kDone);
  EXPECT_TRUE(h.run.Eof());
}

TEST(ClosingSections, MessageAndWorldChangesAreOneCellRows) {
  Harness h(Layout::kRtf,
            L("<CENTER><B>ÜZENET A JÁTÉKVEZETŐTŐL</B></CENTER>|Kedves   <B>Kalandozók</B>!<BR>|"
              "<BR>| Ok <BR>|abc|<p>|közte|"
              "<CENTER><B>Változások a Zordon Vidéken</B></CENTER>|A <I>hágó</I>  járható.<BR>|"
              "&copy; Zordon Vidék|vége"_cp));
  const std::string row = L(R"(\trowd|\cellx10200|\widctlpar\intbl\qj)");
  // Texts shorter than three characters ("" and "Ok") write no row. No
  // appendix: the document ends right after the last section.
  EXPECT_EQ(
      h.Close(),
      L(R"(\pard \ql\widctlpar {\f11\fs19 \par}|)"
        R"(\pard {\f5\fs36\qc\keep\keepn ÜZENET A JÁTÉKVEZETŐTŐL{\f5\fs20\par\par}})"_cp) +
          row + L(R"({\fs18 Kedves Kalandozók!}\cell|\row)"_cp) + row +
          L(R"({\fs18 abc}\cell|\row|\pard)") +
          L(R"(\pard \ql\widctlpar {\f11\fs19 \par}|)"
            R"(\pard {\f5\fs36\qc\keep\keepn VÁLTOZÁSOK A ZORDON VIDÉKEN{\f5\fs20\par\par}})"_cp) +
          row + L(R"({\fs18\qj A hágó járható.}\cell|\row|\pard|})"_cp));
  EXPECT_EQ(h.console.lines, kDone);
}

TEST(ClosingSections, SearchesStopAtLaterMarkersAndAParagraphMarkerEndsAtOnce) {
  // The map and message searches stop at the changes, which end on their own
  // marker line since it holds "<P>".
  Harness h(Layout::kRtf, L("x|<P><CENTER><B>Változások a Zordon Vidéken</B></CENTER>|Új út épült.|"
                            "E KÖRBEN TETT LÉPÉSEID TÉRKÉPE"_cp));
  EXPECT_EQ(h.Close(),
            L(R"(\pard \ql\widctlpar {\f11\fs19 \par}|)"
              R"(\pard {\f5\fs36\qc\keep\keepn VÁLTOZÁSOK A ZORDON VIDÉKEN{\f5\fs20\par\par}}|)"
              R"(\pard|})"_cp));
  EXPECT_EQ(h.console.lines, kDone);

  // The newer layout has neither message nor changes.
  Harness uj(Layout::kRtfUj, L("ÜZENET A JÁTÉKVEZETŐTŐL|abc|<p>|Változások a Zordon|abc"_cp));
  EXPECT_EQ(uj.Close(), "}\r\n");
}

const std::string kOldStepMap = L(
    "<P>|<CENTER><B>E KÖRBEN TETT LÉPÉSEID TÉRKÉPE</B></CENTER>|"
    R"(<CENTER> <APPLET CODE="Terkep.class" WIDTH=271 HEIGHT=267> <PARAM NAME=koord VALUE="1,1,5,6;"> )"
    R"(<PARAM NAME=p1 VALUE="0,0,5,0,0;"></APPLET> </CENTER>|(5,6) Itt <B>vagy</B>.<BR>|<P>)"_cp);
const std::string kNewStepMap =
    L("<P><center><h2>E körben tett lépéseid térképe</h2></center>|<center><table><tr><td>|"
      R"(<applet code="Terkep.class" width=271 height=267>|<param name=koord value="1,1,5,6;">|)"
      R"(<param name=p1 value="0,0,5,0,0;">|</applet>|</td></tr></table></center>|)"
      "(5,6) Itt vagy.<br>|<! end of map>"_cp);

TEST(ClosingSections, StepMapOfEitherLayout) {
  for (const auto& [layout, report] :
       {std::pair{Layout::kRtf, kOldStepMap}, std::pair{Layout::kRtfUj, kNewStepMap}}) {
    Harness h(layout, report, /*pictures=*/true);
    const std::string text = h.Close();
    EXPECT_EQ(
        text.find(
            L(R"(\page\f4\fs20|{\f5\fs36\qc\keep\keepn E KÖRBEN TETT LÉPÉSEID TÉRKÉPE{\f5\fs20\par\par}})"_cp) +
            R"({\pict\wmetafile8\picw2168\pich2136 )"),
        0u);
    EXPECT_TRUE(EndsWith(text, L(R"(\ql\keep\keepn\widctlpar\intbl|(5,6) |\cell|)"
                                 R"(\ql\keep\keepn\widctlpar\intbl\qj|Itt vagy. |\cell|\row|)"
                                 R"(\pard\par|})")))
        << text.substr(text.size() - 300);
    ASSERT_EQ(h.console.lines.size(), 5u);
    EXPECT_EQ(h.console.lines[0], "E korben tett lepeseid terkepenek keszitese...");
    EXPECT_EQ(h.console.lines[1], "      A Terkep merete: 271x267 pixel");
    EXPECT_EQ(h.console.lines[3], kDone[0]);
  }
  // Each layout knows only its own marker.
  Harness old(Layout::kRtf, L("E körben tett lépéseid térképe|<param name=koord>"_cp));
  EXPECT_EQ(old.Close(), "}\r\n");
  Harness uj(Layout::kRtfUj, L("E KÖRBEN TETT LÉPÉSEID TÉRKÉPE|<param name=koord>"_cp));
  EXPECT_EQ(uj.Close(), "}\r\n");
}

// --- Monsters and items -----------------------------------------------------------

TEST(AppendixRtf, TenMonstersGiveTwoRowsAndOneMore) {
  std::string cells;
  for (int i = 2; i <= 10; ++i) cells += "<TD>m" + std::to_string(i) + "</TD>|";
  Harness h(Layout::kRtf,
            L(std::string("<P><CENTER><H2>ZORDON VIDÉK REFERENCIA</H2></CENTER>|<B>Szörnyek</B>|"
                          "<TABLE>|<TR CLASS=tfej><TD COLSPAN=5>Név</TD></TR>|"
                          "<TR><TD>farkas  (2)</TD>|"_cp) +
              cells + "</TABLE>"));
  auto cell = [](std::string_view t) { return R"({\f11\fs12  )" + std::string(t) + R"(}\cell)"; };
  EXPECT_EQ(h.Close(), kAppendixHeading + kMonstersHeading + kFiveColumns +
                           L(cell("farkas (2)") + "|" + cell("m2") + "|" + cell("m3") + "|" +
                             cell("m4") + "|" + cell("m5") + R"(|\row)") +
                           kFiveColumns +
                           L(cell("m6") + "|" + cell("m7") + "|" + cell("m8") + "|" + cell("m9") +
                             "|" + cell("m10") + R"(|\row|\row|\pard|})"));
  EXPECT_EQ(h.console.lines,
            (std::vector<std::string>{"Referencia...", "   Szornyek...", kDone[0], kDone[1]}));

  // A fifth cell on the line that ends the table is dropped, and its row is
  // still closed.
  Harness cut(Layout::kRtf, L("Szörnyek|<TABLE>|<TR>|<TD>a</TD>|<TD>b</TD>|<TD>c</TD>|"
                              "<TD>d</TD>|<TD>e</TD></TABLE>"_cp));
  EXPECT_EQ(
      cut.Part([](ConverterRun& r) { WriteAppendixTable(r, AppendixTable::kMonsters); }),
      kMonstersHeading + kFiveColumns +
          L(cell("a") + "|" + cell("b") + "|" + cell("c") + "|" + cell("d") + R"(|\row|\pard)"));
}

TEST(AppendixRtf, ItemCellsMoneyAndLinesWithoutACell) {
  Harness h(Layout::kRtf,
            L("<P><B>Tárgyak</B>|<TABLE  CLASS=ref>|<TR><TD>120 rozsdás   tőr</TD>|"
              "<TD>$1 ezüstpénz</TD>|<TD>140 nyílvessző</TD>|<TD>160 hosszú íj</TD>|"
              "<TD>170 fáklya</TD></TR>|<TR>|<TD>$2 aranytallér</TD>|(2 db)|<TD>505 kenyér</TD>|"
              "</TR>|</table>|<TD>x</TD>"_cp));
  // Lines while the count is 0 are passed over; once counting, every line
  // writes a cell, and one read while the count is 1 opens a row again.
  EXPECT_EQ(h.Part([](ConverterRun& r) { WriteAppendixTable(r, AppendixTable::kItems); }),
            kItemsHeading + kFiveColumns +
                L(R"({\f11\fs12  120 rozsdás tőr}\cell|{\f11\fs12 $1 ezüstpénz}\cell|)"
                  R"({\f11\fs12  140 nyílvessző}\cell|{\f11\fs12  160 hosszú íj}\cell|)"
                  R"({\f11\fs12  170 fáklya}\cell|\row)"_cp) +
                kFiveColumns + L(R"({\f11\fs12 $2 aranytallér}\cell)"_cp) + kFiveColumns +
                L(R"({\f11\fs12  (2 db)}\cell|{\f11\fs12  505 kenyér}\cell|{\f11\fs12  }\cell|)"
                  R"(\row|\pard)"_cp));
  EXPECT_EQ(h.run.currentLine, "</table>");
  EXPECT_EQ(h.console.lines, std::vector<std::string>{"   Targyak..."});
}

TEST(AppendixRtfUj, SevenMonstersAndTheItemLine) {
  Harness h(Layout::kRtfUj,
            L("<P><center><h2>ZORDON  VIDÉK  REFERENCIA</h2></center>|<P><B>SZÖRNYEK</B>|"
              "farkas (2) <B>medve</B>  (4) troll (9) ork (3) goblin (1) sárkány (30) kobold (1)|"
              "<P><B>TÁRGYAK</B>|"
              "120 rozsdás tőr (0.8 kg) $1 ezüstpénz (0.01 kg) 140   nyílvessző (0.1 kg)"_cp));
  EXPECT_EQ(h.Close(),
            kAppendixHeading + kMonstersHeading + kFiveColumns +
                L(R"({\f11\fs12  farkas (2)\cell}|{\f11\fs12  medve (4)\cell}|)"
                  R"({\f11\fs12  troll (9)\cell}|{\f11\fs12  ork (3)\cell}|)"
                  R"({\f11\fs12  goblin (1)\cell}|\row)") +
                kFiveColumns +
                L(R"({\f11\fs12  sárkány (30)\cell}|{\f11\fs12  kobold (1)\cell}|)"
                  R"(\cell|\cell|\cell|\row|\pard)"_cp) +
                kItemsHeading + kFiveColumns +
                L(R"({\f11\fs12  120 rozsdás tőr (0.8 kg)\cell}|)"
                  R"({\f11\fs12 $1 ezüstpénz (0.01 kg)\cell}|)"
                  R"({\f11\fs12  140 nyílvessző (0.1 kg)\cell}|\cell|\cell|\row|\pard|})"_cp));
  EXPECT_EQ(h.console.lines, (std::vector<std::string>{"Referencia...", "   Szornyek...",
                                                       "   Targyak...", kDone[0], kDone[1]}));
}

TEST(AppendixRtfUj, EntriesCutByTheirLengthWithTheAddedBlank) {
  auto items = [](std::string_view line) {
    Harness h(Layout::kRtfUj, L(std::string("TÁRGYAK|"_cp) + std::string(line)));
    return h.Part([](ConverterRun& r) { WriteAppendixTable(r, AppendixTable::kItems); });
  };
  // The added blank costs the next entry its first character when no blank
  // stands between them; a rest without ")" is dropped.
  EXPECT_EQ(items("a (1)b (2) c (3) rest"),
            kItemsHeading + kFiveColumns +
                L(R"({\f11\fs12  a (1)\cell}|{\f11\fs12  (2)\cell}|{\f11\fs12  c (3)\cell}|)"
                  R"(\cell|\cell|\row|\pard)"));
  // A line without any ")" is one blank entry.
  EXPECT_EQ(items("x y"), kItemsHeading + kFiveColumns +
                              L(R"({\f11\fs12  \cell}|\cell|\cell|\cell|\cell|\row|\pard)"));
  EXPECT_EQ(items(""), kItemsHeading + L(R"(\pard)"));
}

// --- Commands ---------------------------------------------------------------------

TEST(CommandListRtf, PreLineReadAgainSavingsLinesAndFourEntries) {
  Harness h(Layout::kRtf, L("<P><B>Parancsok</B>|<TABLE><TR><TD>|<PRE><B>ÁLL</B>  Állj|"
                            "PPS  PP  félretétel, spórolása|PPF  PP  spórolt pénz, spórolása|"
                            "EXT  -   egy játékhét szünet|</PRE>|</TD></TR></TABLE>"_cp));
  EXPECT_EQ(h.Part(WriteCommandList),
            kCommandHeader + CommandRow("ÁLL  Állj"_cp, "EXT  -   egy szünet"_cp) +
                CommandRow("PPS  PP  félretétel"_cp) + CommandRow("PPF  PP  pénz, spórolása"_cp) +
                L(R"(\pard)"));
  EXPECT_EQ(h.run.currentLine, "</PRE>");
  EXPECT_EQ(h.run.commandList.size(), 4u);
  EXPECT_EQ(h.console.lines, std::vector<std::string>{"   Parancsok..."});
}

TEST(CommandListRtfUj, ListAfterTheTitleLineAndFiveEntries) {
  Harness h(Layout::kRtfUj,
            L("<P><B>PARANCSOK</B>|<PRE>|Röv.  1.PAR.    2.PAR.    3.PAR.    TVP    Utasítás|"
              "<B>ÁLL</B>  Állj|PPS  PP  félretétel, spórolása|PPF  PP  spórolt pénz, spórolása|"
              "EXT  -   egy játékhét szünet|KF x|</PRE>"_cp));
  // The savings lines stay as they are in this layout.
  EXPECT_EQ(h.Part(WriteCommandList),
            kCommandHeader + CommandRow("ÁLL  Állj"_cp, "EXT  -   egy játékhét szünet"_cp) +
                CommandRow("PPS  PP  félretétel, spórolása"_cp, "KF x") +
                CommandRow("PPF  PP  spórolt pénz, spórolása"_cp) + L(R"(\pard)"));
}

TEST(CommandList, TabColumnsOfTheItemPaymentLines) {
  const std::string lines(
      "KF   tárgy     [1-2]\tabcdefghijklmno1234567Z|KF   tárgy     3\tab\tcd12345678901234Z|"
      "KF   tárgy     3  x|</PRE>"_cp);
  const std::string first("KF   tárgy     [1-2] abcdefgh       ijklmnoZ"_cp);
  const std::string second("KF   tárgy     3 ab               cdZ"_cp);
  const std::string plain("KF   tárgy     3  x"_cp);
  // The older layout's "<PRE>" line, read again, is an empty entry.
  Harness old(Layout::kRtf, L("Parancsok|<PRE>|" + lines));
  EXPECT_EQ(old.Part(WriteCommandList), kCommandHeader + CommandRow("", plain) + CommandRow(first) +
                                            CommandRow(second) + L(R"(\pard)"));
  Harness uj(
      Layout::kRtfUj,
      L(std::string("PARANCSOK|Röv.  1.PAR.    2.PAR.    3.PAR.    TVP    Utasítás|"_cp) + lines));
  EXPECT_EQ(uj.Part(WriteCommandList),
            kCommandHeader + CommandRow(first, plain) + CommandRow(second) + L(R"(\pard)"));
}

TEST(CommandList, EmptyListsAndOlderLayoutEdges) {
  // No entries: the header row and "\pard" only.
  Harness old(Layout::kRtf, L("Parancsok|<PRE></PRE>|x"));
  EXPECT_EQ(old.Part(WriteCommandList), kCommandHeader + L(R"(\pard)"));
  Harness uj(Layout::kRtfUj,
             L("PARANCSOK|Röv.  1.PAR.    2.PAR.    3.PAR.    TVP    Utasítás|</PRE>|x"_cp));
  EXPECT_EQ(uj.Part(WriteCommandList), kCommandHeader + L(R"(\pard)"));

  // A title line that holds "<pre>" is the list's first line itself.
  Harness same(Layout::kRtf, L("Parancsok<PRE>ÁLL  Állj|</PRE>"_cp));
  EXPECT_EQ(same.Part(WriteCommandList),
            kCommandHeader + CommandRow("ParancsokÁLL  Állj"_cp) + L(R"(\pard)"));

  // Without "<pre>" the search reads to the end, and no line is read again.
  Harness none(Layout::kRtf, L("Parancsok|a|b"));
  EXPECT_EQ(none.Part(WriteCommandList), kCommandHeader + L(R"(\pard)"));
  EXPECT_TRUE(none.run.commandList.empty());
}

// --- The samples ---------------------------------------------------------------------

// Counts "{" and "}" that are not escaped; -1 when a "}" closes nothing.
int BraceBalance(const std::string& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\')
      ++i;
    else if (rtf[i] == '{')
      ++depth;
    else if (rtf[i] == '}' && --depth < 0)
      return -1;
  }
  return depth;
}

// The sample report from the line that holds `from` to its end.
std::string SampleTail(const std::string& name, std::string_view from) {
  std::ifstream in(std::string(QV_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  const std::string report = s.str();
  const std::size_t at = report.find(from);
  if (at == std::string::npos) return "";
  return report.substr(report.rfind("\r\n", at) + 2);
}

TEST(ClosingSectionsSamples, EverySectionInOrderAndClosedWhereverTheReportEnds) {
  struct Sample {
    const char* name;
    Layout layout;
    std::string_view from;
    std::initializer_list<std::string_view> parts;
  };
  const std::string_view map = "E KÖRBEN TETT LÉPÉSEID TÉRKÉPE{"_cp;
  const std::string_view appendix = "ZORDON VIDÉK REFERENCIA }"_cp;
  for (const Sample& s :
       {Sample{"1234_57.htm",
               Layout::kRtf,
               "E KÖRBEN TETT LÉPÉSEID TÉRKÉPE"_cp,
               {map, R"(\pict)", "ÜZENET A JÁTÉKVEZETŐTŐL{"_cp, "VÁLTOZÁSOK A ZORDON VIDÉKEN{"_cp,
                appendix, "Szörnyek\\par"_cp, "Tárgyak\\par"_cp, "Utasítás\\cell"_cp, "PPS  PP"}},
        Sample{"1234_58.htm",
               Layout::kRtfUj,
               "E körben tett lépéseid térképe"_cp,
               {map, R"(\pict)", appendix, "Szörnyek\\par"_cp, "Tárgyak\\par"_cp,
                "Utasítás\\cell"_cp, "PPS  PP"}}}) {
    const std::string tail = SampleTail(s.name, s.from);
    ASSERT_FALSE(tail.empty()) << s.name;
    {
      Harness h(s.layout, tail, /*pictures=*/true);
      const std::string out = h.Close();
      int at = 0;
      for (std::string_view part : s.parts) {
        const int p = PosFrom(part, out, at + 1);
        EXPECT_GT(p, at) << s.name << ": " << part;
        at = p;
      }
    }
    // Cut off after any line, the document still ends closed.
    for (std::size_t end = tail.find("\r\n"); end != std::string::npos;
         end = tail.find("\r\n", end + 2)) {
      Harness h(s.layout, tail.substr(0, end + 2), /*pictures=*/true);
      const std::string out = h.Close();
      // The closing "}" ends the prologue's group, which is not written here.
      ASSERT_EQ(BraceBalance("{" + out), 0) << s.name << " cut at " << end;
      ASSERT_TRUE(EndsWith(out, "}\r\n")) << s.name << " cut at " << end;
      ASSERT_EQ(h.console.lines.back(), "") << s.name << " cut at " << end;
    }
  }
}

}  // namespace
}  // namespace qv
