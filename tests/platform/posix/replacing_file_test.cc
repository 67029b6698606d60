// Replaced files on POSIX systems: the permissions a finished file gets, and
// the signals that end a run, which remove its temporary files.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/dir_listing.h"
#include "platform/replacing_file.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

TEST(ReplacingFile, FinishedFileHasTheUsualPermissions) {
  test::TempDir dir;
  const mode_t before = umask(022);
  {
    ReplacingFile file(dir.path() + "/x.rtf");
    file.Commit();
  }
  umask(before);
  struct stat st {};
  ASSERT_EQ(stat((dir.path() + "/x.rtf").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
}

// In a child process: an earlier a_1.rtf, two files being written, then the
// signal. Returns how the child ended.
int KilledWhileWriting(const test::TempDir& dir, int signo, bool ignoreHangUp) {
  int ready[2];
  if (pipe(ready) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    const rlimit noCore{0, 0};  // SIGQUIT would leave a core file
    setrlimit(RLIMIT_CORE, &noCore);
    if (ignoreHangUp) signal(SIGHUP, SIG_IGN);
    ReplacingFile document(dir.path() + "/a_1.rtf");
    document.Write("half a docu");
    ReplacingFile page(dir.path() + "/ar1.htm");
    ReplacingFile moved = std::move(page);  // the file keeps its place in the list
    (void)!write(ready[1], "x", 1);
    for (;;) pause();
  }
  char c;
  (void)!read(ready[0], &c, 1);
  close(ready[0]);
  close(ready[1]);
  EXPECT_EQ(ListDirectory(dir.path()).size(), 3u);  // the two temporary files are there
  kill(child, signo);
  if (ignoreHangUp) {
    usleep(100000);
    EXPECT_EQ(waitpid(child, nullptr, WNOHANG), 0) << "a hang-up the run ignores ended it";
    kill(child, SIGTERM);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

TEST(ReplacingFile, SignalThatEndsTheRunRemovesTheTemporaryFiles) {
  for (const int signo : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    test::TempDir dir;
    dir.Write("a_1.rtf", "good document");
    const int status = KilledWhileWriting(dir, signo, false);
    // The process still ends by the signal, as its parent expects.
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signo) << signo << " " << status;
    EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>{"a_1.rtf"}) << signo;
    EXPECT_EQ(dir.Read("a_1.rtf"), "good document");
  }
}

TEST(ReplacingFile, IgnoredHangUpStaysIgnored) {
  test::TempDir dir;
  dir.Write("a_1.rtf", "good document");
  const int status = KilledWhileWriting(dir, SIGHUP, true);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>{"a_1.rtf"});
}

TEST(ReplacingFile, CommittedFileIsNotRemovedBySignal) {
  test::TempDir dir;
  const pid_t child = fork();
  if (child == 0) {
    ReplacingFile document(dir.path() + "/a_1.rtf");
    document.Write("whole");
    document.Commit();
    raise(SIGTERM);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>{"a_1.rtf"});
  EXPECT_EQ(dir.Read("a_1.rtf"), "whole");
}

// A file of megabytes is flushed in the background while it is written;
// the commit waits for those flushes and the file is whole.
TEST(ReplacingFile, FileFlushedWhileWrittenIsWhole) {
  test::TempDir dir;
  std::string expected;
  {
    ReplacingFile file(dir.path() + "/1234r57.rtf");
    std::string block;
    for (int i = 0; i < 11; ++i) {
      block.assign(std::size_t{1} << 20, static_cast<char>('a' + i));
      block += std::to_string(i);
      expected += block;
      block = file.Hand(std::move(block));
    }
    file.Commit();
  }
  EXPECT_TRUE(dir.Read("1234r57.rtf") == expected);
  EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>{"1234r57.rtf"});
}

}  // namespace
}  // namespace qv
