#include "convert/item_changes.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/section_tables.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {
namespace {

// A list: the report's marker for it and the title of its heading.
struct ChangeList {
  std::string_view marker;
  std::string_view title;
};

// In the order the report gives them.
constexpr ChangeList kLists[] = {
    {"TÁRGYAID A BANK SZÉFJÉBEN"_cp, "Tárgyaid a bank széfjében "_cp},
    {"A FORDULÓ ELEJÉN MÉG MEGVOLT..."_cp, "A forduló elején még megvolt... "_cp},
    {"AZ ELŐZŐ FORDULÓBAN MÉG MEGVOLT..."_cp, "Az előző fordulóban még megvolt... "_cp},
    {"EBBEN A FORDULÓBAN KERÜLT HOZZÁD..."_cp, "Ebben a fordulóban került hozzád... "_cp},
};

// The markers of the closing sections: a list not found before one of them
// is missing.
constexpr std::string_view kClosingRtf[] = {"E KÖRBEN TETT LÉPÉSEID TÉRKÉPE"_cp,
                                            "ÜZENET A JÁTÉKVEZETŐTŐL"_cp, "Változások a Zordon"_cp,
                                            "ZORDON VIDÉK REFERENCIA"_cp, "&copy"};
constexpr std::string_view kClosingRtfUj[] = {"E körben tett lépéseid térképe"_cp,
                                              "ZORDON  VIDÉK  REFERENCIA"_cp, "&copy"};

constexpr int kListEdges[] = {3400, 6800, 10200};
// Fills a row that has fewer items than columns.
constexpr std::string_view kBlankCell = R"({\f11\fs17  }\cell)";

std::string Cell(std::string_view text) {
  return R"({\f11\fs17 )" + std::string(text) + R"(}\cell)";
}

// Each list in turn: reads on to its marker, or to the marker of a later list
// or closing section, and writes the list only when its own marker was
// found. The next search starts on the line where this one stopped.
template <typename WriteTable>
void ConvertLists(ConverterRun& run, std::span<const std::string_view> closing,
                  WriteTable writeTable) {
  for (std::size_t i = 0; i < std::size(kLists); ++i) {
    std::vector<std::string_view> stops;
    for (std::size_t later = i; later < std::size(kLists); ++later)
      stops.push_back(kLists[later].marker);
    stops.insert(stops.end(), closing.begin(), closing.end());
    run.ReadUntilAny(stops);
    if (!run.CurrentHolds(kLists[i].marker)) continue;
    WriteSectionHeading(run.rtf, kLists[i].title);
    writeTable(run);
    run.rtf.Line(R"(\pard)");
  }
}

// --- Older layout ------------------------------------------------------------

// An item is three lines (count, mark, name); three items make a row. Only
// count lines ("<td class=tdb") are counted, and any other cell line is taken
// as an item's first line too. The mark is left out.
void WriteTableRtf(ConverterRun& run) {
  RtfWriter& out = run.rtf;
  int column = 0;
  ForEachTableLine(
      run, [](const std::string& line) { return HoldsLowered(line, "</table>"); },
      [&](const std::string& line) {
        if (HoldsLowered(line, "<td class=tdb")) ++column;
        if (!HoldsLowered(line, "<td")) return;
        if (column == 1) WriteRowOpener(out, kListEdges, true);
        std::string text = PadLeft(PlainLineText(line), 5);
        run.ReadLine();  // the mark
        text += ' ';
        text += PlainLineText(run.ReadLine());
        out.Line(Cell(text));
        if (column == 3) {
          out.Line(R"(\row)");
          column = 0;
        }
      });
  // A row the table ends in is filled up and closed: left open, it would take
  // in what the document says next, and readers drop it with all of that.
  if (column > 0) {
    for (; column < 3; ++column) out.Line(kBlankCell);
    out.Line(R"(\row)");
  }
}

// --- Newer layout --------------------------------------------------------------

constexpr std::string_view kTableEndRtfUj = "</TABLE></TD></TR></TABLE>";
// Every item starts with its count cell; the next item's count cell, or the
// row end, ends the item before it.
constexpr std::string_view kCountCell = "WIDTH=30>";
constexpr std::string_view kNextItem = R"(</TD> <TD ALIGN=RIGHT CLASS="t1" WIDTH=30>)";
constexpr std::string_view kRowEnd = "</TD></TR>";

// What is left of a report line that is cut from the front only. A marker is
// looked for again only once the cuts have passed where it was last seen (a
// missing one stays missing), so cutting a line of any length into any number
// of cells stays linear.
class LineRest {
 public:
  explicit LineRest(std::string_view line) : line_(line) {}

  bool Empty() const { return start_ >= line_.size(); }
  std::string_view Text() const { return line_.substr(start_); }
  void Clear() { start_ = line_.size(); }
  // Cuts n characters from the front (all that is left when fewer).
  void Cut(int n) {
    if (n > 0) start_ = std::min(line_.size(), start_ + static_cast<std::size_t>(n));
  }
  // Position of the first marker in what is left, 0 when there is none.
  int Find(std::string_view marker) {
    Sighting* s = nullptr;
    for (Sighting& known : seen_)
      if (known.marker == marker) s = &known;
    if (s == nullptr) {
      s = &seen_.emplace_back(Sighting{marker, line_.find(marker, start_)});
    } else if (s->at != std::string_view::npos && s->at < start_) {
      s->at = line_.find(marker, start_);
    }
    return s->at == std::string_view::npos ? 0 : static_cast<int>(s->at - start_) + 1;
  }

 private:
  struct Sighting {
    std::string_view marker;
    std::size_t at;  // offset in the whole line, npos when missing
  };
  std::string_view line_;
  std::size_t start_ = 0;
  std::vector<Sighting> seen_;
};

// Blanks in front of a cell so that its first word (the count) ends in the
// fifth column: a word of 4 characters gets one, a cell without a blank six.
std::string RightAlignFirstWord(std::string cell) {
  const int blanks = 6 - Find(" ", cell);
  if (blanks > 0) Insert(std::string(static_cast<std::size_t>(blanks), ' '), cell, 1);
  return cell;
}

// One item: count and name, tags gone, the count right-aligned and the marks
// drawn up to the words around them.
std::string ItemCellRtfUj(std::string cell) {
  // A ">" ahead of every "<" would stop the tag removal; as "&gt;" it stays
  // text and comes back as ">".
  if (cell.starts_with('>')) {
    Delete(cell, 1, 1);
    Insert("&gt;", cell, 1);
  }
  cell = RightAlignFirstWord(NormalizeBlanks(StripTags(cell)));
  cell = ReplaceAll(" * ", "*", cell);
  cell = ReplaceAll(" + ", "+", cell);
  cell = ReplaceAll(" > ", ">", cell);
  return Cell(cell);
}

// A line is a row of up to three items; a row short of items is filled with
// blank cells.
void WriteRowRtfUj(RtfWriter& out, std::string_view line) {
  WriteRowOpener(out, kListEdges, true);
  LineRest rest(line);
  int cells = 0;
  while (!rest.Empty()) {
    ++cells;
    // Through the count cell's opening; a missing one cuts its length less
    // one all the same, as the report cuts do.
    rest.Cut(rest.Find(kCountCell) + Length(kCountCell) - 1);
    const std::string_view end = rest.Find(kNextItem) > 0 ? kNextItem : kRowEnd;
    const int at = rest.Find(end);
    out.Line(ItemCellRtfUj(Copy(rest.Text(), 1, at - 1)));
    // Through the "</TD>" that ended the item (four characters without one).
    rest.Cut(at + 4);
    if (rest.Find("<TD") == 0) rest.Clear();
  }
  for (; cells < 3; ++cells) out.Line(kBlankCell);
  out.Line(R"(\row)");
}

void WriteTableRtfUj(ConverterRun& run) {
  ForEachTableLine(
      run, [](const std::string& line) { return Contains(line, kTableEndRtfUj); },
      [&](const std::string& line) { WriteRowRtfUj(run.rtf, line); });
}

}  // namespace

namespace rtf {

void ConvertItemChanges(ConverterRun& run) { ConvertLists(run, kClosingRtf, WriteTableRtf); }

}  // namespace rtf

namespace rtfuj {

void ConvertItemChanges(ConverterRun& run) { ConvertLists(run, kClosingRtfUj, WriteTableRtfUj); }

}  // namespace rtfuj

}  // namespace qv
