// qvformat.exe as a Windows player runs it: reports with Hungarian names,
// and a document another program holds open.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/dir_listing.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/tool_run.h"

namespace qv {
namespace {

// A report with its heading and one paragraph (Windows-1250).
const std::string kReport = "<title>x</title>\r\n<H1>\xC1RNY KALANDJAI</H1>\r\n<P>\r\nK\xF6""d.\r\n</HTML>\r\n";

class WindowsTool : public ::testing::Test {
 protected:
  WindowsTool() {
    // Empty item and spell lists beside the tool, for the item-list page.
    tool_.folder().Write("item.txt", "");
    tool_.folder().Write("spell.txt", "");
  }
  test::ToolOutcome Run(const std::vector<std::string>& args) {
    return tool_.Run({args, test::ToolEnvironment(dir_.path() + ".no-user-files"), dir_.path(),
                      "", {}, ""});
  }
  bool ExistsWide(const std::wstring& name) const {
    const std::wstring dir(dir_.path().begin(), dir_.path().end());
    return GetFileAttributesW((dir + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  test::ToolCopy tool_{QV_TOOL_PATH};
  test::TempDir dir_;
};

// "Őrző_57.htm" is converted to "Őrzőr57.rtf" and paged to "Őrzőr57.htm",
// the names as Windows keeps them (UTF-16) on any system language, and
// named on a pipe in Windows-1250. A name in a script Windows-1250 lacks
// ("Nuñez_59.htm", found by a batch run) gets its outputs under its own
// long name too.
TEST_F(WindowsTool, ReportNamesInAnyScript) {
  const std::string report = "\xD5rz\xF5_57.htm";  // Őrző_57.htm, as the runner passes it
  const std::wstring dir(dir_.path().begin(), dir_.path().end());
  for (const wchar_t* name : {L"\u0150rz\u0151_57.htm", L"Nu\u00F1ez_59.htm"}) {
    HANDLE file = CreateFileW((dir + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, kReport.data(), static_cast<DWORD>(kReport.size()), &written, nullptr);
    CloseHandle(file);
  }

  test::ToolOutcome r = Run({report});
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_TRUE(ExistsWide(L"\u0150rz\u0151r57.rtf"));
  r = Run({"/t", report});
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_TRUE(ExistsWide(L"\u0150rz\u0151r57.htm"));
  r = Run({"/k"});
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_NE(r.out.find(". Filenev: Nu?ez_59.htm\r\n"), std::string::npos) << r.out;
  EXPECT_TRUE(ExistsWide(L"nu\u00F1ezr59.rtf"));
  r = Run({"/t", "/k"});
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_TRUE(ExistsWide(L"Nu\u00F1ezr59.htm"));
  EXPECT_EQ(ListDirectory(dir_.path()),
            (std::vector<std::string>{"Nu\xC3\xB1" "ez_59.htm", "Nu\xC3\xB1" "ezr59.htm",
                                      "nu\xC3\xB1" "ezr59.rtf", "\xC5\x90rz\xC5\x91_57.htm",
                                      "\xC5\x90rz\xC5\x91r57.htm", "\xC5\x90rz\xC5\x91r57.rtf"}));
  // A name missing from the folder is named in Windows-1250.
  r = Run({"\xDBr_1.htm"});  // Űr_1.htm
  EXPECT_EQ(r.exit, 1);
  EXPECT_NE(r.err.find("'\xDBr_1.htm'"), std::string::npos) << r.err;
}

// A word processor holds the earlier document open without letting it be
// deleted: the run fails naming it, the document keeps its bytes, and no
// temporary file stays behind.
TEST_F(WindowsTool, DocumentHeldOpenIsKept) {
  dir_.Write("a_1.htm", kReport);
  dir_.Write("ar1.rtf", "the earlier document");
  const std::wstring dir(dir_.path().begin(), dir_.path().end());
  HANDLE held = CreateFileW((dir + L"\\ar1.rtf").c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const test::ToolOutcome r = Run({"a_1.htm"});
  CloseHandle(held);
  EXPECT_EQ(r.exit, 1);
  EXPECT_EQ(r.err, "qvformat: Fajlhiba: 'ar1.rtf' nem irhato: egy masik program hasznalja\r\n");
  EXPECT_EQ(r.out.find("sikeresen"), std::string::npos) << r.out;
  EXPECT_EQ(dir_.Read("ar1.rtf"), "the earlier document");
  EXPECT_EQ(ListDirectory(dir_.path()), (std::vector<std::string>{"a_1.htm", "ar1.rtf"}));
}

// A report in a folder named with "_", given with Windows' separator: only
// the file's own name is rewritten, so the document goes beside the report.
TEST_F(WindowsTool, FolderOfTheReportKeepsItsName) {
  dir_.Write("my_turns/a_1.htm", kReport);
  const test::ToolOutcome r = Run({"my_turns\\a_1.htm"});
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(ListDirectory(dir_.path() + "\\my_turns"),
            (std::vector<std::string>{"a_1.htm", "ar1.rtf"}));
}

}  // namespace
}  // namespace qv
