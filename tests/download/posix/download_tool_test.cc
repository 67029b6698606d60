// Downloads that only POSIX systems run this way: Ctrl-C (SIGINT) while the
// answer stalls, and the password typed on a terminal (script(1)).
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/dir_listing.h"
#include "tests/download/download_tool_fixture.h"

namespace qv::test {
namespace {

TEST_F(DownloadTool, InterruptedDownloadLeavesNoTemporaryFile) {
  dir_.Write("1234_57.htm", "earlier report\r\n");
  test::ScriptedReply stalled = Reply("HTTP/1.0 200 OK\r\n\r\n<html>\r\n<title>Jel");
  stalled.stallMs = 30000;
  TlsTestServer server({Reply(kSession), Reply(kLogin), stalled});

  // The tool runs on its own; everything exec needs is made before the fork.
  std::vector<std::string> args = {QV_TOOL_PATH, "/o",       "/user=Anna",
                                   "/pass=titok", "/kar=1234", "/ford=57"};
  std::vector<std::string> env = {"LC_ALL=C", "QVFORMAT_HOST=localhost",
                                  "QVFORMAT_PORT=" + std::to_string(server.port()),
                                  "SSL_CERT_FILE=" + Certificates().caFile};
  std::vector<char*> argv, envp;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_RDWR);
    if (chdir(dir_.path().c_str()) != 0 || null < 0) _exit(126);
    dup2(null, 1);
    dup2(null, 2);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  // The report's temporary file stands beside the earlier report while the
  // answer stalls.
  bool writing = false;
  for (int i = 0; i < 1000 && !writing; ++i) {
    writing = ListDirectory(dir_.path()).size() == 2;
    if (!writing) usleep(10000);
  }
  EXPECT_TRUE(writing);
  kill(child, SIGINT);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
  EXPECT_EQ(ListDirectory(dir_.path()), std::vector<std::string>{"1234_57.htm"});
  EXPECT_EQ(dir_.Read("1234_57.htm"), "earlier report\r\n");
}

// Without "/pass=" and QVFORMAT_PASSWORD, the password is asked for on a
// terminal without being shown; it is sent as one typed there.
TEST_F(DownloadTool, PasswordFromTheTerminal) {
  // The password is typed once the prompt shows.
  TlsTestServer server({Reply(kSession), Reply(kLogin), Reply(kTurn), Reply(kOnline)});
  const std::string tool = std::string(QV_TOOL_PATH) + " /o /user=Anna /kar=1234 /ford=57 /letolt";
  const std::string typing =
      "{ while ! grep -q Jelszo shown.txt 2>/dev/null; do sleep 0.05; done; printf 'titok\\n'; } | "
      "script -qec '" + tool + "' /dev/null >shown.txt; cat shown.txt";
  const auto r = Run({"-c", typing}, server.port(), Certificates().caFile, "/bin/sh");
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_NE(r.out.find("Jelszo: "), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("titok"), std::string::npos) << r.out;  // never shown
  EXPECT_EQ(LoginBody(server), "login=login&SZLA=Anna&PSW=titok\r\n\r\n");
}

}  // namespace
}  // namespace qv::test
