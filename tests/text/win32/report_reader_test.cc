// The system's words for its errors on Windows, and a report another program
// holds for itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/error.h"
#include "platform/system_error.h"
#include "tests/support/scratch_dir.h"
#include "text/report_reader.h"

namespace qv {
namespace {

std::wstring WideOf(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// The system's reasons come in its own words, without the line end and the
// full stop its messages end with; a code it has no words for is named by
// its number. A report another program holds for itself is said to be so.
TEST(WindowsSystemErrors, ReasonsInTheSystemsWords) {
  const std::string missing = SystemErrorText(ERROR_FILE_NOT_FOUND);
  ASSERT_FALSE(missing.empty());
  EXPECT_EQ(std::string(".\r\n ").find(missing.back()), std::string::npos) << missing;
  EXPECT_EQ(SystemErrorText(0x20001234), "rendszerhiba 536875572");
  EXPECT_TRUE(IsMissingFileError(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(IsMissingFileError(ERROR_ACCESS_DENIED));

  test::TempDir dir;
  dir.Write("a_1.htm", "<title>x</title>");
  const HANDLE held = CreateFileW((WideOf(dir.path()) + L"\\a_1.htm").c_str(), GENERIC_READ, 0,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  try {
    ReportReader report(dir.path() + "\\a_1.htm");
    ADD_FAILURE() << "a report held by another program was opened";
  } catch (const Error& e) {
    EXPECT_EQ(e.text(),
              "'" + dir.path() + "\\a_1.htm' nem nyithato meg: egy masik program hasznalja");
  }
  CloseHandle(held);
}

}  // namespace
}  // namespace qv
