#include "platform/posix/background_flush.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

// A failed flush is answered by Finish(): the file's own flush afterwards
// may no longer report it. A file that cannot be flushed (a pipe) is no
// failure, and a flush asked for is made even when Finish() follows at once.
TEST(BackgroundFlush, FinishAnswersForTheFlushesAskedFor) {
  test::TempDir dir;
  const std::string name = dir.path() + "/f";
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, "abc", 3), 3);
  {
    BackgroundFlush flush(fd);
    for (int i = 0; i < 5; ++i) flush.Request();
    EXPECT_EQ(flush.Finish(), 0);
  }
  ::close(fd);

  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  {
    BackgroundFlush flush(pipeEnds[1]);
    flush.Request();
    EXPECT_EQ(flush.Finish(), 0);
  }
  ::close(pipeEnds[0]);
  ::close(pipeEnds[1]);

  BackgroundFlush broken(-1);
  broken.Request();
  EXPECT_EQ(broken.Finish(), EBADF);

  BackgroundFlush unused(-1);  // never asked, never finished: ends quietly
}

}  // namespace
}  // namespace qv
