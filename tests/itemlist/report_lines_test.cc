// The page's report lines: the same lines and offsets as ReportReader's
// lines with DropControlBytes, across buffer loads and after a return.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "itemlist/report_lines.h"
#include "platform/error.h"
#include "tests/support/scratch_dir.h"
#include "text/line_cuts.h"
#include "text/report_reader.h"

namespace qv {
namespace {

// Report text of short and long lines, with line ends of both kinds, lone
// CRs, tabs and other control bytes.
std::string RandomReport(std::uint32_t seed, std::size_t size) {
  const std::string bytes = "aaaaaaaa   <>\xE1\xE1\t\r\n\n\n\x01\x7F\x1B";
  std::string text;
  while (text.size() < size) {
    seed = seed * 1103515245 + 12345;
    const std::size_t run = (seed >> 24) % 4 == 0 ? (seed >> 8) % 70000 : 1;
    text.append(run, bytes[(seed >> 16) % bytes.size()]);
  }
  return text;
}

TEST(ReportLines, TheReadersLinesWithoutControlBytes) {
  test::TempDir dir;
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    const std::string name = dir.Write("r_1.htm", RandomReport(seed, seed * 60000));
    ReportReader expectedReader(name), reader(name);
    ReportLines lines(reader);
    std::vector<std::int64_t> marks;
    std::string expected, got;
    while (!expectedReader.Eof()) {
      ASSERT_FALSE(lines.Eof());
      ASSERT_EQ(lines.Position(), expectedReader.TextFilePos());
      marks.push_back(lines.Position());
      expectedReader.ReadLine(expected);
      DropControlBytes(expected);
      lines.ReadLine(got);
      ASSERT_EQ(got, expected) << seed;
    }
    EXPECT_TRUE(lines.Eof());
    lines.ReadLine(got);
    EXPECT_EQ(got, "");
    // Back to every third line: it is read again.
    for (std::size_t i = 0; i < marks.size(); i += 3) {
      lines.Seek(marks[i]);
      expectedReader.TextFileSeek(marks[i]);
      expectedReader.ReadLine(expected);
      DropControlBytes(expected);
      lines.ReadLine(got);
      ASSERT_EQ(got, expected) << seed;
      ASSERT_EQ(lines.Position(), expectedReader.TextFilePos());
    }
  }
}

// ReadLineView gives ReadLine's lines without the copy, and LastLine() still
// gives the line after Eof() has taken the next buffer load.
TEST(ReportLines, ViewsAreTheLinesAndOutliveTheNextLoad) {
  test::TempDir dir;
  for (std::uint32_t seed = 0; seed <= 6; ++seed) {
    // The first report's lines end where the reader's 64 KiB loads end.
    const std::string text =
        seed == 0 ? std::string(65534, 'a') + "\r\n" + std::string(65532, 'b') + "\x01\r\n" + "c"
                  : RandomReport(seed, seed * 60000);
    const std::string name = dir.Write("r_1.htm", text);
    ReportReader expectedReader(name), reader(name);
    ReportLines expectedLines(expectedReader), lines(reader);
    std::string expected;
    while (!expectedLines.Eof()) {
      expectedLines.ReadLine(expected);
      const std::string_view got = lines.ReadLineView();
      ASSERT_EQ(got, expected) << seed;
      ASSERT_EQ(lines.Eof(), expectedLines.Eof());
      ASSERT_EQ(lines.LastLine(), expected) << seed;
    }
    EXPECT_TRUE(lines.Eof());
    EXPECT_EQ(lines.ReadLineView(), "");
  }
}

// Short lines of every ending, at every place of the reader's loads and of
// the steps the look for control bytes takes: views and copies are the
// reader's lines without their control bytes.
TEST(ReportLines, ShortLinesOfEveryEndingAtEveryPlace) {
  test::TempDir dir;
  const std::vector<std::string> ends = {"\r\n",   "\r\n", "\r\n", "\n",   "\r",
                                         "\r\r\n", "\n\r", "\t",   "\x01", "\x7F"};
  std::uint32_t seed = 5;
  std::string text;
  while (text.size() < 300000) {
    seed = seed * 1103515245 + 12345;
    text.append((seed >> 8) % 41, static_cast<char>('a' + (seed >> 20) % 26));
    text += ends[(seed >> 16) % ends.size()];
  }
  const std::string name = dir.Write("r_1.htm", text);
  ReportReader expectedReader(name), viewReader(name), copyReader(name);
  ReportLines views(viewReader), copies(copyReader);
  std::string expected, copy;
  while (!expectedReader.Eof()) {
    expectedReader.ReadLine(expected);
    DropControlBytes(expected);
    ASSERT_EQ(views.ReadLineView(), expected);
    copies.ReadLine(copy);
    ASSERT_EQ(copy, expected);
  }
  EXPECT_TRUE(views.Eof());
  EXPECT_TRUE(copies.Eof());
}

// Copying the report up to each line that holds a marker, passing over the
// lines PassLinesWithout gives, copies what reading every line copies and
// stops at the same lines; the last line is read.
TEST(ReportLines, PassedLinesAreTheLinesAsCopied) {
  test::TempDir dir;
  const std::vector<std::string_view> markers = {"<mark>", "zz"};
  auto holds = [&](const std::string& line) {
    for (const std::string_view m : markers)
      if (line.find(m) != std::string::npos) return true;
    return false;
  };
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    std::string text;
    std::uint32_t r = seed;
    const std::vector<std::string> parts = {
        "<TD>x</TD>\r\n",      "abc", "\r\n", "\n", "<mark>", "z", "\x01", "\r", "\t",
        std::string(5000, 'q')};
    while (text.size() < seed * 9000) {
      r = r * 1103515245 + 12345;
      const std::size_t pick = (r >> 16) % 100;
      text += parts[pick < 60 ? 0 : pick < 64 ? 1 + pick % 8 : 9];
    }
    const std::string name = dir.Write("r_1.htm", text);
    ReportReader expectedReader(name), reader(name);
    ReportLines lines(reader);
    std::string expected, got, expectedCopy, copy, line;
    while (!expectedReader.Eof()) {
      do {  // up to and including the next line that holds a marker
        expectedReader.ReadLine(line);
        DropControlBytes(line);
        expectedCopy += line + "\r\n";
      } while (!expectedReader.Eof() && !holds(line));
      expected = line;
      got.clear();
      do {
        copy += lines.PassLinesWithout(markers);
        lines.ReadLine(got);
        copy += got + "\r\n";
      } while (!lines.Eof() && !holds(got));
      ASSERT_EQ(got, expected) << seed;
      ASSERT_EQ(lines.Position(), expectedReader.TextFilePos()) << seed;
    }
    EXPECT_TRUE(lines.Eof());
    EXPECT_EQ(copy, expectedCopy) << seed;
  }
}

// A line may hold kMaxLineBytes, the CR of a CR LF aside; one more throws.
TEST(ReportLines, TheLongestLine) {
  test::TempDir dir;
  ReportReader fits(dir.Write("a_1.htm", std::string(kMaxLineBytes, 'a') + "\r\nb"));
  ReportLines fitting(fits);
  std::string line;
  fitting.ReadLine(line);
  EXPECT_EQ(line.size(), kMaxLineBytes);
  fitting.ReadLine(line);
  EXPECT_EQ(line, "b");
  ReportReader overlong(dir.Write("b_1.htm", std::string(kMaxLineBytes + 1, 'a') + "\r\n"));
  ReportLines lines(overlong);
  EXPECT_THROW(lines.ReadLine(line), Error);
}

}  // namespace
}  // namespace qv
