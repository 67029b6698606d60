// The built tool downloading from a local TLS server, as a player would run
// it with QVFORMAT_HOST, QVFORMAT_PORT and SSL_CERT_FILE.
#include <chrono>
#include <string>
#include <vector>

#include "platform/dir_listing.h"
#include "tests/download/download_tool_fixture.h"

namespace qv::test {
namespace {

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

// A folder that keeps an atlas has it brought up to date; what keeps the
// atlas as it was is told in one line and never fails the download.
TEST_F(DownloadTool, AtlasOfTheFolderIsKeptWhenItCannotTakeTheTurn) {
  const std::string stored = "qvformat atlasz 1\r\ncella\t1\t2\t5\t0\t3\t3\t9\r\n";
  const std::string damaged = "qvformat atlasz 1\r\ncella\t1\r\n";
  for (const std::string& atlas : {stored, damaged}) {
    dir_.Write("atlasz.txt", atlas);
    TlsTestServer server({Reply(kSession), Reply(kLogin), Reply(kTurn)});
    const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"},
                       server.port(), Certificates().caFile);
    EXPECT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(dir_.Read("1234_57.htm"), kStored + "\r\n");
    EXPECT_EQ(dir_.Read("atlasz.txt"), atlas);
    // The stored turn has no header: the atlas cannot take it.
    const std::string told = atlas == stored
                                 ? "Atlasz: atlasz.txt nem valtozott: a letoltott jelentes nem "
                                   "olvashato hozza\r\n"
                                 : "Atlasz: nem frissult (";
    EXPECT_NE(r.out.find("Targylista formazasa...\r\n" + told), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Nyisd meg: 1234r57.htm\r\n"), std::string::npos) << r.out;
  }
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
            "qvformat: Letoltesi hiba: a honlap valasza (1234_57.htm) 41 bajt utan megszakadt, "
            "pedig 5000 bajtot jelzett; semmit nem irtam ki\r\n");
  EXPECT_EQ(r.out.find("Befejezes"), std::string::npos) << r.out;
  EXPECT_EQ(ListDirectory(dir_.path()), (std::vector<std::string>{"1234_57.htm", "1234r57.htm"}));
  EXPECT_EQ(dir_.Read("1234_57.htm"), "earlier report\r\n");
  EXPECT_EQ(dir_.Read("1234r57.htm"), "earlier page\r\n");
}

// A report without a declared length is whole only with its closing tag:
// half of it is refused however the connection ends, and the earlier files
// stay as they were.
TEST_F(DownloadTool, ReportCutOffWithoutALengthKeepsTheEarlierFiles) {
  enum Ending { kCloseNotify, kFinInsideARecord, kReset };
  for (const Ending ending : {kCloseNotify, kFinInsideARecord, kReset}) {
    dir_.Write("1234_58.htm", "earlier report\r\n");
    dir_.Write("1234r58.htm", "earlier page\r\n");
    test::ScriptedReply cut =
        Reply("HTTP/1.0 200 OK\r\n\r\n<html>\r\n<head>\r\n<title>Jelentes</title>\r\n");
    cut.closeNotify = ending == kCloseNotify;
    cut.halfRecord = ending == kFinInsideARecord;
    cut.reset = ending == kReset;
    cut.stallMs = ending == kReset ? 500 : 0;  // the half has arrived
    TlsTestServer server({Reply(kSession), Reply(kLogin), cut});
    const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=58"}, server.port(),
                       Certificates().caFile);
    EXPECT_EQ(r.exitStatus, 1) << ending;
    EXPECT_EQ(r.err,
              "qvformat: Letoltesi hiba: a honlap valasza (1234_58.htm) 41 bajt utan megszakadt, "
              "a zaro </html> elott; semmit nem irtam ki\r\n")
        << ending;
    EXPECT_EQ(ListDirectory(dir_.path()), (std::vector<std::string>{"1234_58.htm", "1234r58.htm"}));
    EXPECT_EQ(dir_.Read("1234_58.htm"), "earlier report\r\n");
    EXPECT_EQ(dir_.Read("1234r58.htm"), "earlier page\r\n");
  }
}

TEST_F(DownloadTool, AnswerBeyondTheLimitIsRefused) {
  dir_.Write("1234_57.htm", "earlier report\r\n");
  const std::string big = "HTTP/1.0 200 OK\r\n\r\n<html>\r\n<title>Jelentes</title>\r\n" +
                          std::string(10000, 'x') + "\r\n</html>\r\n";
  TlsTestServer server({Reply(kSession), Reply(kLogin), Reply(big)});
  const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port(),
                     Certificates().caFile, QV_TOOL_PATH, {"QVFORMAT_ANSWER_LIMIT=4096"});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err,
            "qvformat: Letoltesi hiba: a honlap valasza nagyobb, mint 4096 bajt, amennyit egy "
            "kapcsolat fogadhat; semmit nem irtam ki\r\n");
  EXPECT_EQ(ListDirectory(dir_.path()), std::vector<std::string>{"1234_57.htm"});
  EXPECT_EQ(dir_.Read("1234_57.htm"), "earlier report\r\n");
}

// A server that sends a byte now and then is given up when the
// connection's time is up; meanwhile the player is told, once, that the
// tool waits.
TEST_F(DownloadTool, TricklingAnswerEndsInBoundedTimeAndSaysItWaits) {
  test::ScriptedReply trickle = Reply("HTTP/1.0 200 OK\r\n\r\n");
  for (const char c : std::string("<html><title>Jelentes</title></html>"))
    trickle.chunks.push_back({c});
  trickle.pauseMs = 1500;
  TlsTestServer server({Reply(kSession), Reply(kLogin), trickle});
  const auto start = std::chrono::steady_clock::now();
  const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port(),
                     Certificates().caFile, QV_TOOL_PATH,
                     {"QVFORMAT_CONNECTION_LIMIT_MS=3000", "QVFORMAT_WAIT_NOTICE_MS=1000"});
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out,
            "Indulas ideje: TIME\r\n"
            "\r\n"
            "Session ID lekerdezese...\r\n"
            "Bejelentkezes...\r\n"
            "Fordulo letoltese...\r\n"
            "Varakozas a szerver valaszara...\r\n");
  EXPECT_EQ(r.err,
            "qvformat: Letoltesi hiba: a honlap valasza tovabb tartott, mint 3 s, amennyi egy "
            "kapcsolatra juthat; semmit nem irtam ki\r\n");
  EXPECT_TRUE(ListDirectory(dir_.path()).empty());
}

// Bytes that are not TLS right after the handshake: the run fails, named
// alike on every system (app/download_session_test.cc has every connection).
TEST_F(DownloadTool, JunkAfterTheHandshakeEndsTheRun) {
  test::ScriptedReply junk;
  junk.junk = "HTTP/1.0 400 Bad Request\r\n\r\n";
  TlsTestServer server({junk});
  const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port(),
                     Certificates().caFile);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "qvformat: TLS hiba: protokollhiba a kapcsolatban (localhost, " +
                       std::to_string(server.port()) +
                       ". port): a szerver nem TLS adatot vagy TLS riasztast kuldott\r\n");
  EXPECT_EQ(r.out.find("Befejezes"), std::string::npos) << r.out;
  EXPECT_TRUE(ListDirectory(dir_.path()).empty());
}

// Without "/pass=" the password comes from QVFORMAT_PASSWORD (on a
// terminal it is asked for: posix/download_tool_test.cc).
TEST_F(DownloadTool, PasswordFromTheEnvironment) {
  TlsTestServer server({Reply(kSession), Reply(kLogin), Reply(kTurn), Reply(kOnline)});
  const auto r = Run({"/o", "/user=Anna", "/kar=1234", "/ford=57", "/letolt"}, server.port(),
                     Certificates().caFile, QV_TOOL_PATH, {"QVFORMAT_PASSWORD=t&tok"});
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(LoginBody(server), "login=login&SZLA=Anna&PSW=t%26tok\r\n\r\n");
}

TEST_F(DownloadTool, CertificateFromAnotherAuthorityEndsTheRun) {
  TlsTestServer server({Reply(kSession)});
  const auto r = Run({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port(),
                     Certificates().otherCaFile);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, "Indulas ideje: TIME\r\n\r\n");
  EXPECT_EQ(r.err.rfind("qvformat: TLS hiba: Sikertelen TLS kapcsolodas. A(z) localhost "
                        "tanusitvanya nem fogadhato el: ",
                        0),
            0u)
      << r.err;
  EXPECT_TRUE(ListDirectory(dir_.path()).empty());
  const auto seen = server.Connections();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].request, "");  // nothing reached the server
}

}  // namespace
}  // namespace qv::test
