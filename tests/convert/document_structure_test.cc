
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "bench/report_maker.h"
#include "convert/driver.h"
#include "tests/support/consoles.h"
#include "tests/support/files.h"
#include "tests/support/rtf_structure.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"
#include "text/report_reader.h"

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

// The committed documents of the samples, and their printable atlas, are as
// sound as every other.
TEST(RtfStructure, GoldenDocumentsAreSound) {
  int documents = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(
           std::filesystem::path(QV_SOURCE_DIR) / "examples" / "expected")) {
    if (entry.path().extension() != ".rtf") continue;
    ++documents;
    EXPECT_EQ(RtfStructureFaults(test::ReadFile(entry.path().string())), "") << entry.path();
  }
  EXPECT_EQ(documents, 5);
}

// The reports the benchmarks convert (bench/report_maker.h): a typical one
// and one of thousands of item rows with a 40 x 40 map, in both layouts.
TEST(RtfStructure, BenchmarkReportsConvertToSoundDocuments) {
  test::TempDir dir;
  test::WriteTestPictures(dir);
  test::RecordingConsole console;
  RunContext ctx{console, dir.path() + "/"};
  ConverterSession session;
  const FormatSettings settings;
  for (const auto& [layout, name] :
       {std::pair{Layout::kOlder, "1234_57.htm"}, std::pair{Layout::kNewer, "1234_58.htm"}}) {
    const std::string sample = test::SampleReport(name);
    for (const auto& [bytes, mapSide] :
         {std::pair{std::size_t{300} << 10, 0}, std::pair{std::size_t{5} << 20, 40}}) {
      const std::string report =
          dir.Write("r_1.htm", qvbench::MakeReport(sample, layout, bytes, mapSide));
      ReportReader reader(report);
      RtfWriter out = RtfWriter::InMemory();
      ConvertReportInto(ctx, session, layout, settings, reader, out);
      EXPECT_GT(out.Text().size(), bytes / 2) << name;
      EXPECT_EQ(test::RtfStructureFaults(out.Text()), "") << name << ", " << bytes << " bytes";
    }
  }
}

}  // namespace
}  // namespace qv
