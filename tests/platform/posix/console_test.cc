// The console on a UTF-8 terminal: the tool's Windows-1250 texts are
// transcoded, file names and error lines (already in the locale's set) are
// not. Run in a child process whose output is a pseudo-terminal.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "platform/console.h"
#include "text/cp1250.h"

namespace qv {
namespace {

// What the console writes to a terminal, run in a child with `locale`.
template <typename Body>
std::string OnTerminal(const char* locale, Body body) {
  int master = -1;
  const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid < 0) return "forkpty failed";
  if (pid == 0) {
    if (std::setlocale(LC_CTYPE, locale) == nullptr) _exit(2);
    StdConsole console;
    body(console);
    _exit(0);
  }
  std::string out;
  char buf[256];
  ssize_t n;
  while ((n = read(master, buf, sizeof buf)) > 0) out.append(buf, static_cast<std::size_t>(n));
  int status = 0;
  waitpid(pid, &status, 0);
  close(master);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child failed";
  return out;
}

const std::string kUtf8Name = "\xC3\xA1rv\xC3\xADz_1.htm";  // árvíz_1.htm as the system gives it

TEST(ConsoleOnUtf8Terminal, NamesPrintAsTheyAreAndTextIsTranscoded) {
  const std::string out = OnTerminal("C.UTF-8", [](Console& c) {
    c.LineWithName("   1. Filenev: ", kUtf8Name);
    c.Line(std::string("Hibás forduló!"_cp));
    c.ErrorLine("qvformat: Fajlhiba: '" + kUtf8Name + "' nem nyithato meg");
  });
  // The terminal turns each LF into CR LF: a line written with CR LF reads
  // back with CR CR LF.
  EXPECT_EQ(out, "   1. Filenev: " + kUtf8Name + "\r\r\n" + "Hib\xC3\xA1s fordul\xC3\xB3!\r\r\n" +
                     "qvformat: Fajlhiba: '" + kUtf8Name + "' nem nyithato meg\r\r\n");
}

TEST(ConsoleOnUtf8Terminal, TheCLocaleWritesBytesUnchanged) {
  const std::string out = OnTerminal("C", [](Console& c) {
    c.Line(std::string("Hibás"_cp));
    c.LineWithName("Nyisd meg: ", "x\xE1_1.htm");
  });
  EXPECT_EQ(out, "Hib\xE1s\r\r\nNyisd meg: x\xE1_1.htm\r\r\n");
}

// What a child writes with both streams into one file, as "2>&1" does.
template <typename Body>
std::string IntoOneFile(Body body) {
  char name[] = "/tmp/qv_console_XXXXXX";
  const int file = mkstemp(name);
  if (file < 0) return "mkstemp failed";
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(file, STDOUT_FILENO);
    dup2(file, STDERR_FILENO);
    body();
    _exit(0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  std::string out;
  char buf[256];
  ssize_t n;
  lseek(file, 0, SEEK_SET);
  while ((n = read(file, buf, sizeof buf)) > 0) out.append(buf, static_cast<std::size_t>(n));
  close(file);
  unlink(name);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child failed";
  return out;
}

// Lines in a quick run wait for the file, but go out before an error line,
// before a document is written to the descriptor itself, and at the end.
TEST(ConsoleToOneFile, LinesKeepTheirOrderAcrossStreamsAndDocuments) {
  const std::string out = IntoOneFile([] {
    StdConsole console;
    for (int i = 1; i <= 3; ++i) console.Line("Parancs " + std::to_string(i));
    console.ErrorLine("hiba");
    console.Line("tovabb");
    console.SetMessagesToErrorStream(true);
    if (write(STDOUT_FILENO, "{\\rtf1}", 7) != 7) _exit(3);
    console.Line("kesz");
    console.SetMessagesToErrorStream(false);
    console.Line("utolso");
  });
  EXPECT_EQ(out,
            "Parancs 1\r\nParancs 2\r\nParancs 3\r\nhiba\r\ntovabb\r\n{\\rtf1}kesz\r\n"
            "utolso\r\n");
}

// A line after a quiet spell is not held back: a program that waits after
// it (the child here ends without flushing anything) has shown it.
TEST(ConsoleToOneFile, ALineAfterQuietGoesOutAtOnce) {
  EXPECT_EQ(IntoOneFile([] {
              StdConsole console;
              console.Line("ready");
              _exit(0);
            }),
            "ready\r\n");
}

}  // namespace
}  // namespace qv
