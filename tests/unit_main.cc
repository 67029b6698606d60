// The unit tests' entry point. The tester's own qvformat.ini and data files
// (~/.config/qvformat/, ~/.local/share/qvformat/) must not reach the tests:
// the per-user directories name a path that does not exist. Tests of the
// lookup set them as they need.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  setenv("XDG_CONFIG_HOME", "/nonexistent/qvformat-tests/config", 1);
  setenv("XDG_DATA_HOME", "/nonexistent/qvformat-tests/data", 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
