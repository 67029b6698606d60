#include "convert/item_changes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "convert/closing_sections.h"
#include "convert/sections.h"
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
using test::SectionHeading;

// The lists converted from the report's first line on; `stoppedAt` gets the
// line the searches ended on.
std::string Convert(Layout v, const std::string& report, std::string* stoppedAt = nullptr) {
  test::ConverterHarness h(v, report, /*pictures=*/false);
  ConvertItemChanges(h.run);
  if (stoppedAt != nullptr) *stoppedAt = h.run.currentLine;
  return h.out.Text();
}

const std::string kRow = L(R"(\trowd|\cellx3400|\cellx6800|\cellx10200|\widctlpar\intbl)");
// Two blank cells and the row end, after a row's only item.
const std::string kFilled = L(R"({\f11\fs17  }\cell|{\f11\fs17  }\cell|\row)");
const std::string kPard = L(R"(\pard)");
const std::string kNewerTableEnd = "</TABLE></TD></TR></TABLE>";

const std::pair<std::string_view, std::string_view> kLists[] = {
    {"TÁRGYAID A BANK SZÉFJÉBEN"_cp, "Tárgyaid a bank széfjében "_cp},
    {"A FORDULÓ ELEJÉN MÉG MEGVOLT..."_cp, "A forduló elején még megvolt... "_cp},
    {"AZ ELŐZŐ FORDULÓBAN MÉG MEGVOLT..."_cp, "Az előző fordulóban még megvolt... "_cp},
    {"EBBEN A FORDULÓBAN KERÜLT HOZZÁD..."_cp, "Ebben a fordulóban került hozzád... "_cp}};

// An item of a newer-layout row: its count cell and its name cell.
std::string Item(std::string_view count, std::string_view name) {
  return R"(<TD ALIGN=RIGHT CLASS="t1" WIDTH=30>)" + std::string(count) +
         R"(</TD> <TD CLASS="t1">)" + std::string(name) + "</TD>";
}

// List i holding 2 gyógyfű, in the report and as written.
std::string ListIn(Layout v, int i) {
  const std::string heading = "<TD COLSPAN=9>" + std::string(kLists[i].first) + "</TD>";
  if (v == Layout::kNewer)
    return L(heading + "|<TR>" + Item("2", "gyógyfű (#311)"_cp) + "</TR>|" + kNewerTableEnd);
  return L(heading +
           std::string("|<TR>|<TD CLASS=tdb> 2 </TD>|<TD CLASS=teq>=</TD>|"
                       "<TD><A HREF=\"#t311\">gyógyfű</A> (#311)</TD>|</TR>|</table>"_cp));
}
// The older layout ends the open row as it is, the newer one fills it up.
std::string ListOut(Layout v, int i) {
  return SectionHeading(kLists[i].second) + kRow +
         L(R"({\f11\fs17     2 gyógyfű (#311)}\cell)"_cp) +
         (v == Layout::kNewer ? kFilled : L(R"(\row)")) + kPard;
}

TEST(ItemChanges, EveryListInOrderAnyOneMissingOrOnlyTheLast) {
  for (Layout v : {Layout::kOlder, Layout::kNewer}) {
    for (int missing = -1; missing < 4; ++missing) {
      std::string report = L("<P>"), expected;
      for (int i = 0; i < 4; ++i) {
        if (i == missing) continue;
        report += ListIn(v, i);
        expected += ListOut(v, i);
      }
      EXPECT_EQ(Convert(v, report), expected) << static_cast<int>(v) << " without " << missing;
    }
    // The three searches before the last list stop at its marker, so a bank
    // list behind it is never looked for.
    EXPECT_EQ(Convert(v, ListIn(v, 3) + ListIn(v, 0)), ListOut(v, 3));
  }
}

TEST(ItemChanges, ClosingSectionsOfTheLayoutEndEverySearch) {
  const std::vector<std::string_view> older = {
      "E KÖRBEN TETT LÉPÉSEID TÉRKÉPE"_cp, "ÜZENET A JÁTÉKVEZETŐTŐL"_cp, "Változások a Zordon"_cp,
      "ZORDON VIDÉK REFERENCIA"_cp, "&copy"};
  const std::vector<std::string_view> newer = {"E körben tett lépéseid térképe"_cp,
                                               "ZORDON  VIDÉK  REFERENCIA"_cp, "&copy"};
  std::vector<std::string_view> all = older;
  all.insert(all.end(), newer.begin(), newer.end());
  for (Layout v : {Layout::kOlder, Layout::kNewer}) {
    const std::vector<std::string_view>& own = v == Layout::kOlder ? older : newer;
    for (std::string_view marker : all) {
      const bool stops = std::find(own.begin(), own.end(), marker) != own.end();
      std::string stoppedAt;
      EXPECT_EQ(Convert(v, L("<P>|<H2>" + std::string(marker)) + ListIn(v, 1), &stoppedAt),
                stops ? "" : ListOut(v, 1))
          << static_cast<int>(v) << ": " << marker;
      if (stops) {
        EXPECT_EQ(stoppedAt, "<H2>" + std::string(marker));
      }
    }
  }
}

TEST(ItemChanges, OlderLayoutFourItemsMakeTwoRowsWithoutTheMark) {
  const std::string report = L(
      "<TD COLSPAN=9>TÁRGYAID A BANK SZÉFJÉBEN</TD>|</TR>|<TR>|<TD CLASS=tdb> 1 </TD>|"
      "<TD CLASS=teq>*</TD>|<TD><A HREF=\"#t410\">vasvért</A>   (#410)</TD>|<td class=tdb>12</td>|"
      "<td class=teq>=</td>|<td>gyógyfű (#311)</td>|<TD CLASS=tdb>12345</TD>|<TD></TD>|"
      "<TD>ezüstpénz ($1)</TD>|</TR>|<TR>|<TD CLASS=tdb> 2 </TD>|<TD>=</TD>|<TD>fáklya</TD>|"
      "</TR>|</TABLE>|<TD CLASS=tdb> 9 </TD>"_cp);
  EXPECT_EQ(Convert(Layout::kOlder, report),
            SectionHeading("Tárgyaid a bank széfjében "_cp) + kRow +
                L(R"({\f11\fs17     1 vasvért (#410)}\cell|{\f11\fs17    12 gyógyfű (#311)}\cell|)"
                  R"({\f11\fs17 12345 ezüstpénz ($1)}\cell|\row)"_cp) +
                // The row the table ends in is ended with its one cell.
                kRow + L(R"({\f11\fs17     2 fáklya}\cell|\row)"_cp) + kPard);
}

TEST(ItemChanges, NewerLayoutCellsEndAtTheNextCountCellOrTheRowEnd) {
  const std::string report =
      L(std::string("<TD>A FORDULÓ ELEJÉN MÉG MEGVOLT...</TD>|<TR>"_cp) +
        Item("1", "vasvért  (#410)"_cp) + " " + Item("1234", "<B>gyógyfű</B> (#311)"_cp) + " " +
        Item("12345", "x * y + z > w") + "</TR>|<TR>" + Item(">5", "nyíl"_cp) + "</TR>|<TR>" +
        // Not normalised, two blanks hide the next count cell.
        Item("2", "a") + "  " + Item("3", "b") +
        R"(</TR>|<TR><TD ALIGN=RIGHT CLASS="t1" WIDTH=30>7</TD></TR>|)" + kNewerTableEnd + "|<TR>");
  EXPECT_EQ(Convert(Layout::kNewer, report),
            SectionHeading("A forduló elején még megvolt... "_cp) + kRow +
                L(R"({\f11\fs17     1 vasvért (#410)}\cell|{\f11\fs17  1234 gyógyfű (#311)}\cell|)"
                  R"({\f11\fs17 12345 x*y+z>w}\cell|\row)"_cp) +
                // A leading ">" is kept as text, and the tags after it go.
                kRow + L(R"({\f11\fs17    >5 nyíl}\cell)"_cp) + kFilled + kRow +
                L(R"({\f11\fs17     2 a 3 b}\cell)") + kFilled + kRow +
                L(R"({\f11\fs17       7}\cell)") + kFilled + kPard);
}

// Each sample from its character sheet on, whole and cut after every line from
// the bank safe on: the lists come in order, and the document still closes.
TEST(ItemChanges, SamplesCarryEveryListAndStayClosedWhereverTheyAreCut) {
  for (const auto& [name, v] :
       {std::pair{"1234_57.htm", Layout::kOlder}, std::pair{"1234_58.htm", Layout::kNewer}}) {
    const std::string report = test::SampleReport(name);
    const std::size_t sheet = report.rfind("\r\n", report.find("KARAKTERLAP")) + 2;
    const std::size_t lists = report.find(kLists[0].first);
    ASSERT_TRUE(sheet < lists && lists != std::string::npos) << name;
    auto walk = [v](const std::string& part) {
      test::ConverterHarness h(v, part, /*pictures=*/true);
      WalkSections(h.run);
      ConvertClosingSections(h.run);
      return h.out.Text();
    };
    const std::string whole = walk(report.substr(sheet));
    std::size_t at = 0;
    for (const auto& list : kLists)
      EXPECT_NE(at = whole.find(SectionHeading(list.second), at), std::string::npos) << name;
    for (std::size_t end = report.rfind("\r\n", lists); end != std::string::npos;
         end = report.find("\r\n", end + 2)) {
      const std::string cut = walk(report.substr(sheet, end + 2 - sheet));
      // The closing "}" stands for the prologue's "{", which is not written here.
      ASSERT_EQ(test::RtfStructureFaults("{" + cut), "") << name << " cut at " << end;
      ASSERT_TRUE(EndsWith(cut, "}\r\n")) << name << " cut at " << end;
    }
  }
}

}  // namespace
}  // namespace qv
