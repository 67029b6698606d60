// Inputs that only POSIX systems make this way: a named pipe given as a
// picture or a settings file, and a settings file nobody may read.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

#include "graphics/bmp_reader.h"
#include "platform/error.h"
#include "tests/support/scratch_dir.h"
#include "text/settings.h"

namespace qv {
namespace {

std::string Failure(const std::function<void()>& open) {
  try {
    open();
  } catch (const Error& e) {
    return e.kind() + ": " + e.text();
  }
  return "no error";
}

TEST(SpecialFiles, NamedPipeIsRefusedByName) {
  test::TempDir dir;
  const std::string fifo = dir.path() + "/q.ini";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(
      Failure([&] { IniFile ini(fifo); }),
      "Fajlhiba: '" + fifo + "' nem nyithato meg: nem kozonseges fajl (hanem eszkoz vagy cso)");
  EXPECT_EQ(Failure([&] { LoadBmp(fifo, "picture/x.bmp"); }),
            "Kephiba: 'picture/x.bmp' nem nyithato meg: nem kozonseges fajl (hanem eszkoz vagy "
            "cso)");
  // A folder on the way that is a pipe: as good as missing.
  EXPECT_EQ(IniFile(fifo + "/x.ini").ReadString("S", "k", "d"), "d");
}

TEST(SpecialFiles, UnreadableSettingsAreRefusedByName) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  test::TempDir dir;
  const std::string path = dir.Write("q.ini", "[S]\nk=v\n");
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  EXPECT_EQ(Failure([&] { IniFile ini(path); }),
            "Fajlhiba: '" + path + "' nem nyithato meg: " + std::strerror(EACCES));
}

}  // namespace
}  // namespace qv
