#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dir_listing.h"
#include "platform/encoding.h"
#include "platform/error.h"
#include "platform/exe_dir.h"
#include "platform/shared_library.h"
#include "text/cp1250.h"

namespace {

using namespace qv;

// --- Time text -------------------------------------------------------------

// Blocks of 4 MB or more start on a 2 MB boundary (where the huge pages
// go), smaller ones anywhere; both hold what is written, and a growing
// text passes the limit without losing a byte. Sanitizer builds keep their
// own operator new.
TEST(BigBlocks, MegabyteBlocksOnHugePageBoundaries) {
  std::vector<char> big(std::size_t{5} << 20, 'x');
  std::vector<char> small(4096, 'y');
#if !defined(__SANITIZE_ADDRESS__)
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(big.data()) % (std::size_t{2} << 20), 0u);
#endif
  EXPECT_EQ(big.back(), 'x');
  EXPECT_EQ(small.front(), 'y');
  std::string grown;
  while (grown.size() < (std::size_t{9} << 20)) grown += static_cast<char>('0' + grown.size() % 10);
  std::size_t wrong = 0;
  for (std::size_t k = 0; k < grown.size(); ++k) wrong += grown[k] != static_cast<char>('0' + k % 10);
  EXPECT_EQ(wrong, 0u);
}

// A library loaded on demand: its functions are found and called; a missing
// library or symbol is an error of the caller's kind that names it.
TEST(SharedLibrary, LoadsOnDemandAndNamesWhatIsMissing) {
  const SharedLibrary libc = SharedLibrary::Load("libc.so.6", "Test error");
  std::size_t (*length)(const char*) = nullptr;
  libc.Bind("strlen", length);
  EXPECT_EQ(length("four"), 4u);
  try {
    libc.Symbol("qv_no_such_function");
    FAIL() << "a missing symbol was found";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), "Test error");
    EXPECT_NE(e.text().find("libc.so.6 has no qv_no_such_function"), std::string::npos) << e.text();
  }
  try {
    SharedLibrary::Load("libqv-no-such-library.so.9", "TLS error");
    FAIL() << "a missing library was loaded";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), "TLS error");
    EXPECT_NE(e.text().find("cannot load libqv-no-such-library.so.9"), std::string::npos) << e.text();
  }
}

TEST(TimeText, TwentyFourHourFormatHasNoLeadingZero) {
  const TimePattern p = PatternFromFormat("%H:%M:%S", "AM", "PM");
  EXPECT_FALSE(p.twelveHour);
  EXPECT_EQ(FormatTimeOfDay(9, 5, 7, p), "9:05:07");
  EXPECT_EQ(FormatTimeOfDay(0, 0, 0, p), "0:00:00");
  EXPECT_EQ(FormatTimeOfDay(23, 59, 9, p), "23:59:09");
  // %T is the same clock; designators never show in a 24-hour pattern.
  EXPECT_EQ(FormatTimeOfDay(13, 1, 2, PatternFromFormat("%T", "AM", "PM")), "13:01:02");
}

TEST(TimeText, SeparatorComesFromTheFormat) {
  EXPECT_EQ(FormatTimeOfDay(7, 8, 9, PatternFromFormat("%H.%M.%S", "", "")), "7.08.09");
  EXPECT_EQ(FormatTimeOfDay(7, 8, 9, PatternFromFormat("%k h %M", "", "")), "7 h 08 h 09");
}

TEST(TimeText, TwelveHourWithDesignatorBehind) {
  const TimePattern p = PatternFromFormat("%I:%M:%S %p", "AM", "PM");
  EXPECT_TRUE(p.twelveHour);
  EXPECT_EQ(FormatTimeOfDay(0, 0, 0, p), "12:00:00 AM");
  EXPECT_EQ(FormatTimeOfDay(9, 5, 7, p), "09:05:07 AM");
  EXPECT_EQ(FormatTimeOfDay(11, 59, 59, p), "11:59:59 AM");
  EXPECT_EQ(FormatTimeOfDay(12, 0, 0, p), "12:00:00 PM");
  EXPECT_EQ(FormatTimeOfDay(13, 1, 2, p), "01:01:02 PM");
}

TEST(TimeText, TwelveHourWithDesignatorInFront) {
  const TimePattern p = PatternFromFormat("%p %l.%M.%S", "de.", "du.");
  EXPECT_TRUE(p.designatorFirst);
  EXPECT_EQ(FormatTimeOfDay(0, 0, 0, p), "de. 12.00.00");
  EXPECT_EQ(FormatTimeOfDay(9, 5, 7, p), "de. 9.05.07");
  EXPECT_EQ(FormatTimeOfDay(12, 30, 0, p), "du. 12.30.00");
  EXPECT_EQ(FormatTimeOfDay(22, 4, 5, p), "du. 10.04.05");
}

TEST(TimeText, EmptyDesignatorsPrintNone) {
  const TimePattern p = PatternFromFormat("%I:%M:%S %p", "", "");
  EXPECT_EQ(FormatTimeOfDay(9, 5, 7, p), "09:05:07");
  EXPECT_EQ(FormatTimeOfDay(15, 5, 7, p), "03:05:07");
}

TEST(TimeText, CurrentTimeInTheCLocale) {
  // The test process runs in the C locale: "%H:%M:%S".
  EXPECT_TRUE(std::regex_match(TimeText(), std::regex("[12]?[0-9]:[0-5][0-9]:[0-6][0-9]")))
      << TimeText();
}

// --- Directory listing -----------------------------------------------------

class DirListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/qvdir_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    dir_ = dir;
  }
  void TearDown() override {
    for (const std::string& name : created_) std::remove((dir_ + "/" + name).c_str());
    rmdir(dir_.c_str());
  }
  void File(const std::string& name) {
    std::ofstream(dir_ + "/" + name) << "x";
    created_.insert(created_.begin(), name);
  }
  void Dir(const std::string& name) {
    ASSERT_EQ(mkdir((dir_ + "/" + name).c_str(), 0700), 0);
    created_.insert(created_.begin(), name);
  }
  std::string dir_;
  std::vector<std::string> created_;  // newest first, so subdirectories empty first
};

TEST_F(DirListingTest, AllEntriesInByteOrder) {
  File("a_1.htm");
  File("B.htm");
  File("_x");
  File(".hidden");
  File("Z1");
  File("a.htm");
  File("\xE1rv.htm");  // Windows-1250 "á": a high byte sorts after ASCII
  Dir("sub");
  const std::vector<std::string> expected = {".hidden", "B.htm",   "Z1",  "_x",
                                             "a.htm",   "a_1.htm", "sub", "\xE1rv.htm"};
  EXPECT_EQ(ListDirectory(dir_), expected);
}

TEST_F(DirListingTest, EmptyDirectoryAndMissingDirectory) {
  EXPECT_TRUE(ListDirectory(dir_).empty());
  EXPECT_THROW(ListDirectory(dir_ + "/no_such_dir"), Error);
}

// --- Executable directory --------------------------------------------------

TEST(ExeDir, DirectoryHoldsTheRunningExecutable) {
  const std::string dir = ExecutableDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.front(), '/');
  EXPECT_EQ(dir.back(), '/');
  struct stat self {};
  ASSERT_EQ(stat("/proc/self/exe", &self), 0);
  bool found = false;
  for (const std::string& name : ListDirectory(dir)) {
    struct stat entry {};
    if (stat((dir + name).c_str(), &entry) == 0 && entry.st_ino == self.st_ino &&
        entry.st_dev == self.st_dev)
      found = true;
  }
  EXPECT_TRUE(found);
}

TEST(ExeDir, ResolveBesideExecutable) {
  const std::string exe = "/opt/qv/";
  EXPECT_EQ(ResolveBesideExecutable("q.ini", exe), "/opt/qv/q.ini");
  EXPECT_EQ(ResolveBesideExecutable("conf/q.ini", exe), "/opt/qv/conf/q.ini");
  EXPECT_EQ(ResolveBesideExecutable("/etc/q.ini", exe), "/etc/q.ini");
  EXPECT_EQ(ResolveBesideExecutable("C:\\qv\\q.ini", exe), "C:\\qv\\q.ini");
  EXPECT_EQ(ResolveBesideExecutable("x\\d:\\q.ini", exe), "x\\d:\\q.ini");
  // A colon alone or a backslash alone does not make a name absolute.
  EXPECT_EQ(ResolveBesideExecutable("c:q.ini", exe), "/opt/qv/c:q.ini");
  EXPECT_EQ(ResolveBesideExecutable("\\q.ini", exe), "/opt/qv/\\q.ini");
}

// --- Character sets --------------------------------------------------------

TEST(Charset, HungarianRoundTrip) {
  const std::string cp("árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ"_cp);
  const std::string utf8 = "árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ";
  EXPECT_EQ(Cp1250ToUtf8(cp), utf8);
  EXPECT_EQ(Utf8ToCp1250(utf8), cp);
}

TEST(Charset, EveryDefinedByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    if (b != 0x81 && b != 0x83 && b != 0x88 && b != 0x90 && b != 0x98) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
}

TEST(Charset, UnconvertibleInputBecomesQuestionMark) {
  EXPECT_EQ(Cp1250ToUtf8("a\x81"
                         "b"),
            "a?b");
  EXPECT_EQ(Cp1250ToUtf8("\x81\x81"), "??");
  // One "?" per character that Windows-1250 lacks, also for multi-byte ones.
  EXPECT_EQ(Utf8ToCp1250("x\xD0\xB6y"), "x?y");  // Cyrillic zhe
  EXPECT_EQ(Utf8ToCp1250("x\xE2\x82"), "x?");    // cut-off sequence at the end
}

TEST(Charset, LongTextGrowsTheBuffer) {
  std::string cp(100000, '\xF5');  // "ő"
  const std::string utf8 = Cp1250ToUtf8(cp);
  ASSERT_EQ(utf8.size(), 200000u);
  EXPECT_EQ(utf8.substr(0, 4), "őő");
  EXPECT_EQ(Utf8ToCp1250(utf8), cp);
}

TEST(Charset, UnknownCharsetThrows) {
  try {
    Transcode("x", "NO-SUCH-CHARSET", "UTF-8");
    FAIL() << "no exception";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), "Charset error");
  }
}

}  // namespace
