// Platform services of POSIX systems only: the operator new for blocks of
// megabytes, libraries loaded on demand, the C locale's time, /proc.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dir_listing.h"
#include "platform/error.h"
#include "platform/exe_dir.h"
#include "platform/exit_pause.h"
#include "platform/input_file.h"
#include "platform/path_names.h"
#include "platform/shared_library.h"
#include "platform/wildcard.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace qv;

// Blocks of 1 MB or more start on a 2 MB boundary (where the huge pages
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
  for (std::size_t k = 0; k < grown.size(); ++k)
    wrong += grown[k] != static_cast<char>('0' + k % 10);
  EXPECT_EQ(wrong, 0u);
}

// A big block given back serves the next big request that it holds, a
// little longer than before (the next copy of a text being edited), and a
// block handed out twice would show as one text overwriting the other. The
// texts are larger than any other block of these tests, which may be kept
// too.
TEST(BigBlocks, BlockGivenBackServesTheNextCopy) {
#if !defined(__SANITIZE_ADDRESS__)
  constexpr std::size_t kSize = std::size_t{32} << 20;
  const void* first = nullptr;
  {
    std::string text(kSize, 'a');
    first = text.data();
  }
  std::string longer(kSize + (std::size_t{1} << 20), 'b');
  EXPECT_EQ(static_cast<const void*>(longer.data()), first);
  std::string other(kSize, 'c');
  EXPECT_NE(static_cast<const void*>(other.data()), first);
  EXPECT_EQ(longer.find_first_not_of('b'), std::string::npos);
  EXPECT_EQ(other.find_first_not_of('c'), std::string::npos);
#endif
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
    EXPECT_NE(e.text().find("'libc.so.6' hianyos, nincs benne: qv_no_such_function"),
              std::string::npos)
        << e.text();
  }
  try {
    SharedLibrary::Load("libqv-no-such-library.so.9", "TLS hiba");
    FAIL() << "a missing library was loaded";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), "TLS hiba");
    EXPECT_EQ(e.text().rfind("'libqv-no-such-library.so.9' nem toltheto be: ", 0), 0u) << e.text();
  }
}

TEST(TimeText, CurrentTimeInTheCLocale) {
  // The test process runs in the C locale: "%H:%M:%S".
  EXPECT_TRUE(std::regex_match(TimeText(), std::regex("[12]?[0-9]:[0-5][0-9]:[0-6][0-9]")))
      << TimeText();
}

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

// A pipe without a writer would block the run, a device feed it forever.
TEST(InputFile, PipesAreRefusedWithoutWaiting) {
  test::TempDir dir;
  const std::string fifo = dir.path() + "/fifo_1.htm";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  InputProblem problem;
  EXPECT_EQ(OpenRegularFile(fifo, &problem), -1);
  EXPECT_EQ(problem.reason, "nem kozonseges fajl (hanem eszkoz vagy cso)");
}

// A quoted pattern names what the shell's would: case counts, hidden names
// stay out.
TEST(MatchingFiles, CaseCountsAndHiddenNamesStayOut) {
  test::TempDir dir;
  for (const char* name : {"a_1.htm", "B_2.HTM", ".c_3.htm"}) dir.Write(name, "x");
  EXPECT_EQ(MatchingFiles(dir.path() + "/*.htm"),
            std::vector<std::string>{dir.path() + "/a_1.htm"});
  EXPECT_EQ(MatchingFiles(dir.path() + "/.*"), std::vector<std::string>{dir.path() + "/.c_3.htm"});
}

// A terminal window outlives the tool, whatever a test asks for.
TEST(ExitPause, NeverOnPosixSystems) {
  const test::ScopedEnv ownConsole("QVFORMAT_OWN_CONSOLE", "1");
  EXPECT_FALSE(PauseBeforeExitWanted());
}

TEST(PathNames, BackslashAloneIsNoRootNorSeparator) {
  EXPECT_FALSE(IsAbsolutePath("\\q.ini"));
  EXPECT_EQ(SystemSeparators("picture/a.bmp"), "picture/a.bmp");
}

}  // namespace
