#include "convert/character_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/converter_harness.h"
#include "tests/support/lines.h"
#include "text/cp1250.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;
std::string S(std::string_view text) { return std::string(text); }

// Converts the sheet of a report whose first line is the marker line.
struct Sheet : test::ConverterHarness {
  Sheet(Layout v, const std::string& report) : ConverterHarness(v, report, /*pictures=*/false) {
    run.ReadLine();
    WriteCharacterSheet(run);
    written = test::SplitLines(out.Text());
  }
  // n lines from the first that begins with `start`, or the last n lines.
  Lines At(std::string_view start, std::size_t n) const {
    for (std::size_t i = 0; i < written.size(); ++i)
      if (written[i].starts_with(start))
        return Lines(written.begin() + i, written.begin() + std::min(written.size(), i + n));
    return {};
  }
  Lines Tail(std::size_t n) const {
    return Lines(written.end() - std::min(n, written.size()), written.end());
  }
  Lines written;
};

// Older layout: a label line and a value line per attribute, two lines
// between rows.
std::string OldRow(std::vector<std::string_view> cells, std::string_view after = "</TR>\r\n<TR>") {
  std::string text;
  for (std::string_view c : cells) text += "<TD>" + S(c) + "</TD>\r\n";
  return text + S(after) + "\r\n";
}

const std::string kPlainRow = OldRow({"A:", "1", "B:", "2", "C:", "3", "D:", "4"});
const std::string kOldStart =
    S("KARAKTERLAP\r\n<P>Árny, egy   <B>elf</B>.\r\n<TABLE>\r\n<TR>\r\n"_cp) +
    OldRow(
        {"Erő:"_cp, "14", "Varázspont:"_cp, " 12/20 ", "Jellem:", "semleges (jó)"_cp, "X:", ""}) +
    kPlainRow + kPlainRow + kPlainRow;

TEST(CharacterSheetOld, LabelsFilledToNineAndTheLineAheadReadAgain) {
  Sheet h(Layout::kOlder,
          kOldStart +
              OldRow({"Pénz:"_cp, "45", "Életkor:"_cp, "19", "Tapasztalat:", "9", "D:", "4"},
                     "</TR>\r\n</TABLE>") +
              S("<P>Vége.\r\nmég\r\n<TABLE>\r\n"_cp));
  EXPECT_EQ(h.At("\\par\\par", 2),
            (Lines{"\\par\\par {\\f5\\fs36\\qc\\keep\\keepn KARAKTERLAP{\\f5\\fs20\\par\\par}}",
                   S("\\qj\\keep\\keepn Árny, egy elf.\\par"_cp)}));
  EXPECT_EQ(h.At("erő"_cp, 5),
            (Lines{S("erő      : 14\\cell"_cp), S("varázspt : 12/20\\cell"_cp),
                   S("jellem: semleges (jó)\\cell"_cp), "x        : \\cell", "\\row"}));
  // "pénz" and "életkor" are not filled.
  EXPECT_EQ(h.At("pénz"_cp, 4), (Lines{S("pénz: 45\\cell"_cp), S("életkor: 19\\cell"_cp),
                                       "tapasztalat: 9\\cell", "d        : 4\\cell"}));
  // No "Tudatpont" or "Vérpont" ahead: four empty cells, and the line looked
  // at opens the closing text.
  EXPECT_EQ(h.Tail(9),
            (Lines{"\\keep\\keepn\\widctlpar\\intbl", "\\cell", "\\cell", "\\cell", "\\cell",
                   "\\row", "\\pard", "\\f4\\fs20", S("\\par\\pard\\qj Vége.még\\par"_cp)}));
  EXPECT_EQ(h.run.characterName, "Árny"_cp);
  EXPECT_EQ(h.run.currentLine, "<TABLE>");
  EXPECT_EQ(h.console.lines, Lines{"Karakterlap..."});
}

// Newer layout: a row is one line of label and value cells, with empty
// separator cells between the pairs.
std::string NewRow(std::vector<std::string_view> cells) {
  std::string text = "<TR>";
  for (std::size_t i = 0; i < cells.size(); ++i)
    text += (i % 2 == 0 && i > 0 ? R"(<TD WIDTH=1 CLASS="t0"></TD>)" : "") +
            S(R"(<TD CLASS="t1">)") + S(cells[i]) + "</TD>";
  return text + "</TR>\r\n";
}

TEST(CharacterSheetNew, ColonsAlignedLongTextsShortenedAndNamedBottomCells) {
  const std::string tableStart =
      "<TABLE WIDTH=740 CELLPADDING=1 CELLSPACING=0 BORDER=0 CLASS=\"t0\"><TR><TD>\r\n";
  const std::string plain = NewRow({"A:", "1", "B:", "2", "C:", "3", "D:", "4"});
  Sheet h(
      Layout::kNewer,
      S("KARAKTERLAPOD\r\n<P>Árny, egy elf.\r\n"_cp) + tableStart + "<TABLE>" +
          NewRow({"Faj:", "Félelf"_cp, "Szerencse:", "5", "Erő:"_cp, "14", "Szint:", "<B>7</B>"}) +
          NewRow({"Ügyesség:"_cp, "16", "Varázspont:"_cp, "12", "Jellem:", "Semleges (jó)"_cp,
                  "Tul. pont:", "2"}) +
          NewRow({"Erő:"_cp, "1", "Mana:", "8", "Aggresszió:"_cp, "30%", "Kép. pont:"_cp, "1"}) +
          plain + plain +
          // No "Pszi pont": its pair of cells is empty.
          NewRow({"Tudatpont:", "40", "", "", "Halhatatlanság:"_cp, "5 %", "EFejl:", "120"}) +
          "</TABLE></TD></TR></TABLE>\r\n<P>Vége.\r\n" + tableStart);
  EXPECT_EQ(h.At("\\qj", 1), Lines{S("\\qj\\keep\\keepn Árny, egy elf.\\par"_cp)});
  // A label of three letters gets six blanks before its colon, one of nine
  // none; the other cells are not aligned. Every cell but the last of its
  // row carries a line break of its own, hence the empty lines.
  EXPECT_EQ(h.At("faj"_cp, 8), (Lines{S("faj      : félelf\\cell"_cp), "", "szerencse: 5\\cell", "",
                                      S("erő: 14\\cell"_cp), "", "szint: 7\\cell", "\\row"}));
  EXPECT_EQ(h.At("ügyesség"_cp, 7),
            (Lines{S("ügyesség : 16\\cell"_cp), "", S("varázspt : 12\\cell"_cp), "",
                   S("jellem: semleges(jó)\\cell"_cp), "", "tul.pont: 2\\cell"}));
  EXPECT_EQ(h.At("erő      : 1\\"_cp, 7),
            (Lines{S("erő      : 1\\cell"_cp), "", "mana     : 8\\cell", "",
                   S("agresszió: 30%\\cell"_cp), "", S("kép.pont: 1\\cell"_cp)}));
  EXPECT_EQ(h.Tail(10), (Lines{"tudatpont: 40\\cell", "", "\\cell",
                               S("halhatatlanság: 5%\\cell"_cp), "", "EFejl: 120 TU\\cell", "\\row",
                               "\\pard", "\\f4\\fs20", "\\par\\pard\\qj Vége.\\par"}));
  EXPECT_EQ(h.run.characterName, "Árny"_cp);
}

}  // namespace
}  // namespace qv
