// Reports whose text holds RTF delimiters, in every section of both layouts,
// and font names of the settings that would break the font table.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "convert/driver.h"
#include "convert/run_state.h"
#include "platform/error.h"
#include "tests/support/consoles.h"
#include "tests/support/files.h"
#include "tests/support/rtf_braces.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"
#include "text/cp1250.h"
#include "text/text.h"

namespace qv {
namespace {

using test::BraceBalance;
using test::RecordingConsole;
using test::TempDir;

// --- Reports whose text holds RTF delimiters --------------------------------

// What the edited reports hold ("@" in an edit), and how it must stand in
// the document ("@" in an expected part).
const std::string kMark = std::string(R"({\})") + '\0';
const std::string kEscaped = R"(\{\\\})";

std::string With(std::string_view text, const std::string& mark) {
  return ReplaceAll("@", mark, std::string(text));
}

struct Edit {
  std::string_view from, to;
};

int Count(std::string_view text, std::string_view part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + part.size()))
    ++n;
  return n;
}

// Converts a sample report with the edits made (each edited text stands once
// in the sample) and returns the document.
std::string ConvertEdited(const std::string& sample, Layout layout,
                          const std::vector<Edit>& edits) {
  std::string report = test::SampleReport(sample);
  for (const Edit& e : edits) {
    EXPECT_EQ(Count(report, e.from), 1) << e.from;
    const std::size_t at = report.find(e.from);
    if (at != std::string::npos) report.replace(at, e.from.size(), With(e.to, kMark));
  }
  TempDir dir;
  test::WriteTestPictures(dir);
  dir.Write("e_1.htm", report);
  RecordingConsole console;
  RunContext ctx{console, dir.path() + "/"};
  ConverterSession session;
  ReportReader edited(dir.path() + "/e_1.htm");
  ConvertReport(ctx, session, edited, layout, FormatSettings());
  EXPECT_EQ(console.lines.at(console.lines.size() - 2),
            "RTF file keszitese sikeresen befejezodott!");
  return dir.Read("er1.rtf");
}

// The document is closed and balanced, holds no control byte but its line
// ends and tabs, and holds every mark escaped exactly where it is expected.
void ExpectEscaped(const std::string& rtf, const std::vector<std::string_view>& expected) {
  ASSERT_FALSE(rtf.empty());
  EXPECT_EQ(BraceBalance(rtf), 0);
  EXPECT_TRUE(EndsWith(rtf, "}\r\n"));
  for (const char c : rtf) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 32 && c != '\r' && c != '\n' && c != '\t') || byte == 127) {
      ADD_FAILURE() << "control byte " << static_cast<int>(byte) << " in the document";
      break;
    }
  }
  int marks = 0;
  for (std::string_view part : expected) {
    EXPECT_NE(rtf.find(With(part, kEscaped)), std::string::npos) << part;
    marks += Count(part, "@");
  }
  // No mark went anywhere else, and none was escaped twice.
  EXPECT_EQ(Count(rtf, kEscaped), marks);
}

TEST(EscapedReportText, OlderLayoutEverySection) {
  const std::vector<Edit> edits = {
      {"Kiértékelve: 2026. december 1. 06:00<BR>"_cp,
       "Kiértékelve:@ 2026. december 1. 06:00<BR>"_cp},
      {"57. FORDULÓD"_cp, "57@. FORDULÓD"_cp},
      {"JÁTÉKOS: Kovács Anna<BR>"_cp, "JÁTÉKOS: Kovács Anna@<BR>"_cp},
      {"Extra forduló: 2 db</TD>"_cp, "Extra forduló: 2 db@</TD>"_cp},
      {"ÁRNYÉK KALANDJAI"_cp, "ÁRNYÉK@ KALANDJAI"_cp},
      {">TANULÁS</TD>"_cp, ">TANU@LÁS</TD>"_cp},
      {"gyakorolod (Feltételes"_cp, "gyakorolod@ (Feltételes"_cp},
      {"Ezüst Íj (1377),"_cp, "Ezüst Íj@ (1377),"_cp},
      {"A hágó a Zordon"_cp, "A hágó@ a Zordon"_cp},
      {"Csendes, mély tó"_cp, "Csendes@, mély tó"_cp},
      {"<P>Halvány Árnyék, egy"_cp, "<P>Halvány Árnyék@, egy"_cp},
      {"<TD>félelf</TD>"_cp, "<TD>fél@elf</TD>"_cp},
      {"<TD>Nem:</TD>", "<TD>Nem@:</TD>"},
      {"tapasztalati pont kell"_cp, "tapasztalati@ pont kell"_cp},
      {"2. íjászat:"_cp, "2. íjá@szat:"_cp},
      {"6. térképolvasás:"_cp, "6. térkép@olvasás:"_cp},
      {"<TD>Harc: 1</TD>", "<TD>Harc@: 1</TD>"},
      {"ebből 2 pontot használtál fel."_cp, "ebből 2 pontot használtál@ fel."_cp},
      {"bekapcsolva", "bekapcsolva@"},
      {"<TD>Ha megtámadnak</TD>"_cp, "<TD>Ha meg@támadnak</TD>"_cp},
      {"tábort versz"_cp, "tábort@ versz"_cp},
      {">Tűzmágia</TD>"_cp, ">Tűz@mágia</TD>"_cp},
      {"<TD>Lángnyelv (#15, 2)</TD>"_cp, "<TD>Lángnyelv@ (#15, 2)</TD>"_cp},
      {"újratanulása 2 pontba"_cp, "újratanulása@ 2 pontba"_cp},
      {"<TD>még 1 kör</TD>"_cp, "<TD>még 1@ kör</TD>"_cp},
      {"<TD>Parázseső</TD>"_cp, "<TD>Paráz@seső</TD>"_cp},
      {">Védekező varázslatok"_cp, ">Védekező@ varázslatok"_cp},
      {"Ködfarkas (#318)"_cp, "Ködfarkas@ (#318)"_cp},
      {"merített kancsót"_cp, "merített@ kancsót"_cp},
      {"télvíz idején"_cp, "télvíz@ idején"_cp},
      {"úszás (31)"_cp, "úszás@ (31)"_cp},
      {"kőbőr (507)"_cp, "kőbőr@ (507)"_cp},
      {">Csizmák</TD>"_cp, ">Csizmák@</TD>"_cp},
      {">vasalt csizma</A>", ">vasalt@ csizma</A>"},
      {"Gyógyít 10 ÉP-t"_cp, "Gyógyít@ 10 ÉP-t"_cp},
      {"könnyű, nem lassít"_cp, "könnyű@, nem lassít"_cp},
      {">vasvért</A>"_cp, ">vasvért@</A>"_cp},
      {"(57,31) Kóbor orkok tanyája:"_cp, "(57,31@) Kóbor orkok tanyája@:"_cp},
      {"beomlott gerendák"_cp, "beomlott@ gerendák"_cp},
      {"Jó kalandozást!"_cp, "Jó kalandozást@!"_cp},
      {"révésze mostantól"_cp, "révésze@ mostantól"_cp},
      {"<TD>troll (9)</TD>", "<TD>troll@ (9)</TD>"},
      {"<TD>150 bőrzsák</TD>"_cp, "<TD>150 bőr@zsák</TD>"_cp},
      {"<TD>$1 ezüstpénz</TD>"_cp, "<TD>$1 ezüst@pénz</TD>"_cp},
      {"Támadás egy szereplőre"_cp, "Támadás@ egy szereplőre"_cp},
  };
  const std::string rtf = ConvertEdited("1234_57.htm", Layout::kOlder, edits);
  ExpectEscaped(
      rtf,
      {
          // Header columns, footer and title.
          R"(Kiértékelve:@ 2026. december 1. 06:00\par )"_cp,
          R"(12. JÁTÉKHETED, 57@. FORDULÓD\par )"_cp,
          R"({\cs16\b\f6\fs20\lang1033 > 57@. forduló })"_cp,
          R"(JÁTÉKOS: Kovács Anna@\par )"_cp,
          R"({\f11\fs16 Extra forduló: 2 db@} )"_cp,
          R"({\f5\fs36 HALVÁNY ÁRNYÉK@ KALANDJAI})"_cp,
          // Order name and text, contact list.
          R"({\fs20\f4\b TANU@LÁS}\cell)"_cp,
          R"({\fs20\f4\b Egész nap a kardforgatást gyakorolod@ (Feltételes parancs szerint).}\cell)"_cp,
          R"(Kőszívű Kelemen (1201), Ezüst Íj@ (1377), Vándor Villő (1460)\par)"_cp,
          // Encyclopedia notes: the second "<BR>" still makes a paragraph.
          "\\pard\\keep\\keepn\\sb120\\widctlpar Szürke-hágó. A hágó@ a Zordon-hegység legkeletibb "
          "átjárója.\r\n\\par\\pard\\qj\\widctlpar Télen gyakran járhatatlan.\r\n"_cp,
          "\\pard\\keep\\keepn\\sb120\\widctlpar Tükörtó. Csendes@, mély tó, partján halászfalvak.\r\n"_cp,
          // Character sheet: the label is filled to nine characters before
          // it is escaped (the NUL counts, then goes).
          R"(\qj\keep\keepn Halvány Árnyék@, egy fiatal félelf vándor)"_cp,
          R"(faj      : fél@elf\cell)"_cp,
          R"(nem@  : nő\cell)"_cp,
          R"(\par\pard\qj A következő szinthez még 480 tapasztalati@ pont kell.\par)"_cp,
          // Skills, development points, switches, conditional commands.
          R"(\widctlpar\intbl {\f11\fs15 íjá@szat: 15\cell })"_cp,
          R"(\widctlpar\intbl {\f11\fs15 térkép@olvasás: 1\cell })"_cp,
          R"(\widctlpar\intbl {\f11\fs15 Harc@: 1\cell })",
          R"(\intbl {\f11\fs15 Ebben a körben 3 pontot költhetsz el, ebből 2 pontot használtál@ fel.}\cell)"_cp,
          R"({\f11\fs15 Óvatosság (labirintusokban): bekapcsolva@}\cell)"_cp,
          R"(\widctlpar\intbl {\b\fs18 Ha meg@támadnak}\cell)"_cp,
          R"(\widctlpar\intbl\qj {\fs18 3. Ha esik az eső, tábort@ versz, és kivárod, amíg eláll.}\cell)"_cp,
          // Spells, effects, attack and defence, monsters, quests, deeds,
          // mind skills.
          R"(\intbl {\b\fs18 Tűz@mágia}\cell)"_cp,
          R"({\fs18 Lángnyelv@ (#15, 2)}\cell)"_cp,
          R"({\fs18\b\par Butaság ára: a legutóbb elfelejtett varázslatod (Jégtüske, #21) újratanulása@ 2 pontba kerül.}\cell)"_cp,
          R"({\fs18 még 1@ kör}\cell)"_cp,
          R"({\fs18 Paráz@seső}\cell)"_cp,
          R"(\widctlpar\intbl {\b\f4\fs17 Védekező@ varázslatok (név, erősség)}\cell)"_cp,
          R"({\fs18 Ködfarkas@ (#318), megszelídítve, veled tart.}\cell)"_cp,
          R"( a Tükörtó vizéből merített@ kancsót, mielőtt)"_cp,
          R"({\fs18 Egyedül keltél át a Szürke-hágón télvíz@ idején (52. forduló).}\cell)"_cp,
          R"({\fs18 úszás@ (31)}\cell)"_cp,
          R"({\fs18 kőbőr@ (507) belefejlesztettél: 10 TU. szükséges még: 20 TU.}\cell)"_cp,
          // Items, total weight, bank safe.
          R"({\f11\fs20\up20\ul  Csizmák@_}\fs16\par\pard)"_cp,
          R"({\f11\fs17     1*vasalt@ csizma (#440)}\cell)",
          R"({\f11\fs17 Gyógyít@ 10 ÉP-t, egy kör alatt hat.}\cell)"_cp,
          R"({\f11\fs17 Megterhelés: könnyű@, nem lassít.}\cell)"_cp,
          R"({\f11\fs17     1 vasvért@ (#410)}\cell)"_cp,
          // Map legend: the coordinates are cut before they are escaped.
          "(57,31@) \r\n\\cell\r\n\\ql\\keep\\keepn\\widctlpar\\intbl\\qj\r\n"
          "Kóbor orkok tanyája@: itt harcoltál. \r\n"_cp,
          "\r\nA bánya bejáratát beomlott@ gerendák takarják. \r\n"_cp,
          // Message, world changes, appendix.
          R"({\fs18 Jó kalandozást@!}\cell)"_cp,
          R"({\fs18\qj A halászfalu révésze@ mostantól egy ezüstpénzért visz át a tavon.}\cell)"_cp,
          R"({\f4\fs24\b Halvány Árnyék@ 57@. fordulója }\par {\fs24 \par})"_cp,
          R"({\f11\fs12  troll@ (9)}\cell)",
          R"({\f11\fs12  150 bőr@zsák}\cell)"_cp,
          R"({\f11\fs12 $1 ezüst@pénz}\cell)"_cp,
          R"({\f11\fs12 HAR  szám      -         -           20  Támadás@ egy szereplőre\cell})"_cp,
      });
}

TEST(EscapedReportText, NewerLayoutEverySection) {
  const std::vector<Edit> edits = {
      {"Kiértékelve: 2026. december 8. 06:00<BR>"_cp,
       "Kiértékelve:@ 2026. december 8. 06:00<BR>"_cp},
      {"58. FORDULÓD"_cp, "58@. FORDULÓD"_cp},
      {"JÁTÉKOS: Kovács Anna<BR>"_cp, "JÁTÉKOS: Kovács Anna@<BR>"_cp},
      {"Extra forduló: 1 db</TD>"_cp, "Extra forduló: 1 db@</TD>"_cp},
      {"ÁRNYÉK  KALANDJAI"_cp, "ÁRNYÉK@  KALANDJAI"_cp},
      {">KUTATÁS</TD>"_cp, ">KUTA@TÁS</TD>"_cp},
      {"Átkutatod a pincét"_cp, "Átkutatod@ a pincét"_cp},
      {"Ezüst Íj (1377)"_cp, "Ezüst Íj@ (1377)"_cp},
      // Two encyclopedia entries: a note's heading and a line of its body.
      {"ENCYCLOPEDIA FANTASIA</B></CENTER>\r\n",
       "ENCYCLOPEDIA FANTASIA</B></CENTER>\r\n<A NAME=7>Hágó@</a><hr><table width=100% "
       "border=0 cellpadding=0 cellspacing=0><tr><td class=\"tenc\" valign=top>Hegyi átjáró.\r\n"
       "Télen@ járhatatlan.\r\n"_cp},
      {"<P>Halvány Árnyék, egy"_cp, "<P>Halvány Árnyék@, egy"_cp},
      {">Félelf</TD>"_cp, ">Fél@elf</TD>"_cp},
      {">Nem:</TD>", ">Nem@:</TD>"},
      {">5 %</TD>", ">5@ %</TD>"},
      {"tapasztalati pont kell"_cp, "tapasztalati@ pont kell"_cp},
      {"2. íjászat:"_cp, "2. íjá@szat:"_cp},
      {"6. térképolvasás:"_cp, "6. térkép@olvasás:"_cp},
      {">Harc: 1</TD>", ">Harc@: 1</TD>"},
      {"ebből 2 pontot használtál fel."_cp, "ebből 2 pontot használtál@ fel."_cp},
      {"bekapcsolva", "bekapcsolva@"},
      {">Ha megtámadnak</TD>"_cp, ">Ha meg@támadnak</TD>"_cp},
      {"tábort versz"_cp, "tábort@ versz"_cp},
      {">Tűzmágia</TD>"_cp, ">Tűz@mágia</TD>"_cp},
      {">Lángnyelv (#15, 2)</TD>"_cp, ">Lángnyelv@ (#15, 2)</TD>"_cp},
      {"újratanulása 2 pontba"_cp, "újratanulása@ 2 pontba"_cp},
      {">még 2 kör</TD>"_cp, ">még 2@ kör</TD>"_cp},
      {">Parázseső</TD>"_cp, ">Paráz@seső</TD>"_cp},
      {">Védekező varázslatok"_cp, ">Védekező@ varázslatok"_cp},
      {"Ködfarkas (#318)"_cp, "Ködfarkas@ (#318)"_cp},
      {"merített kancsót"_cp, "merített@ kancsót"_cp},
      {">vasalt csizma</A>", ">vasalt@ csizma</A>"},
      {"Gyógyít 10 ÉP-t"_cp, "Gyógyít@ 10 ÉP-t"_cp},
      {"Teherbírásod: 60 kg"_cp, "Teherbírásod@: 60 kg"_cp},
      {">vasvért</A> (#410)</TD> <TD ALIGN=RIGHT CLASS=\"t1\" WIDTH=30>4<"_cp,
       ">vasvért@</A> (#410)</TD> <TD ALIGN=RIGHT CLASS=\"t1\" WIDTH=30>4<"_cp},
      {"(57,31) Kóbor orkok tanyája:"_cp, "(57,31@) Kóbor orkok tanyája@:"_cp},
      {"beomlott gerendák"_cp, "beomlott@ gerendák"_cp},
      {" troll (9) ", " troll@ (9) "},
      {"160 hosszú íj"_cp, "160 hosszú@ íj"_cp},
      {"$1 ezüstpénz (0.01 kg)"_cp, "$1 ezüst@pénz (0.01 kg)"_cp},
      {"Támadás egy szereplőre"_cp, "Támadás@ egy szereplőre"_cp},
  };
  const std::string rtf = ConvertEdited("1234_58.htm", Layout::kNewer, edits);
  ExpectEscaped(
      rtf,
      {
          R"(Kiértékelve:@ 2026. december 8. 06:00\par )"_cp,
          R"(12. JÁTÉKHETED, 58@. FORDULÓD\par )"_cp,
          R"({\cs16\b\f6\fs20\lang1033 > 58@. forduló })"_cp,
          R"(JÁTÉKOS: Kovács Anna@\par )"_cp,
          // The note's line does not end the column: it follows as a line
          // of its own.
          R"({\f11\fs16 Extra forduló: 1 db@} )"_cp,
          R"(Extra forduló: 1 db@\par )"_cp,
          R"({\f5\fs36 HALVÁNY ÁRNYÉK@ KALANDJAI})"_cp,
          R"({\fs20\f4\b KUTA@TÁS}\cell)"_cp,
          R"({\fs20\f4\b Átkutatod@ a pincét. Egy ládát találsz (+3 arany).}\cell)"_cp,
          // The contact list's paragraph marks go in after the escaping.
          "Kőszívű Kelemen (1201) \\par\r\nEzüst Íj@ (1377) \\par\r\nVándor Villő (1460)\\par\r\n"_cp,
          "\\pard\\keep\\keepn\\sb120\\widctlpar Hágó@Hegyi átjáró.\r\n"
          "\\par\\pard\\qj\\widctlpar Télen@ járhatatlan. \r\n"_cp,
          // Character sheet: cells are lowered after the escaping, and the
          // blank before " %" still goes.
          R"(\qj\keep\keepn Halvány Árnyék@, egy fiatal félelf vándor)"_cp,
          "faj: fél@elf\\cell\r\n"_cp,
          "nem@: nő\\cell\r\n"_cp,
          "halhatatlanság: 5@%\\cell\r\n"_cp,
          R"(\par\pard\qj A következő szinthez még 420 tapasztalati@ pont kell.\par)"_cp,
          R"(\widctlpar\intbl {\f11\fs15 íjá@szat: 16\cell })"_cp,
          R"(\widctlpar\intbl {\f11\fs15 térkép@olvasás: 2\cell })"_cp,
          R"(\widctlpar\intbl {\f11\fs15 Harc@: 1\cell })",
          R"(\intbl {\f11\fs15 Ebben a körben 3 pontot költhetsz el, ebből 2 pontot használtál@ fel.}\cell)"_cp,
          R"({\f11\fs15 Óvatosság (labirintusokban): bekapcsolva@}\cell)"_cp,
          R"(\widctlpar\intbl {\b\fs18 Ha meg@támadnak}\cell)"_cp,
          R"(\widctlpar\intbl\qj {\fs18 3. Ha esik az eső, tábort@ versz, és kivárod, amíg eláll.}\cell)"_cp,
          R"(\intbl {\b\fs18 Tűz@mágia}\cell)"_cp,
          R"({\fs18 Lángnyelv@ (#15, 2)}\cell)"_cp,
          R"({\fs18\b\par Butaság ára: a legutóbb elfelejtett varázslatod (Jégtüske, #21) újratanulása@ 2 pontba kerül.}\cell)"_cp,
          R"({\fs18 még 2@ kör}\cell)"_cp,
          R"({\fs18 Paráz@seső}\cell)"_cp,
          R"(\widctlpar\intbl {\b\f4\fs17 Védekező@ varázslatok (név, erősség)}\cell)"_cp,
          R"({\fs18 Ködfarkas@ (#318), megszelídítve, veled tart.}\cell)"_cp,
          R"( a Tükörtó vizéből merített@ kancsót, mielőtt)"_cp,
          R"({\f11\fs17     1*vasalt@ csizma (#440)}\cell)",
          R"({\f11\fs17 Gyógyít@ 10 ÉP-t, egy kör alatt hat.}\cell)"_cp,
          R"({\f11\fs17 Teherbírásod@: 60 kg}\cell)"_cp,
          R"({\f11\fs17     1 vasvért@ (#410)}\cell)"_cp,
          "(57,31@) \r\n\\cell\r\n\\ql\\keep\\keepn\\widctlpar\\intbl\\qj\r\n"
          "Kóbor orkok tanyája@: itt harcoltál. \r\n"_cp,
          "\r\nA bánya bejáratát beomlott@ gerendák takarják. \r\n"_cp,
          R"({\f4\fs24\b Halvány Árnyék@ 58@. fordulója }\par {\fs24 \par})"_cp,
          // The appendix entries are cut from the line before they are
          // escaped.
          R"({\f11\fs12  troll@ (9)\cell})",
          R"({\f11\fs12  160 hosszú@ íj (1.2 kg)\cell})"_cp,
          R"({\f11\fs12 $1 ezüst@pénz (0.01 kg)\cell})"_cp,
          R"({\f11\fs12 HAR  szám      -         -           20  Támadás@ egy szereplőre\cell})"_cp,
      });
}

// --- Font names --------------------------------------------------------------

FormatSettings ReadSettings(const TempDir& dir, std::string_view ini) {
  return ReadFormatSettings(IniFile(dir.Write("qvformat.ini", ini)), "www.a.example");
}

TEST(FontNames, ThoseThatWouldBreakTheFontTableAreRefused) {
  TempDir dir;
  struct Case {
    std::string line;
    std::string key, shown;
  };
  const Case cases[] = {
      {"FontTimes=Times}CE", "FontTimes", "\"}\""},
      {"FontArial=Arial;CE", "FontArial", "\";\""},
      {"FontFooter={Footer", "FontFooter", "\"{\""},
      {"FontFixed=Courier\\New", "FontFixed", "\"\\\""},
      {"FontTimes=Times\tCE", "FontTimes", "a 0x09 vezerlobajt"},
      {"FontFixed=Courier\x01", "FontFixed", "a 0x01 vezerlobajt"},
  };
  for (const Case& c : cases) {
    try {
      ReadSettings(dir, "[FORMAT]\r\n" + c.line + "\r\n");
      ADD_FAILURE() << c.line << " was taken";
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), "Beallitasi hiba");
      EXPECT_EQ(e.text(), "'" + dir.path() + "/qvformat.ini' [FORMAT] szakaszaban a " + c.key +
                              " ertekeben " + c.shown +
                              " all, ami betukeszlet neveben nem allhat: elrontana a dokumentum "
                              "betukeszlet-tablazatat");
    }
  }
}

TEST(FontNames, OtherNamesAndTheDefaultsAreTaken) {
  TempDir dir;
  const FormatSettings s =
      ReadSettings(dir, "[FORMAT]\r\nFontTimes=Times (CE) 2\r\nFontArial=Árnyék-Sans, CE\r\n"_cp);
  EXPECT_EQ(s.fonts.times, "Times (CE) 2");
  EXPECT_EQ(s.fonts.arial, "Árnyék-Sans, CE"_cp);
  EXPECT_EQ(s.fonts.footer, "Arial Narrow CE QV Footer");
  EXPECT_EQ(s.fonts.fixed, "Courier New CE");
}

}  // namespace
}  // namespace qv
