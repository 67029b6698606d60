// A structural check of a written RTF document, shared by the tests, the
// fuzz targets and the benchmarks: what readers would draw wrongly.
//
//   - a row that holds cells and is not ended by "\row" before a new
//     "\trowd", a "\pard", a section or page break, or the document end;
//   - a "\row" that ends no row holding a cell (none opened since the last
//     "\row", or one without cells);
//   - a "\cell" outside a row (no "\trowd" since the last "\row");
//   - a row with more cells than cell edges ("\cellx");
//   - braces that do not balance (an escaped brace is text; picture data,
//     being hexadecimal, holds none).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

// Every finding, in document order, as "line N: what" (N counts from 1).
std::vector<std::string> RtfStructureFindings(std::string_view rtf);

// The first `limit` findings, one a line; "" when the document is sound.
std::string RtfStructureFaults(std::string_view rtf, std::size_t limit = 5);

// The same for a piece of a document (a section's output): its braces are
// checked as if it stood inside the document's group.
std::string RtfPieceFaults(std::string_view piece, std::size_t limit = 5);

}  // namespace qv::test
