#include "rtfkit/table_rows.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace qv {

std::string RowOpener(std::span<const int> edges, bool intbl) {
  std::string opener = "\\trowd\r\n";
  for (int edge : edges) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, edge).ptr;
    ((opener += "\\cellx").append(digits, static_cast<std::size_t>(end - digits))) += "\r\n";
  }
  if (intbl) opener += "\\widctlpar\\intbl\r\n";
  return opener;
}

void TableRows::Use(std::string_view opener, int edges) {
  opener_.assign(opener);
  edges_ = edges;
}

void TableRows::Start() {
  End();
  out_.Write(opener_);
  open_ = true;
}

void TableRows::Start(std::string_view opener, int edges) {
  Use(opener, edges);
  Start();
}

void TableRows::Start(std::span<const int> edges, bool intbl) {
  // Rows of a few cells, the common case, are put together on the stack.
  constexpr std::size_t kCellxBytes = 6 + 11 + 2;  // "\cellx", an int, CR LF
  constexpr std::size_t kFixedBytes = 8 + 18;      // "\trowd" and "\widctlpar\intbl" lines
  if (edges.size() > 8) {
    Start(RowOpener(edges, intbl), static_cast<int>(edges.size()));
    return;
  }
  std::array<char, 8 * kCellxBytes + kFixedBytes> line;
  char* at = line.data();
  auto put = [&](std::string_view text) { at = std::copy(text.begin(), text.end(), at); };
  put("\\trowd\r\n");
  for (int edge : edges) {
    put("\\cellx");
    at = std::to_chars(at, at + 11, edge).ptr;
    put("\r\n");
  }
  if (intbl) put("\\widctlpar\\intbl\r\n");
  Start(std::string_view(line.data(), static_cast<std::size_t>(at - line.data())),
        static_cast<int>(edges.size()));
}

void TableRows::Cell(std::string_view line) {
  if (!open_ || cells_ >= edges_) Start();
  out_.Line(line);
  ++cells_;
}

void TableRows::End() {
  if (open_ && cells_ > 0) out_.Line("\\row");
  open_ = false;
  cells_ = 0;
}

}  // namespace qv
