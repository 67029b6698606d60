// Opening the downloaded page on the desktop.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/desktop_open.h"
#include "platform/environment.h"
#include "tests/support/consoles.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

// Puts a fake xdg-open on a PATH of its own and a display in the
// environment; restores both afterwards.
class DownloadDesktopOpen : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"PATH", "DISPLAY", "WAYLAND_DISPLAY"})
      if (const auto v = EnvironmentValue(name)) saved_.emplace_back(name, *v);
    setenv("PATH", dir_.path().c_str(), 1);
    setenv("DISPLAY", ":99", 1);
    unsetenv("WAYLAND_DISPLAY");
  }
  void TearDown() override {
    for (const char* name : {"PATH", "DISPLAY", "WAYLAND_DISPLAY"}) unsetenv(name);
    for (const auto& [name, value] : saved_) setenv(name.c_str(), value.c_str(), 1);
  }
  void Opener(const std::string& content) {
    const std::string path = dir_.Write("xdg-open", content);
    chmod(path.c_str(), 0755);
  }
  // What the fake opener was called with, once it has run.
  std::string Called() {
    for (int i = 0; i < 500; ++i) {
      const std::string got = dir_.Read("called");
      if (!got.empty()) return got;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "(not called)";
  }

  test::TempDir dir_;
  std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(DownloadDesktopOpen, StartsTheOpenerWithOneArgumentAndDoesNotWait) {
  Opener(
      "#!/bin/sh\nPATH=/usr/bin:/bin\nd=$(dirname \"$0\")\n"
      "printf '%s|%s' \"$#\" \"$1\" > \"$d/called.tmp\"\n"
      "mv \"$d/called.tmp\" \"$d/called\"\nsleep 3\n");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(StartDesktopOpen("1234r57 $(x) 'a'.htm"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(Called(), "1|1234r57 $(x) 'a'.htm");
  // The opener belongs to init: this process has no child left to reap.
  int status;
  EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST_F(DownloadDesktopOpen, NameStartingWithDashIsNotAnOption) {
  Opener(
      "#!/bin/sh\nPATH=/usr/bin:/bin\nd=$(dirname \"$0\")\n"
      "printf '%s' \"$1\" > \"$d/called.tmp\"\n"
      "mv \"$d/called.tmp\" \"$d/called\"\n");
  EXPECT_TRUE(StartDesktopOpen("-1r57.htm"));
  EXPECT_EQ(Called(), "./-1r57.htm");
}

TEST_F(DownloadDesktopOpen, PathIsPrintedWhenNothingCanOpenIt) {
  test::RecordingConsole console;
  OpenOnDesktop("1234r57.htm", console);  // no xdg-open on the PATH
  Opener("not a program\n");              // there, but it cannot run
  OpenOnDesktop("1234r57.htm", console);
  Opener("#!/bin/sh\nexit 0\n");
  unsetenv("DISPLAY");  // no graphical session
  OpenOnDesktop("1234r57.htm", console);
  EXPECT_EQ(console.lines, std::vector<std::string>(3, "Nyisd meg: 1234r57.htm"));
}

}  // namespace
}  // namespace qv
