#include "tests/support/rtf_structure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace qv {
namespace {

using test::RtfPieceFaults;
using test::RtfStructureFaults;

// The check finds what readers draw wrongly, and nothing in a sound table.
TEST(RtfStructure, FindsOpenRowsStrayRowEndsSurplusCellsAndBraces) {
  const std::string row = "\\trowd\r\n\\cellx100\r\n\\cellx200\r\n\\intbl {a}\\cell {b}\\cell\r\n";
  EXPECT_EQ(RtfPieceFaults(row + "\\row\r\n\\pard\r\n"), "");
  // A row without cells (a definition only) needs no end.
  EXPECT_EQ(RtfPieceFaults("\\trowd\\cellx100\r\n\\pard\\trowd\\cellx100 x\\cell\\row"), "");

  EXPECT_EQ(RtfPieceFaults(row + "\\pard\r\n"), "line 5: row of 2 cells left open before \\pard\n");
  EXPECT_EQ(RtfPieceFaults(row + row + "\\row"),
            "line 5: row of 2 cells left open before \\trowd\n");
  EXPECT_EQ(RtfPieceFaults(row), "line 5: row of 2 cells left open before the document end\n");
  EXPECT_EQ(RtfPieceFaults(row + "\\row\r\n\\row\r\n"),
            "line 6: \\row that ends no row holding a cell\n");
  EXPECT_EQ(RtfPieceFaults("\\trowd\\cellx100\\row"),
            "line 1: \\row that ends no row holding a cell\n");
  EXPECT_EQ(RtfPieceFaults(row + "\\row\r\n{c}\\cell\\row"),
            "line 6: \\cell outside a row\nline 6: \\row that ends no row holding a cell\n");
  EXPECT_EQ(RtfPieceFaults(row + "{c}\\cell {d}\\cell\\row"),
            "line 5: row with more cells than its 2 edges\n");
  // Control words are whole words; escaped braces and backslashes are text.
  EXPECT_EQ(RtfPieceFaults("\\trowdx\\cellxy\\cells\\rows \\{\\}\\\\row"), "");
  EXPECT_EQ(RtfPieceFaults("{\\b x"), "line 1: 1 groups left open\n");
  EXPECT_EQ(RtfStructureFaults("{\\rtf1 }}"), "line 1: a } that closes no group\n");
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The committed documents of the samples are as sound as every other.
TEST(RtfStructure, GoldenDocumentsAreSound) {
  int documents = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(
           std::filesystem::path(QV_SOURCE_DIR) / "examples" / "expected")) {
    if (entry.path().extension() != ".rtf") continue;
    ++documents;
    EXPECT_EQ(RtfStructureFaults(ReadFile(entry.path())), "") << entry.path();
  }
  EXPECT_EQ(documents, 4);
}

}  // namespace
}  // namespace qv
