// The rows of an RTF table, written so that every reader lays them out as
// meant:
//   - a row that holds cells is ended with "\row" before anything outside it
//     is written (the next row's "\trowd", a heading, a "\pard", the
//     document end), also when the report ends in the middle of the table;
//   - "\row" ends only a row that was started and holds a cell;
//   - a row holds no more cells than it has edges: a surplus cell ends the
//     row and starts a new one with the same opener.
// Without the first, LibreOffice takes what follows into the open row's last
// cell; without the second and third it lays the table out as one column or
// drops cells.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "rtfkit/rtf_writer.h"

namespace qv {

// "\trowd", one "\cellxN" line per right edge (twips), then
// "\widctlpar\intbl" when `intbl`, each line ended by CR LF.
std::string RowOpener(std::span<const int> edges, bool intbl);

class TableRows {
 public:
  explicit TableRows(RtfWriter& out) : out_(out) {}
  TableRows(const TableRows&) = delete;
  TableRows& operator=(const TableRows&) = delete;

  // Starts a row: ends the open one, then writes `opener` (the row's
  // definition and any paragraph line of its cells, each line ended by
  // CR LF), which has `edges` cell edges. The opener stays the table's
  // current one.
  void Start(std::string_view opener, int edges);
  // The same with RowOpener(edges, intbl).
  void Start(std::span<const int> edges, bool intbl);
  // Starts a row with the current opener.
  void Start();
  // Makes `opener` the current one without starting a row.
  void Use(std::string_view opener, int edges);

  // Writes one cell as a line: `line` is its text (lines, the last one
  // holding the "\cell" that ends it). A cell that finds no row open, or
  // its row full, starts a row with the current opener first; a table gives
  // an opener (Start or Use) before its first cell.
  void Cell(std::string_view line);

  // Ends the open row with "\row" when it holds a cell.
  void End();

  // Cells of the open row (0 when none is open).
  int cells() const { return cells_; }

 private:
  RtfWriter& out_;
  std::string opener_;
  int edges_ = 0;
  bool open_ = false;  // started and not yet ended
  int cells_ = 0;
};

}  // namespace qv
