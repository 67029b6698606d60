#include "text/report_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/error.h"
#include "tests/support/files.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/system_texts.h"

namespace qv {
namespace {

class ReportReaderTest : public ::testing::Test {
 protected:
  test::TempDir temp_;

  std::string Write(const std::string& bytes) { return temp_.Write("report.htm", bytes); }

  std::vector<std::string> ReadAll(const std::string& bytes) {
    ReportReader reader(Write(bytes));
    std::vector<std::string> lines;
    while (!reader.Eof()) lines.push_back(reader.ReadLine());
    return lines;
  }

  const std::string dir_ = temp_.path();
};

using Lines = std::vector<std::string>;

constexpr const char* kDevice = test::kDeviceFile;

TEST_F(ReportReaderTest, LineEnds) {
  EXPECT_EQ(ReadAll("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(ReadAll("a\nb\n"), (Lines{"a", "b"}));
  EXPECT_EQ(ReadAll("a\rb\r\nc\r"), (Lines{"a\rb", "c\r"}));
  EXPECT_EQ(ReadAll("a\nlast"), (Lines{"a", "last"}));
  EXPECT_EQ(ReadAll("\n\r\n\r\r\n"), (Lines{"", "", "\r"}));
  EXPECT_EQ(ReadAll(""), Lines{});
}

TEST_F(ReportReaderTest, ReadLineAtEndGivesEmpty) {
  ReportReader reader(Write("only"));
  EXPECT_FALSE(reader.Eof());
  EXPECT_EQ(reader.ReadLine(), "only");
  EXPECT_TRUE(reader.Eof());
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_EQ(reader.TextFilePos(), 4);
}

TEST_F(ReportReaderTest, MarkReturnsToTheSameLine) {
  ReportReader reader(Write("one\r\ntwo\r\nthree\r\n"));
  EXPECT_EQ(reader.TextFilePos(), 0);
  EXPECT_EQ(reader.ReadLine(), "one");
  const std::int64_t mark = reader.TextFilePos();
  EXPECT_EQ(mark, 5);
  EXPECT_EQ(reader.ReadLine(), "two");
  EXPECT_EQ(reader.ReadLine(), "three");
  EXPECT_TRUE(reader.Eof());
  reader.TextFileSeek(mark);
  EXPECT_FALSE(reader.Eof());
  EXPECT_EQ(reader.ReadLine(), "two");
  reader.TextFileSeek(0);
  EXPECT_EQ(reader.ReadLine(), "one");
}

TEST_F(ReportReaderTest, MarksAcrossBufferRefills) {
  std::string bytes;
  std::vector<std::int64_t> starts;
  for (int i = 0; i < 30000; ++i) {
    starts.push_back(static_cast<std::int64_t>(bytes.size()));
    bytes += "line " + std::to_string(i) + "\r\n";
  }
  ASSERT_GT(bytes.size(), 3u * 64 * 1024);
  ReportReader reader(Write(bytes));
  for (int i = 0; i < 30000; i += 1000) {
    reader.TextFileSeek(starts[i]);
    for (int k = i; k < i + 700; ++k) {
      ASSERT_EQ(reader.TextFilePos(), starts[k]);
      ASSERT_EQ(reader.ReadLine(), "line " + std::to_string(k));
    }
    const std::int64_t mark = reader.TextFilePos();
    for (int k = 0; k < 9000 && !reader.Eof(); ++k) reader.ReadLine();  // read ahead
    reader.TextFileSeek(mark);
    EXPECT_EQ(reader.ReadLine(), "line " + std::to_string(i + 700));
  }
}

TEST_F(ReportReaderTest, LongLinesAndSplitLineEnd) {
  // The CR is the last byte of the first buffer load and the LF the first of
  // the next; the second line spans several loads.
  const std::string first(64 * 1024 - 1, 'x');
  const std::string second(300000, 'y');
  ReportReader reader(Write(first + "\r\n" + second + "\r\nend"));
  EXPECT_EQ(reader.ReadLine(), first);
  EXPECT_EQ(reader.TextFilePos(), 64 * 1024 + 1);
  EXPECT_EQ(reader.ReadLine(), second);
  EXPECT_EQ(reader.ReadLine(), "end");
  EXPECT_TRUE(reader.Eof());
}

// The message a failed read gives, "kind: text".
template <typename Action>
std::string Failure(Action action) {
  try {
    action();
  } catch (const Error& e) {
    return e.kind() + ": " + e.text();
  }
  return "no error";
}

TEST_F(ReportReaderTest, OnlyRegularFilesAreOpenedAndTheMessageNamesThem) {
  auto open = [](const std::string& name) { return Failure([&] { ReportReader r(name); }); };
  EXPECT_EQ(open(dir_ + "/missing.htm"), "Fajlhiba: '" + dir_ + "/missing.htm' nem nyithato meg: " +
                                             qv::test::SystemWords("ENOENT"));
  EXPECT_EQ(open(dir_), "Fajlhiba: '" + dir_ + "' nem nyithato meg: mappa, nem fajl");
  // A device would be read forever (the system's own devices are tested
  // per system).
  EXPECT_EQ(open(kDevice), std::string("Fajlhiba: '") + kDevice +
                               "' nem nyithato meg: nem kozonseges fajl (hanem eszkoz vagy cso)");
}

TEST_F(ReportReaderTest, LinesUpToTheLimitAreReadLongerOnesRefused) {
  const std::string full(kMaxLineBytes, 'x');
  {
    // At the limit, with either line end, and as the last line.
    ReportReader reader(Write(full + "\r\n" + full + "\n" + full));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(reader.ReadLine().size(), kMaxLineBytes);
    EXPECT_TRUE(reader.Eof());
  }
  const std::string tooLong =
      "Fajlhiba: '" + dir_ + "/report.htm' nem olvashato: egy sora hosszabb, mint 16 MB";
  for (const std::string& bytes : {"a\n" + full + "y\r\n", "a\n" + full + "yz", full + "y"}) {
    ReportReader reader(Write(bytes));
    EXPECT_EQ(Failure([&] {
                while (!reader.Eof()) reader.ReadLine();
              }),
              tooLong);
  }
}

}  // namespace
}  // namespace qv
