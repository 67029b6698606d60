#include "convert/item_changes.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/maps_support.h"
#include "text/cp1250.h"
#include "text/text.h"

namespace qv {
namespace {

// Lines given as one text with "|" between them, each ended by CR LF.
std::string L(std::string_view lines) {
  return ReplaceAll("|", "\r\n", std::string(lines)) + "\r\n";
}

// Converts the lists of a report from its first line on; the current line
// where the searches stopped goes to `stoppedAt`.
std::string Convert(Layout v, const std::string& report, std::string* stoppedAt = nullptr) {
  test::MapHarness h(v, report, /*pictures=*/false);
  (v == Layout::kRtf ? rtf::ConvertItemChanges : rtfuj::ConvertItemChanges)(h.run);
  if (stoppedAt != nullptr) *stoppedAt = h.run.currentLine;
  return h.out.Text();
}

std::string Heading(std::string_view title) {
  return L(
      R"(\pard \ql\widctlpar {\f11\fs19 \par}|\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 )" +
      std::string(title) + R"(\par}})");
}

const std::string kRow = L(R"(\trowd|\cellx3400|\cellx6800|\cellx10200|\widctlpar\intbl)");
const std::string kPard = L(R"(\pard)");
const std::string kTableEndRtfUj = "</TABLE></TD></TR></TABLE>";

struct List {
  std::string_view marker, title;
};
const List kLists[] = {
    {"TÁRGYAID A BANK SZÉFJÉBEN"_cp, "Tárgyaid a bank széfjében "_cp},
    {"A FORDULÓ ELEJÉN MÉG MEGVOLT..."_cp, "A forduló elején még megvolt... "_cp},
    {"AZ ELŐZŐ FORDULÓBAN MÉG MEGVOLT..."_cp, "Az előző fordulóban még megvolt... "_cp},
    {"EBBEN A FORDULÓBAN KERÜLT HOZZÁD..."_cp, "Ebben a fordulóban került hozzád... "_cp}};

// An item of a newer-layout row: its count cell and its name cell.
std::string Item(std::string_view count, std::string_view name) {
  return R"(<TD ALIGN=RIGHT CLASS="t1" WIDTH=30>)" + std::string(count) +
         R"(</TD> <TD CLASS="t1">)" + std::string(name) + "</TD>";
}

// A list of one item (2 gyógyfű) in the report's form and as written.
std::string OneItemList(Layout v, std::string_view marker) {
  const std::string heading = "<TD COLSPAN=9>" + std::string(marker) + "</TD>";
  if (v == Layout::kRtf)
    return L(heading +
             std::string("|</TR>|<TR>|<TD CLASS=tdb> 2 </TD>|<TD CLASS=teq>=</TD>|"
                         "<TD><A HREF=\"#t311\">gyógyfű</A> (#311)</TD>|</TR>|</table>"_cp));
  return L(heading + "</TR>|<TR>" + Item("2", "gyógyfű (#311)"_cp) + "</TR>|" + kTableEndRtfUj);
}
std::string OneItemOutput(Layout v, std::string_view title) {
  const std::string cell(R"({\f11\fs17     2 gyógyfű (#311)}\cell)"_cp);
  return Heading(title) + kRow +
         (v == Layout::kRtf ? L(cell)
                            : L(cell + R"(|{\f11\fs17  }\cell|{\f11\fs17  }\cell|\row)")) +
         kPard;
}

TEST(ItemChanges, EveryListInOrderAndAnyOneMissing) {
  for (Layout v : {Layout::kRtf, Layout::kRtfUj}) {
    for (int missing = -1; missing < 4; ++missing) {
      std::string report = L("<P>"), expected;
      for (int i = 0; i < 4; ++i) {
        if (i == missing) continue;
        report += OneItemList(v, kLists[i].marker);
        expected += OneItemOutput(v, kLists[i].title);
      }
      EXPECT_EQ(Convert(v, report), expected) << static_cast<int>(v) << " without " << missing;
    }
    // Only the received items: the three searches before stop at its
    // marker, and a bank list behind it is never looked for.
    EXPECT_EQ(Convert(v, OneItemList(v, kLists[3].marker) + OneItemList(v, kLists[0].marker)),
              OneItemOutput(v, kLists[3].title));
  }
}

TEST(ItemChanges, ClosingSectionsEndTheSearchesOfTheirLayout) {
  const std::vector<std::string_view> older = {
      "E KÖRBEN TETT LÉPÉSEID TÉRKÉPE"_cp, "ÜZENET A JÁTÉKVEZETŐTŐL"_cp, "Változások a Zordon"_cp,
      "ZORDON VIDÉK REFERENCIA"_cp};
  const std::vector<std::string_view> newer = {"E körben tett lépéseid térképe"_cp,
                                               "ZORDON  VIDÉK  REFERENCIA"_cp};
  for (Layout v : {Layout::kRtf, Layout::kRtfUj}) {
    const bool old = v == Layout::kRtf;
    for (std::string_view marker : old ? older : newer) {
      std::string stoppedAt;
      EXPECT_EQ(
          Convert(v,
                  L("<P>|<H2>" + std::string(marker) + "</H2>") + OneItemList(v, kLists[1].marker),
                  &stoppedAt),
          "");
      EXPECT_EQ(stoppedAt, "<H2>" + std::string(marker) + "</H2>");
    }
    // The other layout's closing markers are text like any other.
    for (std::string_view marker : old ? newer : older)
      EXPECT_EQ(Convert(v, L(marker) + OneItemList(v, kLists[1].marker)),
                OneItemOutput(v, kLists[1].title));
    EXPECT_EQ(Convert(v, L("<P>&copy; Zordon Vidék"_cp) + OneItemList(v, kLists[0].marker)), "");
  }
}

TEST(ItemChanges, OlderLayoutThreeItemsARowAndTheMarkLeftOut) {
  const std::string report =
      L("<TD COLSPAN=9>TÁRGYAID A BANK SZÉFJÉBEN</TD>|</TR>|<TR>|<TD CLASS=tdb> 1 </TD>|"
        "<TD CLASS=teq>*</TD>|<TD><A HREF=\"#t410\" CLASS=enc0>vasvért</A>   (#410)</TD>|"
        "<td class=tdb>12</td>|<td class=teq>=</td>|<td>gyógyfű (#311)</td>|"
        "<TD CLASS=tdb>12345</TD>|<TD CLASS=teq></TD>|<TD>ezüstpénz ($1)</TD>|</TR>|<TR>|"
        "<TD CLASS=tdb> 2 </TD>|<TD CLASS=teq>=</TD>|<TD>fáklya (#170)</TD>|</TR>|</TABLE>|"
        "<TD CLASS=tdb> 9 </TD>|<P>&copy; Zordon Vidék"_cp);
  std::string stoppedAt;
  EXPECT_EQ(Convert(Layout::kRtf, report, &stoppedAt),
            Heading("Tárgyaid a bank széfjében "_cp) + kRow +
                L(R"({\f11\fs17     1 vasvért (#410)}\cell|{\f11\fs17    12 gyógyfű (#311)}\cell|)"
                  R"({\f11\fs17 12345 ezüstpénz ($1)}\cell|\row)"_cp) +
                // The fourth item opens a row that the table leaves open.
                kRow + L(R"({\f11\fs17     2 fáklya (#170)}\cell)"_cp) + kPard);
  EXPECT_EQ(stoppedAt, "<P>&copy; Zordon Vidék"_cp);
}

TEST(ItemChanges, NewerLayoutCellsCutAtTheNextCountCell) {
  const std::string report =
      L(std::string("<TD COLSPAN=9>A FORDULÓ ELEJÉN MÉG MEGVOLT...</TD>|<TR>"_cp) +
        Item("1", "vasvért  (#410)"_cp) + " " + Item("1234", "<B>gyógyfű</B> (#311)"_cp) + " " +
        Item("12345", "x * y + z > w") + "</TR>|<TR>" + Item(">5", "nyíl"_cp) + "</TR>|<TR>" +
        // Two blanks between the items: the line is not normalised, so the
        // next count cell is not seen and both items make one cell.
        Item("2", "a") + "  " + Item("3", "b") +
        R"(</TR>|<TR><TD ALIGN=RIGHT CLASS="t1" WIDTH=30>7</TD></TR>|)" + kTableEndRtfUj + "|<TR>" +
        Item("8", "c") + "</TR>");
  const std::string fill = R"({\f11\fs17  }\cell|{\f11\fs17  }\cell|\row)";
  EXPECT_EQ(Convert(Layout::kRtfUj, report),
            Heading("A forduló elején még megvolt... "_cp) + kRow +
                L(R"({\f11\fs17     1 vasvért (#410)}\cell|{\f11\fs17  1234 gyógyfű (#311)}\cell|)"
                  R"({\f11\fs17 12345 x*y+z>w}\cell|\row)"_cp) +
                // A leading ">" stays text and the tags behind it go.
                kRow + L(std::string(R"({\f11\fs17    >5 nyíl}\cell|)"_cp) + fill) + kRow +
                L(R"({\f11\fs17     2 a 3 b}\cell|)" + fill) +
                // A cell without a blank gets six in front.
                kRow + L(R"({\f11\fs17       7}\cell|)" + fill) + kPard);
}

}  // namespace
}  // namespace qv
