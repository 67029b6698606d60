// The unit tests' entry point. The tester's own qvformat.ini and data files
// (~/.config/qvformat/ and ~/.local/share/qvformat/, or %APPDATA%\qvformat
// and %LOCALAPPDATA%\qvformat on Windows) must not reach the tests: the
// per-user folders name a path that does not exist. Tests of the lookup set
// them as they need.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
#ifdef _WIN32
  _putenv_s("APPDATA", "C:\\nonexistent\\qvformat-tests\\config");
  _putenv_s("LOCALAPPDATA", "C:\\nonexistent\\qvformat-tests\\data");
#else
  setenv("XDG_CONFIG_HOME", "/nonexistent/qvformat-tests/config", 1);
  setenv("XDG_DATA_HOME", "/nonexistent/qvformat-tests/data", 1);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
