// Platform services on Windows: names that are Windows-1250 text on the tool's
// side and UTF-16 on the system's, a document another program holds open,
// the bytes on a pipe, the command line. (Ctrl-C: interrupt_test.sh.)
#include <gtest/gtest.h>
#include <windows.h>

#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/dir_listing.h"
#include "platform/error.h"
#include "platform/exit_pause.h"
#include "platform/input_file.h"
#include "platform/replacing_file.h"
#include "platform/system_error.h"
#include "platform/wildcard.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scratch_dir.h"
#include "tests/platform/win32/probe_process.h"
#include "text/cp1250.h"

namespace qv {
namespace {

std::wstring WideOf(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// "Őrző_57.htm" is written, listed and read under its own name on any
// Windows language: on disk it is the UTF-16 name, to the tool its UTF-8.
// A name in any script is listed whole and opens.
TEST(WindowsNames, NamesRoundTrip) {
  test::TempDir dir;
  const std::string name = std::string("\xC5\x90rz\xC5\x91_57.htm");
  ReplacingFile file(dir.path() + "\\" + name);
  file.Write("<html>");
  file.Commit();
  EXPECT_NE(GetFileAttributesW((WideOf(dir.path()) + L"\\\u0150rz\u0151_57.htm").c_str()),
            INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>{name});
  std::string bytes;
  InputProblem problem;
  ASSERT_TRUE(ReadRegularFile(dir.path() + "\\" + name, 100, &bytes, &problem)) << problem.reason;
  EXPECT_EQ(bytes, "<html>");
  HANDLE other = CreateFileW((WideOf(dir.path()) + L"\\\u0416_58.htm").c_str(), GENERIC_WRITE, 0,
                             nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  WriteFile(other, "<b>", 3, nullptr, nullptr);
  CloseHandle(other);
  const std::string cyrillic = "\xD0\x96_58.htm";
  EXPECT_EQ(ListDirectory(dir.path()), (std::vector<std::string>{name, cyrillic}));
  ASSERT_TRUE(ReadRegularFile(dir.path() + "\\" + cyrillic, 100, &bytes, &problem))
      << problem.reason;
  EXPECT_EQ(bytes, "<b>");
}

// A pattern matches as Windows compares names: case aside, accented
// letters too; hidden names are no different.
TEST(WindowsNames, PatternsMatchCaseBlind) {
  test::TempDir dir;
  const std::string orzo = "\xC5\x90rz\xC5\x91_57.htm";  // Őrző_57.htm
  for (const std::string& name : {orzo, std::string("a_1.HTM"), std::string(".b_2.htm"),
                                  std::string("c_3.txt")}) {
    ReplacingFile file(dir.path() + "\\" + name);
    file.Commit();
  }
  const std::string in = dir.path() + "\\";
  EXPECT_EQ(MatchingFiles(in + "*.htm"),
            (std::vector<std::string>{in + ".b_2.htm", in + "a_1.HTM", in + orzo}));
  // "őRZŐ_*", and "?" for the one character "Ő" (two bytes).
  EXPECT_EQ(MatchingFiles(in + "\xC5\x91RZ\xC5\x90_*"), std::vector<std::string>{in + orzo});
  EXPECT_EQ(MatchingFiles(in + "?rz?_57.htm"), std::vector<std::string>{in + orzo});
}

// Tests stand in for Explorer with QVFORMAT_OWN_CONSOLE.
TEST(WindowsExitPause, TestsCanAskForThePause) {
  const test::ScopedEnv ownConsole("QVFORMAT_OWN_CONSOLE", "1");
  EXPECT_TRUE(PauseBeforeExitWanted());
}

// A document open in another program (no sharing for deletion, as word
// processors open theirs) cannot be replaced: the commit fails naming it,
// the document keeps its bytes, and no temporary file stays behind.
TEST(WindowsReplacingFile, DocumentHeldOpenIsKept) {
  test::TempDir dir;
  dir.Write("1234r57.rtf", "the earlier document");
  const std::wstring target = WideOf(dir.path()) + L"\\1234r57.rtf";
  HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  try {
    ReplacingFile file(dir.path() + "\\1234r57.rtf");
    file.Write("a new document");
    file.Commit();
    ADD_FAILURE() << "replaced a document held open";
  } catch (const Error& e) {
    EXPECT_EQ(e.text(),
              "'" + dir.path() + "\\1234r57.rtf' nem irhato: egy masik program hasznalja");
  }
  CloseHandle(held);
  EXPECT_EQ(dir.Read("1234r57.rtf"), "the earlier document");
  EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>{"1234r57.rtf"});
}

// A virus scanner that opens the new file for a moment (without sharing it
// for deletion) delays the rename; the commit waits for it and succeeds.
TEST(WindowsReplacingFile, RenameWaitsForABriefHolder) {
  test::TempDir dir;
  dir.Write("1234r57.rtf", "the earlier document");
  ReplacingFile file(dir.path() + "\\1234r57.rtf");
  file.Write("a new document");
  HANDLE scanner = CreateFileW(WideOf(file.tempName()).c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(scanner, INVALID_HANDLE_VALUE);
  std::thread release([scanner] {
    Sleep(400);
    CloseHandle(scanner);
  });
  const DWORD start = GetTickCount();
  EXPECT_NO_THROW(file.Commit());
  release.join();
  EXPECT_GE(GetTickCount() - start, 300u);
  EXPECT_EQ(dir.Read("1234r57.rtf"), "a new document");
  EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>{"1234r57.rtf"});
}

// Standard output and error carry the same bytes as on Linux when they are
// not a console: Windows-1250, CR LF, never "\r\r\n".
TEST(WindowsConsole, PipeGetsTheBytesUnchanged) {
  const test::ProbeResult r = test::RunProbe(L"console");
  EXPECT_EQ(r.exitCode, 0u);
  EXPECT_EQ(r.out,
            "Indul\xE1s ideje: 9:05:07\r\nNyisd meg: \xD5rz\xF5_57.htm\r\nNyisd meg: Nu?ez_59.htm\r\n\r\n");
  EXPECT_EQ(r.err, "qvformat: Fajlhiba: 'x\xFB.htm' nem nyithato meg\r\n");
}

// The command line is read as UTF-16 whatever the system's code page, and
// every parameter arrives whole (a pipe shows it as Windows-1250).
TEST(WindowsCommandLine, ReadAsUtf16) {
  test::ProbeResult r = test::RunProbe(L"args \u0150rz\u0151_57.htm \"/user=T\u00FCnde \u0170\" /k");
  EXPECT_EQ(r.exitCode, 0u) << r.err;
  EXPECT_EQ(r.out, "\xD5rz\xF5_57.htm\r\n/user=T\xFCnde \xDB\r\n/k\r\n");
  r = test::RunProbe(L"args a.htm \u0416_57.htm");
  EXPECT_EQ(r.exitCode, 0u) << r.err;
  EXPECT_EQ(r.out, "a.htm\r\n?_57.htm\r\n");
}

// The start and end lines follow the user's long time format: whatever the
// locale, three numbers and at most a designator in front or behind.
TEST(WindowsClock, TimeInTheUsersFormat) {
  const std::string time = TimeText();
  EXPECT_TRUE(std::regex_match(time, std::regex("([^ ]+ )?[0-9]{1,2}[^0-9]+[0-9]{2}[^0-9]+[0-9]{2}"
                                                "( [^ ]+)?")))
      << time;
}

}  // namespace
}  // namespace qv
