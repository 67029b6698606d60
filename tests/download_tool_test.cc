// The built tool downloading from a local TLS server, as a player would run
// it with QVFORMAT_HOST, QVFORMAT_PORT and SSL_CERT_FILE.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <regex>
#include <string>
#include <vector>

#include "platform/dir_listing.h"
#include "tests/download_test_server.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

using test::Certificates;
using test::Reply;
using test::TlsTestServer;

const std::string kSession = "HTTP/1.0 200 OK\r\nSet-Cookie: GAZEHALL_SESSIONID=s1; path=/\r\n\r\n";
const std::string kLogin =
    "HTTP/1.0 200 OK\r\n"
    "Set-Cookie: GAZPSW=p1; path=/\r\n"
    "Set-Cookie: GAZUSER=u1; path=/\r\n"
    "\r\n"
    "<a href=\"?m=qv&in=billent2.php&karakter=QV1234&fordulo=57&nyilvanos=1\">57.</a>\r\n";
const std::string kTurn =
    "HTTP/1.0 200 OK\r\n\r\n"
    "<html>\r\n<head>\r\n<title>Jelentes</title>\r\n</head>\r\n<body>\r\n"
    "<TABLE><TR><td>menu</td></TR></TABLE>\r\n"
    "<p>Fordulo</p>\r\n</body>\r\n</html>\r\n";
const std::string kStored =
    "<html>\r\n<head>\r\n<title>Jelentes</title>\r\n</head>\r\n<body>\r\n\n"
    "<p>Fordulo</p>\r\n</body>\r\n</html>";
const std::string kOnline = "HTTP/1.0 200 OK\r\n\r\n<html>online</html>";

class DownloadTool : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Certificates().ok) << "the openssl tool failed"; }

  test::ProgramResult Run(const std::vector<std::string>& args, std::uint16_t port,
                          const std::string& caFile, const std::string& program = QV_TOOL_PATH,
                          const std::string& moreEnv = "LC_ALL=C") {
    const std::vector<std::string> env = {
        moreEnv, "PATH=/usr/bin:/bin", "QVFORMAT_HOST=localhost",
        "QVFORMAT_PORT=" + std::to_string(port), "SSL_CERT_FILE=" + caFile};
    test::ProgramResult r = test::RunProgram(program, args, env, dir_.path(), 60000);
    // The clock is not part of what is checked.
    r.out = std::regex_replace(r.out, std::regex("ideje: [^\r]*"), "ideje: TIME");
    return r;
  }

  test::TempDir dir_;
};

TEST_F(DownloadTool, LetoltStoresBothRenderingsAndNamesTheFileToOpen) {
  TlsTestServer server({Reply(kSession), Reply(kLogin), Reply(kTurn), Reply(kOnline)});
  const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=utolso", "/letolt"},
                     server.port(), Certificates().caFile);
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.err, "");
  // No graphical session in this environment: the tool names the file.
  EXPECT_EQ(r.out,
            "Indulas ideje: TIME\r\n"
            "\r\n"
            "Session ID lekerdezese...\r\n"
            "Bejelentkezes...\r\n"
            "Fordulo letoltese...\r\n"
            "Online QVFormat fordulo letoltese...\r\n"
            "Nyisd meg: 1234r57.htm\r\n"
            "\r\n"
            "Befejezes ideje: TIME\r\n");
  EXPECT_EQ(ListDirectory(dir_.path()), (std::vector<std::string>{"1234_57.htm", "1234r57.htm"}));
  EXPECT_EQ(dir_.Read("1234_57.htm"), kStored + "\r\n");
  EXPECT_EQ(dir_.Read("1234r57.htm"), "<html>online</html>\r\n");
  EXPECT_EQ(server.Connections().size(), 4u);
}

TEST_F(DownloadTool, ReportThenItsItemListPage) {
  TlsTestServer server({Reply(kSession), Reply(kLogin), Reply(kTurn)});
  const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port(),
                     Certificates().caFile);
  EXPECT_EQ(dir_.Read("1234_57.htm"), kStored + "\r\n");
  EXPECT_NE(r.out.find("Fordulo letoltese...\r\nTargylista formazasa...\r\n"), std::string::npos)
      << r.out;
  // The page is built, then named for opening (no graphical session here).
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_NE(r.out.find("Nyisd meg: 1234r57.htm\r\n\r\nBefejezes ideje: TIME\r\n"),
            std::string::npos)
      << r.out;
  EXPECT_FALSE(dir_.Read("1234r57.htm").empty());
}

TEST_F(DownloadTool, CharacterWithUnderscoreOpensThePageItsNameWasWrittenUnder) {
  TlsTestServer server({Reply(kSession), Reply(kLogin), Reply(kTurn)});
  const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=12_34", "/ford=5_7"},
                     server.port(), Certificates().caFile);
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_NE(r.out.find("Nyisd meg: 12r34r5r7.htm\r\n"), std::string::npos) << r.out;
  EXPECT_EQ(ListDirectory(dir_.path()),
            (std::vector<std::string>{"12_34_5_7.htm", "12r34r5r7.htm"}));
}

TEST_F(DownloadTool, ReportCutOffMidwayKeepsTheEarlierFiles) {
  dir_.Write("1234_57.htm", "earlier report\r\n");
  dir_.Write("1234r57.htm", "earlier page\r\n");
  // The server drops the connection (no TLS close) 41 bytes into the body.
  test::ScriptedReply cut = Reply(
      "HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n"
      "<html>\r\n<head>\r\n<title>Jelentes</title>\r\n");
  cut.closeNotify = false;
  TlsTestServer server({Reply(kSession), Reply(kLogin), cut});
  const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port(),
                     Certificates().caFile);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err,
            "qvformat: Download error: the site's answer for 1234_57.htm was cut off after 41 of "
            "5000 bytes; nothing was written\r\n");
  EXPECT_EQ(r.out.find("Befejezes"), std::string::npos) << r.out;
  EXPECT_EQ(ListDirectory(dir_.path()), (std::vector<std::string>{"1234_57.htm", "1234r57.htm"}));
  EXPECT_EQ(dir_.Read("1234_57.htm"), "earlier report\r\n");
  EXPECT_EQ(dir_.Read("1234r57.htm"), "earlier page\r\n");
}

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

// The login body the server got on the second connection.
std::string LoginBody(TlsTestServer& server) {
  const auto seen = server.Connections();
  if (seen.size() < 2) return "";
  const std::string& request = seen[1].request;
  return request.substr(request.find("\r\n\r\n") + 4);
}

// Without "/pass=" the password comes from QVFORMAT_PASSWORD, or is asked
// for on a terminal without being shown; it is sent as one typed there.
TEST_F(DownloadTool, PasswordFromTheEnvironmentOrTheTerminal) {
  {
    TlsTestServer server({Reply(kSession), Reply(kLogin), Reply(kTurn), Reply(kOnline)});
    const auto r = Run({"/o", "/user=Anna", "/kar=1234", "/ford=57", "/letolt"}, server.port(),
                       Certificates().caFile, QV_TOOL_PATH, "QVFORMAT_PASSWORD=t&tok");
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(LoginBody(server), "login=login&SZLA=Anna&PSW=t%26tok\r\n\r\n");
  }
  // A terminal (script(1)); the password is typed once the prompt shows.
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

TEST_F(DownloadTool, CertificateFromAnotherAuthorityEndsTheRun) {
  TlsTestServer server({Reply(kSession)});
  const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port(),
                     Certificates().otherCaFile);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, "Indulas ideje: TIME\r\n\r\n");
  EXPECT_EQ(r.err.rfind("qvformat: TLS error: Error connecting with SSL. The certificate of "
                        "localhost was refused: ",
                        0),
            0u)
      << r.err;
  EXPECT_TRUE(ListDirectory(dir_.path()).empty());
  const auto seen = server.Connections();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].request, "");  // nothing reached the server
}

}  // namespace
}  // namespace qv
