#include "convert/character_sheet.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "rtfkit/cp1250.h"
#include "tests/maps_support.h"

namespace qv {
namespace {

// A conversion run over report text, writing into memory.
struct Harness : test::MapHarness {
  Harness(Variant v, std::string_view report) : MapHarness(v, report, /*pictures=*/false) {}
};

// Each item followed by CR LF.
std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

const std::string kTop = Lines(
    {"\\par\\f11\\fs19\\trowd", "\\trqc", "\\trgaph70", "\\trbrdrt\\brdrs\\brdrw15",
     "\\trbrdrl\\brdrs\\brdrw15", "\\trbrdrb\\brdrs\\brdrw15", "\\trbrdrr\\brdrs\\brdrw15",
     "\\trbrdrv\\brdrs\\brdrw15", "\\clbrdrl\\brdrs\\brdrw15", "\\clbrdrt\\brdrs\\brdrw15",
     "\\cellx2550", "\\clbrdrt\\brdrs\\brdrw15", "\\clbrdrl\\brdrs\\brdrw15", "\\cellx5100",
     "\\clbrdrt\\brdrs\\brdrw15", "\\clbrdrl\\brdrs\\brdrw15", "\\cellx7650",
     "\\clbrdrt\\brdrs\\brdrw15", "\\clbrdrl\\brdrs\\brdrw15", "\\clbrdrr\\brdrs\\brdrw15",
     "\\cellx10200", "\\keep\\keepn\\widctlpar\\intbl"});
const std::string kMiddle = Lines(
    {"\\trowd", "\\trqc", "\\trgaph70", "\\trbrdrl\\brdrs\\brdrw15", "\\trbrdrr\\brdrs\\brdrw15",
     "\\trbrdrv\\brdrs\\brdrw15", "\\clbrdrl\\brdrs\\brdrw15", "\\cellx2550",
     "\\clbrdrl\\brdrs\\brdrw15", "\\cellx5100", "\\clbrdrl\\brdrs\\brdrw15", "\\cellx7650",
     "\\clbrdrl\\brdrs\\brdrw15", "\\clbrdrr\\brdrs\\brdrw15", "\\cellx10200",
     "\\keep\\keepn\\widctlpar\\intbl"});
const std::string kBottom = Lines(
    {"\\trowd", "\\trqc", "\\trgaph70", "\\trbrdrt\\brdrs\\brdrw15", "\\trbrdrl\\brdrs\\brdrw15",
     "\\trbrdrb\\brdrs\\brdrw15", "\\trbrdrr\\brdrs\\brdrw15", "\\trbrdrv\\brdrs\\brdrw15",
     "\\clbrdrl\\brdrs\\brdrw15", "\\clbrdrb\\brdrs\\brdrw15", "\\cellx2550",
     "\\clbrdrl\\brdrs\\brdrw15", "\\clbrdrb\\brdrs\\brdrw15", "\\cellx5100",
     "\\clbrdrl\\brdrs\\brdrw15", "\\clbrdrb\\brdrs\\brdrw15", "\\cellx7650",
     "\\clbrdrl\\brdrs\\brdrw15", "\\clbrdrr\\brdrs\\brdrw15", "\\clbrdrb\\brdrs\\brdrw15",
     "\\cellx10200", "\\keep\\keepn\\widctlpar\\intbl"});

using Pairs = std::vector<std::pair<std::string_view, std::string_view>>;

// Older layout: a label line and a value line per attribute, then the two
// lines between rows.
std::string OldRow(const Pairs& pairs, std::string_view between = "</TR>\r\n<TR>\r\n") {
  std::string text;
  for (const auto& [label, value] : pairs)
    text += "<TD>" + std::string(label) + "</TD>\r\n<TD>" + std::string(value) + "</TD>\r\n";
  return text + std::string(between);
}

const std::string kOldRows =
    OldRow({{"Erő:"_cp, "14"}, {"Életpont:"_cp, " 38/42 "}, {"Faj:", "elf"}, {"Szint:", "7"}}) +
    OldRow({{"Ügyesség:"_cp, "16"}, {"Varázspont:"_cp, "12/20"}, {"Jellem:", "semleges (jó)"_cp},
            {"Tapasztalat:", "1520"}}) +
    OldRow({{"Állóképesség:"_cp, "13"}, {"Mana:", "8"}, {"Aggresszió:"_cp, "30%"},
            {"Tul. pont:", "2"}}) +
    OldRow({{"Intelligencia:", "12"}, {"Páncél:"_cp, "3"}, {"Életkor:"_cp, "19 év"_cp},
            {"Kép. pont:"_cp, "1"}});

// The cells of the four rows above: labels lowered and filled to nine
// characters before their colon, except "pénz", "jellem" and "életkor";
// "varázspont" is shortened.
const std::string kOldCells =
    Lines({"erő      : 14\\cell"_cp, "életpont : 38/42\\cell"_cp, "faj      : elf\\cell",
           "szint    : 7\\cell", "\\row"}) +
    kMiddle +
    Lines({"ügyesség : 16\\cell"_cp, "varázspt : 12/20\\cell"_cp,
           "jellem: semleges (jó)\\cell"_cp, "tapasztalat: 1520\\cell", "\\row"}) +
    kMiddle +
    Lines({"állóképesség: 13\\cell"_cp, "mana     : 8\\cell", "aggresszió: 30%\\cell"_cp,
           "tul. pont: 2\\cell", "\\row"}) +
    kMiddle +
    Lines({"intelligencia: 12\\cell", "páncél   : 3\\cell"_cp, "életkor: 19 év\\cell"_cp,
           "kép. pont: 1\\cell"_cp, "\\row"}) +
    kMiddle;

TEST(CharacterSheetOld, FiveRowsThenEmptyBottomRowAndThePeekedLineReadAgain) {
  Harness h(Variant::kRtf,
            std::string("<CENTER><H2>KARAKTERLAP</H2></CENTER>\r\n"
                        "<P>Árny, egy   <B>elf</B> vándor.\r\n"
                        "<TABLE>\r\n<TR>\r\n"_cp) +
                kOldRows +
                OldRow({{"Bölcsesség:"_cp, "11"}, {"Pénz:"_cp, "45 arany"}, {"Nem:", "nő"_cp},
                        {"Hírnév:"_cp, "4"}},
                       "</TR>\r\n</TABLE>\r\n") +
                std::string("<P>Vége   <B>van</B>.\r\nmég\r\n<TABLE>\r\nrest\r\n"_cp));
  h.run.ReadLine();
  rtf::WriteCharacterSheet(h.run);
  EXPECT_EQ(h.out.Text(),
            Lines({"\\par\\par {\\f5\\fs36\\qc\\keep\\keepn KARAKTERLAP{\\f5\\fs20\\par\\par}}",
                   "\\qj\\keep\\keepn Árny, egy elf vándor.\\par"_cp}) +
                kTop + kOldCells +
                Lines({"bölcsesség: 11\\cell"_cp, "pénz: 45 arany\\cell"_cp, "nem      : nő\\cell"_cp,
                       "hírnév   : 4\\cell"_cp, "\\row"}) +
                kBottom +
                // No "Tudatpont" or "Vérpont" ahead: four empty cells, and
                // the line looked at opens the closing text.
                Lines({"\\cell", "\\cell", "\\cell", "\\cell", "\\row", "\\pard", "\\f4\\fs20",
                       "\\par\\pard\\qj Vége van.még\\par"_cp}));
  EXPECT_EQ(h.run.characterName, "Árny"_cp);
  EXPECT_EQ(h.run.currentLine, "<TABLE>");
  EXPECT_EQ(h.console.lines, std::vector<std::string>{"Karakterlap..."});
}

TEST(CharacterSheetOld, SixthRowWhenTudatpontOrVerpontFollows) {
  for (std::string_view first : {"Tudatpont:"_cp, "Vérpont:"_cp}) {
    Harness h(Variant::kRtf,
              std::string("KARAKTERLAP\r\nNév nélkül\r\n<table>\r\n<TR>\r\n"_cp) + kOldRows +
                  OldRow({{"Bölcsesség:"_cp, "11"}, {"Pénz:"_cp, "45"}, {"Nem:", "nő"_cp},
                          {"Hírnév:"_cp, "4"}}) +
                  OldRow({{first, "40"}, {"Pszi pont:", "6"}, {"Halhatatlanság:"_cp, "5 %"},
                          {"EFejl:", "120 TU"}},
                         "</TR>\r\n</TABLE>\r\n") +
                  "<TABLE>\r\n");
    h.run.ReadLine();
    rtf::WriteCharacterSheet(h.run);
    const std::string& out = h.out.Text();
    const std::size_t bottom = out.find(kBottom);
    ASSERT_NE(bottom, std::string::npos);
    const std::string_view sixth =
        first == "Tudatpont:" ? "tudatpont: 40\\cell"_cp : "vérpont  : 40\\cell"_cp;
    EXPECT_EQ(out.substr(bottom + kBottom.size()),
              Lines({sixth, "pszi pont: 6\\cell", "halhatatlanság: 5 %\\cell"_cp,
                     "efejl    : 120 TU\\cell", "\\row", "\\pard", "\\f4\\fs20",
                     "\\par\\pard\\qj \\par"}));
    // Without ", egy " the character has no name.
    EXPECT_EQ(h.run.characterName, "");
  }
}

TEST(CharacterSheetOld, ReportEndingAfterTheIntroductionStillWritesTheTable) {
  Harness h(Variant::kRtf, "KARAKTERLAP\r\n<P>Árny, egy elf.\r\n"_cp);
  h.run.ReadLine();
  rtf::WriteCharacterSheet(h.run);
  const std::string empty = "         : \\cell";
  const std::string emptyRow = Lines({empty, empty, empty, empty, "\\row"});
  EXPECT_EQ(h.out.Text(),
            Lines({"\\par\\par {\\f5\\fs36\\qc\\keep\\keepn KARAKTERLAP{\\f5\\fs20\\par\\par}}",
                   "\\qj\\keep\\keepn Árny, egy elf.\\par"_cp}) +
                kTop + emptyRow + kMiddle + emptyRow + kMiddle + emptyRow + kMiddle + emptyRow +
                kMiddle + emptyRow + kBottom +
                Lines({"\\cell", "\\cell", "\\cell", "\\cell", "\\row", "\\pard", "\\f4\\fs20",
                       "\\par\\pard\\qj \\par"}));
}

// Newer layout: a row is one line of label and value cells, with empty
// separator cells between the pairs.
std::string NewRow(const Pairs& pairs) {
  std::string text = "<TR>";
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (i > 0) text += R"(<TD WIDTH=1 CLASS="t0"></TD>)";
    text += R"(<TD CLASS="t1">)" + std::string(pairs[i].first) + R"(</TD><TD CLASS="t1">)" +
            std::string(pairs[i].second) + "</TD>";
  }
  return text + "</TR>\r\n";
}

const std::string kTableStart =
    "<TABLE WIDTH=740 CELLPADDING=1 CELLSPACING=0 BORDER=0 CLASS=\"t0\"><TR><TD>\r\n";

TEST(CharacterSheetNew, ColonsAlignedAndLongTextsShortened) {
  Harness h(
      Variant::kRtfUj,
      std::string("<CENTER><H2>KARAKTERLAPOD</H2></CENTER>\r\n<P>Árny, egy   elf vándor.\r\n"_cp) +
          kTableStart +
          "<TABLE CLASS=\"t0\">" +
          NewRow({{"Faj:", "Félelf"_cp}, {"Szerencse:", "5"}, {"Erő:"_cp, "14"},
                  {"Szint:", "<B>7</B>"}}) +
          NewRow({{"Ügyesség:"_cp, "16"}, {"Varázspont:"_cp, "12/20"},
                  {"Jellem:", "Semleges (jó)"_cp}, {"Tul. pont:", "2"}}) +
          NewRow({{"Állóképesség:"_cp, "13"}, {"Mana:", "8"}, {"Aggresszió:"_cp, "30%"},
                  {"Kép. pont:"_cp, "1"}}) +
          NewRow({{"Intelligencia:", "12"}, {"Páncél:"_cp, "3"}, {"Életkor:"_cp, "19   év"_cp},
                  {"Hírnév:"_cp, "4"}}) +
          NewRow({{"Bölcsesség:"_cp, "11"}, {"Pénz:"_cp, "45 Arany"}, {"Nem:", "Nő"_cp},
                  {"Ölés:"_cp, "3"}}) +
          // The bottom row has no "Pszi pont": its pair of cells is empty.
          NewRow({{"Tudatpont:", "40"}, {"", ""}, {"Halhatatlanság:"_cp, "5 %"},
                  {"EFejl:", "120"}}) +
          "</TABLE></TD></TR></TABLE>\r\n<P>Tapasztalat: 1520.\r\n" + kTableStart + "rest\r\n");
  h.run.ReadLine();
  rtfuj::WriteCharacterSheet(h.run);
  // Every cell but the last of its row carries its own line break, so a
  // blank line follows it.
  EXPECT_EQ(
      h.out.Text(),
      Lines({"{\\f5\\fs36\\qc\\keep\\keepn KARAKTERLAPOD{\\f5\\fs20\\par\\par}}",
             "\\qj\\keep\\keepn Árny, egy elf vándor.\\par"_cp}) +
          kTop +
          // A label of three letters gets six blanks before its colon, one of
          // nine none; the third and fourth cells are not aligned.
          Lines({"faj      : félelf\\cell"_cp, "", "szerencse: 5\\cell", "", "erő: 14\\cell"_cp, "",
                 "szint: 7\\cell", "\\row"}) +
          kMiddle +
          Lines({"ügyesség : 16\\cell"_cp, "", "varázspt : 12/20\\cell"_cp, "",
                 "jellem: semleges(jó)\\cell"_cp, "", "tul.pont: 2\\cell", "\\row"}) +
          kMiddle +
          Lines({"állóképesség: 13\\cell"_cp, "", "mana     : 8\\cell", "",
                 "agresszió: 30%\\cell"_cp, "", "kép.pont: 1\\cell"_cp, "\\row"}) +
          kMiddle +
          Lines({"intelligencia: 12\\cell", "", "páncél   : 3\\cell"_cp, "",
                 "életkor: 19 év\\cell"_cp, "", "hírnév: 4\\cell"_cp, "\\row"}) +
          kMiddle +
          Lines({"bölcsesség: 11\\cell"_cp, "", "pénz     : 45 arany\\cell"_cp, "",
                 "nem: nő\\cell"_cp, "", "ölés: 3\\cell"_cp, "\\row"}) +
          kBottom +
          Lines({"tudatpont: 40\\cell", "", "\\cell", "halhatatlanság: 5%\\cell"_cp, "",
                 "EFejl: 120 TU\\cell", "\\row", "\\pard", "\\f4\\fs20",
                 "\\par\\pard\\qj Tapasztalat: 1520.\\par"}));
  EXPECT_EQ(h.run.characterName, "Árny"_cp);
  EXPECT_EQ(h.run.currentLine, kTableStart.substr(0, kTableStart.size() - 2));
  EXPECT_EQ(h.console.lines, std::vector<std::string>{"Karakterlap..."});
}

TEST(CharacterSheetNew, RowLinesWithoutCellsGiveEmptyCells) {
  Harness h(Variant::kRtfUj, "KARAKTERLAPOD\r\nx\r\n" + kTableStart + "a\r\nb\r\n");
  h.run.ReadLine();
  rtfuj::WriteCharacterSheet(h.run);
  const std::string& out = h.out.Text();
  // The first row: no colon to align, no label; the bottom row names none.
  const std::size_t top = out.find(kTop);
  ASSERT_NE(top, std::string::npos);
  const std::string firstRow = Lines({"\\cell", "", "\\cell", "", "\\cell", "", "\\cell", "\\row"});
  EXPECT_EQ(out.substr(top + kTop.size(), firstRow.size()), firstRow);
  EXPECT_NE(out.find(kBottom + Lines({"\\cell", "\\cell", "\\cell", "\\cell", "\\row", "\\pard",
                                      "\\f4\\fs20", "\\par\\pard\\qj \\par"})),
            std::string::npos);
  EXPECT_EQ(h.run.characterName, "");
}

}  // namespace
}  // namespace qv
