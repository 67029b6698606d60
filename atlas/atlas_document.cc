#include "atlas/atlas_document.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string_view>
#include <vector>

#include "atlas/atlas_sheets.h"
#include "atlas/sheet_pictures.h"
#include "rtfkit/picture_group.h"
#include "rtfkit/rtf_escape.h"
#include "rtfkit/table_rows.h"
#include "text/cp1250.h"

namespace qv {
namespace {

// A sheet's picture on paper: 28 twips a pixel, a cell 672 twips (1.2 cm),
// so the 12 columns with their rulers take 16.5 cm of the 18 cm line.
constexpr int kTwipsPerPixel = 28;
// The overview fills at most the line's width and most of the page.
constexpr int kLineTwips = 10206;
constexpr int kOverviewTwipsHigh = 8500;
constexpr int kOverviewMaxWidth = 1100;
constexpr int kOverviewMaxHeight = 1300;

std::string Number(std::int64_t n) { return std::to_string(n); }

// "a–b" (en dash), spaced when a number is negative; "a" when both are the
// same.
std::string Range(std::int64_t a, std::int64_t b) {
  if (a == b) return Number(a);
  return Number(a) + std::string(a < 0 || b < 0 ? " – "_cp : "–"_cp) + Number(b);
}

std::string Coordinates(std::int64_t x, std::int64_t y) {
  std::string text = "(";
  text += Number(x);
  text += ',';
  text += Number(y);
  text += ')';
  return text;
}

void WritePicture(RtfWriter& out, const MonoBitmap& picture, int twipsWide, int twipsHigh) {
  out.Line(R"(\pard\qc\keep\widctlpar)");
  WritePictureGroup(picture, PictureGoal{twipsWide, twipsHigh},
                    [&out](std::string_view piece) { out.Write(piece); });
  out.Line(R"(\par)");
}

void Heading(RtfWriter& out, std::string_view text) {
  out.Line(R"(\pard\qc\keepn\widctlpar{\f5\fs32\b )" + std::string(text) + R"(\par})");
}

void Paragraph(RtfWriter& out, std::string_view text) {
  out.Line(R"(\pard\qj\widctlpar{\f4\fs20 )" + std::string(text) + R"(\par})");
}

// Sorting places by name: accented vowels sort with their plain letters,
// capitals with small ones.
std::string SortKey(std::string_view text) {
  std::string key;
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    char k = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    switch (b) {
      case 0xE1:
      case 0xC1: k = 'a'; break;
      case 0xE9:
      case 0xC9: k = 'e'; break;
      case 0xED:
      case 0xCD: k = 'i'; break;
      case 0xF3:
      case 0xD3:
      case 0xF6:
      case 0xD6:
      case 0xF5:
      case 0xD5: k = 'o'; break;
      case 0xFA:
      case 0xDA:
      case 0xFC:
      case 0xDC:
      case 0xFB:
      case 0xDB: k = 'u'; break;
      default: break;
    }
    key += k;
  }
  return key;
}

std::string PlaceName(const AtlasPlace& place) {
  return place.text.empty() ? std::string("(név nélkül)"_cp) : RtfEscape(place.text);
}

class AtlasDocument {
 public:
  AtlasDocument(const AtlasWorld& world, const MapPictures& pictures, const LabelFont& font,
                RtfWriter& out)
      : world_(world), painter_(pictures, font), out_(out), sheets_(AtlasSheets(world)) {
    stepsOf_.resize(sheets_.size());
    placesOf_.resize(sheets_.size());
    for (const AtlasStep& step : world.steps) {
      const int arrow = step.arrow;
      const int dx = arrow >= 1 && arrow <= 9 ? (arrow - 1) % 3 - 1 : 0;
      const int dy = arrow >= 1 && arrow <= 9 ? 1 - (arrow - 1) / 3 : 0;
      const AtlasSheet* here = SheetAt(sheets_, step.x, step.y);
      const AtlasSheet* before =
          SheetAt(sheets_, std::int64_t{step.x} - dx, std::int64_t{step.y} - dy);
      if (here) stepsOf_[Index(*here)].push_back(&step);
      if (before && before != here) stepsOf_[Index(*before)].push_back(&step);
    }
    for (const AtlasPlace& place : world.places)
      if (const AtlasSheet* sheet = SheetAt(sheets_, place.x, place.y))
        placesOf_[Index(*sheet)].push_back(&place);
    columns_ = OverviewColumns(sheets_);
    rows_ = OverviewRows(sheets_);
    for (const AtlasCell& c : world.cells) newest_ = std::max(newest_, c.lastTurn);
  }

  void Write(const PrologueFonts& fonts) {
    WritePrologueShowingTurn(Prologue(fonts), Number(newest_), out_);
    Overview();
    for (const AtlasSheet& sheet : sheets_) Sheet(sheet);
    Index();
    out_.Line("}");
  }

 private:
  // 1 for the first of `v`.
  static std::int64_t Place(const std::vector<std::int64_t>& v, std::int64_t value) {
    return std::lower_bound(v.begin(), v.end(), value) - v.begin() + 1;
  }
  static std::size_t Index(const AtlasSheet& s) { return static_cast<std::size_t>(s.number - 1); }

  PrologueInput Prologue(const PrologueFonts& fonts) const {
    PrologueInput in;
    in.fonts = fonts;
    const auto line = [](std::string& block, const std::string& text) {
      block += text + "\\par \r\n";
    };
    AtlasNumber first = 0;
    std::set<AtlasNumber> characters;
    for (const AtlasCell& c : world_.cells) {
      first = first == 0 ? c.firstTurn : std::min(first, c.firstTurn);
      characters.insert(c.character);
    }
    line(in.headerBlock, std::string("Felfedezett mezők: "_cp) + Number(world_.cells.size()));
    line(in.headerBlock, "Helyek: " + Number(world_.places.size()));
    line(in.headerBlock, std::string("Lépések: "_cp) + Number(world_.steps.size()));
    line(in.headerBlock, std::string("Fordulók: "_cp) + Range(first, newest_));
    line(in.headerBlock, "Lapok: " + Number(sheets_.size()));
    line(in.adventurerBlock, std::string("KALANDOZÓK:"_cp));
    int listed = 0;
    for (const AtlasNumber c : characters) {
      if (++listed > 6) {
        line(in.adventurerBlock, std::string("és még "_cp) + Number(characters.size() - 6));
        break;
      }
      line(in.adventurerBlock, Number(c));
    }
    in.reportTitle = "ATLASZ";
    return in;
  }

  std::string SheetName(const AtlasSheet* s) const {
    return s ? Number(s->number) + ". lap" : std::string("nincs");
  }

  void Overview() {
    Heading(out_, std::string("Áttekintő"_cp));
    if (sheets_.empty()) {
      Paragraph(out_, std::string("Az atlasz még egy mezőt sem tartalmaz."_cp));
      return;
    }
    const MonoBitmap picture =
        painter_.Overview(world_, sheets_, kOverviewMaxWidth, kOverviewMaxHeight);
    const double fit = std::min({double{kLineTwips} / picture.width(),
                                 double{kOverviewTwipsHigh} / picture.height(), 60.0});
    WritePicture(out_, picture, static_cast<int>(picture.width() * fit),
                 static_cast<int>(picture.height() * fit));
    Paragraph(
        out_,
        std::string("A keretek a következő lapok, bennük a számuk, ha elfér; a pontozott "
                    "vonal kihagyott, üres részt jelöl. Egy lap "_cp) +
            Number(kSheetColumns) + " x " + Number(kSheetRows) +
            std::string(" mezőt mutat; csak azok a részek kapnak lapot, ahol látott mező van. "
                        "A lapok soronként:"_cp));
    for (std::size_t i = 0; i < sheets_.size();) {
      std::size_t end = i;
      std::string text =
          R"(\b y )" + Range(sheets_[i].Top(), sheets_[i].Top() + kSheetRows - 1) + R"(:\b0 )";
      for (; end < sheets_.size() && sheets_[end].gridRow == sheets_[i].gridRow; ++end)
        text += std::string(end > i ? "; " : " ") + SheetName(&sheets_[end]) + " (x " +
                Range(sheets_[end].Left(), sheets_[end].Left() + kSheetColumns - 1) + ")";
      out_.Line(R"(\pard\ql\widctlpar{\f4\fs18 )" + text + R"(\par})");
      i = end;
    }
  }

  void Sheet(const AtlasSheet& sheet) {
    out_.Line(R"(\pard\page)");
    Heading(out_, SheetName(&sheet) + std::string(" – x "_cp) +
                      Range(sheet.Left(), sheet.Left() + kSheetColumns - 1) + ", y " +
                      Range(sheet.Top(), sheet.Top() + kSheetRows - 1));
    const auto neighbour = [&](int dx, int dy) {
      return SheetName(SheetAt(sheets_, sheet.Left() + std::int64_t{dx} * kSheetColumns,
                               sheet.Top() + std::int64_t{dy} * kSheetRows));
    };
    out_.Line(R"(\pard\qc\keepn\widctlpar{\f4\fs18 )" + std::string("Helye az áttekintőn: "_cp) +
              Number(Place(rows_, sheet.gridRow)) + ". sor, " +
              Number(Place(columns_, sheet.gridColumn)) + ". oszlop. " +
              std::string("Szomszédai: észak "_cp) + neighbour(0, -1) + ", kelet " +
              neighbour(1, 0) + std::string(", dél "_cp) + neighbour(0, 1) + ", nyugat " +
              neighbour(-1, 0) + R"(.\par})");
    const MonoBitmap picture = painter_.Sheet(world_, sheet, stepsOf_[Index(sheet)]);
    WritePicture(out_, picture, picture.width() * kTwipsPerPixel,
                 picture.height() * kTwipsPerPixel);

    // The places of the sheet, two to a row.
    const std::vector<const AtlasPlace*>& places = placesOf_[Index(sheet)];
    if (places.empty()) return;
    constexpr std::array<int, 4> kEdges = {1300, 5100, 6400, 10200};
    out_.Line(R"(\pard\ql\widctlpar)");
    TableRows rows(out_);
    rows.Use(RowOpener(kEdges, true), static_cast<int>(kEdges.size()));
    for (const AtlasPlace* place : places) {
      rows.Cell(R"({\f4\fs18 )" + Coordinates(place->x, place->y) + R"(}\cell)");
      rows.Cell(R"({\f4\fs18 )" + PlaceName(*place) + R"(}\cell)");
    }
    if (rows.cells() == 2) {
      rows.Cell(R"(\cell)");
      rows.Cell(R"(\cell)");
    }
    rows.End();
    out_.Line(R"(\pard)");
  }

  void Index() {
    out_.Line(R"(\pard\page)");
    Heading(out_, std::string("Helyek mutatója"_cp));
    if (world_.places.empty()) {
      Paragraph(out_, std::string("Az atlaszban nincs hely."_cp));
      return;
    }
    std::vector<std::pair<std::string, const AtlasPlace*>> sorted;
    sorted.reserve(world_.places.size());
    for (const AtlasPlace& p : world_.places) sorted.emplace_back(SortKey(p.text), &p);
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
      return std::tie(a.first, a.second->text) < std::tie(b.first, b.second->text);
    });
    constexpr std::array<int, 3> kEdges = {6000, 8200, 10200};
    out_.Line(R"(\pard\ql\widctlpar)");
    TableRows rows(out_);
    rows.Start(RowOpener(kEdges, true), static_cast<int>(kEdges.size()));
    rows.Cell(R"({\f4\fs20\b Hely}\cell)");
    rows.Cell(R"({\f4\fs20\b )" + std::string("Koordináták"_cp) + R"(}\cell)");
    rows.Cell(R"({\f4\fs20\b Lap}\cell)");
    for (const auto& [key, place] : sorted) {
      rows.Cell(R"({\f4\fs20 )" + PlaceName(*place) + R"(}\cell)");
      rows.Cell(R"({\f4\fs20 )" + Coordinates(place->x, place->y) + R"(}\cell)");
      const AtlasSheet* sheet = SheetAt(sheets_, place->x, place->y);
      rows.Cell(R"({\f4\fs20 )" + (sheet ? SheetName(sheet) : std::string("–"_cp)) + R"(}\cell)");
    }
    rows.End();
    out_.Line(R"(\pard)");
    Paragraph(out_, std::string(
                        "A „–” jelű hely olyan mezőn áll, amelyet egyik térkép sem mutatott."_cp));
  }

  const AtlasWorld& world_;
  SheetPainter painter_;
  RtfWriter& out_;
  std::vector<AtlasSheet> sheets_;
  std::vector<std::vector<const AtlasStep*>> stepsOf_;
  std::vector<std::vector<const AtlasPlace*>> placesOf_;
  std::vector<std::int64_t> columns_;  // the overview's columns and rows
  std::vector<std::int64_t> rows_;
  AtlasNumber newest_ = 0;
};

}  // namespace

void WriteAtlasDocument(const AtlasWorld& world, const MapPictures& pictures, const LabelFont& font,
                        const PrologueFonts& fonts, RtfWriter& out) {
  AtlasDocument(world, pictures, font, out).Write(fonts);
}

void WriteAtlasDocument(const AtlasWorld& world, const MapPictures& pictures, const LabelFont& font,
                        const PrologueFonts& fonts, const std::string& fileName) {
  RtfWriter out = RtfWriter::ToFile(fileName);
  WriteAtlasDocument(world, pictures, font, fonts, out);
  out.Close();
}

}  // namespace qv
