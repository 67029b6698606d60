// The turn download against a scripted TLS server on 127.0.0.1, with the
// options the command line gives (tests/download/download_parts_test.cc: its pieces).
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/download_run.h"
#include "app/run.h"
#include "config/settings_file.h"
#include "config/site.h"
#include "download/cookies.h"
#include "download/download_session.h"
#include "download/requests.h"
#include "download/response_check.h"
#include "download/response_cut.h"
#include "download/safe_values.h"
#include "download/turn_resolution.h"
#include "platform/dir_listing.h"
#include "platform/encoding.h"
#include "platform/error.h"
#include "tests/download/download_test_server.h"
#include "tests/support/consoles.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scratch_dir.h"
#include "text/cp1250.h"

namespace qv {
namespace {

using test::Certificates;
using test::Reply;
using test::ScriptedReply;
using test::TlsTestServer;

// --- Whole downloads --------------------------------------------------------------

const std::string kAgent = "User-Agent: QVFormat Browser v3.4 include Orm script v3.7\r\n";

const std::string kSessionRequest =
    "HEAD https://localhost/ HTTP/1.0\r\n"
    "Host: localhost\r\n"
    "Referer: https://localhost/\r\n" +
    kAgent + "\r\n";

const std::string kSessionAnswer =
    "HTTP/1.0 200 OK\r\n"
    "Set-Cookie: GAZEHALL_SESSIONID=old; path=/\r\n"
    "Set-Cookie: GAZEHALL_SESSIONID=s3ss; path=/\r\n"
    "Content-Length: 0\r\n"
    "\r\n";

const std::string kLoginAnswer =
    "HTTP/1.0 200 OK\r\n"
    "Set-Cookie: GAZPSW=pw9; expires=Fri, 01-Jan-2038 00:00:00 GMT; path=/\r\n"
    "Set-Cookie: GAZUSER=Anna; path=/\r\n"
    "\r\n"
    "<html><body>\r\n"
    "<a href=\"?m=qv&in=billent2.php&karakter=QV1234&fordulo=57&nyilvanos=1\">57.</a>\r\n"
    "<a href=\"?m=qv&in=billent2.php&karakter=QV1234&fordulo=56&nyilvanos=1\">56.</a>\r\n"
    "</body></html>\r\n";

const std::string kTurnAnswer =
    "HTTP/1.0 200 OK\r\n"
    "Content-Type: text/html\r\n"
    "\r\n"
    "<html><title>57</title><body>\r\n"
    "<TABLE><TR><td>menu</td></TR></TABLE>\r\n"
    "<h1>Jelent\xE9s</h1>\r\n"
    "</html>\r\n"
    "<!-- served -->\r\n";

// The answer cut: header, first table and the CR behind it, and the tail.
const std::string kStoredTurn =
    "<html><title>57</title><body>\r\n\n<h1>Jelent\xE9s</h1>\r\n</html>";

class DownloadSession : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Certificates().ok) << "the openssl tool failed";
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  void Download(std::vector<std::string> params, std::uint16_t port, int timeoutMs = 5000) {
    DownloadRunParts parts;
    parts.site = [&] {
      DownloadSite site;
      site.host = "localhost";
      site.port = port;
      site.tls.caFile = Certificates().caFile;
      site.tls.socketTimeoutMs = timeoutMs;
      site.tls.answerLimit = answerLimit_;
      site.tls.connectionLimitMs = connectionLimitMs_;
      return site;
    };
    parts.password = password_;
    parts.buildPage = [&](const std::string& name) { pages_.push_back(name); };
    parts.open = [&](const std::string& name, Console&) { opened_.push_back(name); };
    RunDownload(DownloadOptionsFrom(CommandLine(std::move(params))), parts, console_);
  }

  std::vector<std::string> Files() const { return ListDirectory(dir_.path()); }
  std::vector<std::string> Requests(TlsTestServer& server) {
    std::vector<std::string> out;
    for (const auto& seen : server.Connections()) out.push_back(seen.request);
    return out;
  }

  test::TempDir dir_;
  std::filesystem::path previous_;
  test::RecordingConsole console_;
  std::function<std::string(bool)> password_;  // without "/pass=": none
  std::size_t answerLimit_ = TlsOptions{}.answerLimit;
  int connectionLimitMs_ = TlsOptions{}.connectionLimitMs;
  std::vector<std::string> pages_;
  std::vector<std::string> opened_;
};

TEST_F(DownloadSession, LatestTurnStoredPagedAndOpened) {
  TlsTestServer server({Reply(kSessionAnswer), Reply(kLoginAnswer), Reply(kTurnAnswer)});
  Download({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=utolso"}, server.port());

  const auto requests = Requests(server);
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0], kSessionRequest);
  EXPECT_EQ(requests[1],
            "POST https://localhost/?m=qv&in=karakter.php&karakter=QV1234 HTTP/1.0\r\n"
            "Host: localhost\r\n"
            "Referer: https://localhost/?m=qv\r\n" +
                kAgent +
                "Cookie: GAZEHALL_SESSIONID=s3ss\r\n"
                "Content-type: application/x-www-form-urlencoded\r\n"
                "Content-length: 31\r\n"
                "\r\n"
                "login=login&SZLA=Anna&PSW=titok\r\n"
                "\r\n");
  EXPECT_EQ(requests[2],
            "GET https://localhost/?m=qv&in=fordulo20.php&karakter=QV1234&fordulo=57&latin2 "
            "HTTP/1.0\r\n"
            "Host: localhost\r\n"
            "Referer: https://localhost/?m=qv\r\n" +
                kAgent +
                "Cookie: GAZEHALL_SESSIONID=s3ss; GAZPSW=pw9; GAZUSER=Anna\r\n"
                "\r\n");

  EXPECT_EQ(console_.lines,
            (std::vector<std::string>{"", "Session ID lekerdezese...", "Bejelentkezes...",
                                      "Fordulo letoltese...", "Targylista formazasa...", ""}));
  EXPECT_EQ(Files(), std::vector<std::string>{"1234_57.htm"});
  EXPECT_EQ(dir_.Read("1234_57.htm"), kStoredTurn + "\r\n");
  EXPECT_EQ(pages_, std::vector<std::string>{"1234_57.htm"});
  EXPECT_EQ(opened_, std::vector<std::string>{"1234r57.htm"});
}

TEST_F(DownloadSession, LetoltStoresTheOnlineRenderingInstead) {
  const std::string online =
      "HTTP/1.0 200 OK\r\n\r\n<html>\xC3\xA1<TABLE><TR>menu</TABLE>\r\nonline</html>\r\n";
  TlsTestServer server(
      {Reply(kSessionAnswer), Reply(kLoginAnswer), Reply(kTurnAnswer), Reply(online)});
  Download({"/o", "/LETOLT", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port());

  const auto requests = Requests(server);
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[3],
            "GET https://localhost/?m=qv&in=fordulo20.php&karakter=QV1234&fordulo=57 HTTP/1.0\r\n"
            "Host: localhost\r\n"
            "Referer: https://localhost/?m=qv\r\n" +
                kAgent +
                "Cookie: GAZEHALL_SESSIONID=s3ss; GAZPSW=pw9; GAZUSER=Anna\r\n"
                "\r\n");
  EXPECT_EQ(console_.lines, (std::vector<std::string>{"", "Session ID lekerdezese...",
                                                      "Bejelentkezes...", "Fordulo letoltese...",
                                                      "Online QVFormat fordulo letoltese...", ""}));
  EXPECT_EQ(Files(), (std::vector<std::string>{"1234_57.htm", "1234r57.htm"}));
  EXPECT_EQ(dir_.Read("1234_57.htm"), kStoredTurn + "\r\n");
  // Bytes are stored as received, in either encoding.
  EXPECT_EQ(dir_.Read("1234r57.htm"), "<html>\xC3\xA1\nonline</html>\r\n");
  EXPECT_TRUE(pages_.empty());
  EXPECT_EQ(opened_, std::vector<std::string>{"1234r57.htm"});
}

TEST_F(DownloadSession, LetoltRenderingOfACharacterWithUnderscoreIsStoredUnderThePageName) {
  TlsTestServer server({Reply(kSessionAnswer), Reply(kLoginAnswer), Reply(kTurnAnswer),
                        Reply("HTTP/1.0 200 OK\r\n\r\n<html>online</html>")});
  Download({"/o", "/letolt", "/user=Anna", "/pass=titok", "/kar=12_34", "/ford=57"},
           server.port());
  EXPECT_EQ(Files(), (std::vector<std::string>{"12_34_57.htm", "12r34r57.htm"}));
  EXPECT_EQ(opened_, std::vector<std::string>{"12r34r57.htm"});
}

TEST_F(DownloadSession, FailedLoginStillAsksForTheTurn) {
  TlsTestServer server({Reply(kSessionAnswer),
                        Reply("HTTP/1.0 200 OK\r\n\r\n<p>Hibas jelszo</p>\r\n"),
                        Reply(kTurnAnswer)});
  Download({"/o", "/user=Anna", "/pass=rossz", "/kar=1234", "/ford=utolso"}, server.port());
  const auto requests = Requests(server);
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[2],
            "GET https://localhost/?m=qv&in=fordulo20.php&karakter=QV1234&fordulo=utolso&latin2 "
            "HTTP/1.0\r\n"
            "Host: localhost\r\n"
            "Referer: https://localhost/?m=qv\r\n" +
                kAgent +
                "Cookie: GAZEHALL_SESSIONID=s3ss; ; \r\n"
                "\r\n");
  EXPECT_EQ(Files(), std::vector<std::string>{"1234_utolso.htm"});
  EXPECT_EQ(opened_, std::vector<std::string>{"1234rutolso.htm"});
}

TEST_F(DownloadSession, TurnWithBulMeetsItsHeadingOrTheOneBefore) {
  const std::string cookies =
      "HTTP/1.0 200 OK\r\nSet-Cookie: GAZPSW=pw9; path=/\r\n"
      "Set-Cookie: GAZUSER=Anna; path=/\r\n\r\n";
  {
    TlsTestServer server(
        {Reply(kSessionAnswer), Reply(cookies + "<b>58. fordulo</b>\r\n"), Reply(kTurnAnswer)});
    Download({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=58&bul=1"}, server.port());
    const auto requests = Requests(server);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[2].substr(0, requests[2].find("\r\n")),
              "GET https://localhost/?m=qv&in=fordulo20.php&karakter=QV1234&fordulo=58&latin2 "
              "HTTP/1.0");
    EXPECT_EQ(Files(), std::vector<std::string>{"1234_58.htm"});
  }
  {
    TlsTestServer server(
        {Reply(kSessionAnswer), Reply(cookies + "<b>57. fordulo</b>\r\n"), Reply(kTurnAnswer)});
    Download({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=58&bul=1"}, server.port());
    const auto requests = Requests(server);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[2].substr(0, requests[2].find("\r\n")),
              "GET https://localhost/?m=qv&in=fordulo20.php&karakter=QV1234&fordulo=58&bul=1"
              "&latin2 HTTP/1.0");
    EXPECT_EQ(Files(), (std::vector<std::string>{"1234_58&bul=1.htm", "1234_58.htm"}));
  }
}

TEST_F(DownloadSession, UserAndPasswordArePercentEncoded) {
  TlsTestServer server({Reply(kSessionAnswer), Reply(kLoginAnswer), Reply(kTurnAnswer)});
  // Typed in the command line's character set (UTF-8 on Windows).
  const std::string name("Kovács Béla"_cp);
  const std::string typed = IsUtf8Charset(LocaleCharset()) ? Cp1250ToUtf8(name) : name;
  Download({"/o", "/user=" + typed, "/pass=a&b=c+d%e~f.g-h_i", "/kar=1234",
            "/ford=57"},
           server.port());
  const auto requests = Requests(server);
  ASSERT_EQ(requests.size(), 3u);
  const std::string& login = requests[1];
  const std::size_t body = login.find("Content-length:");
  ASSERT_NE(body, std::string::npos);
  EXPECT_EQ(login.substr(body),
            "Content-length: 64\r\n"
            "\r\n"
            "login=login&SZLA=Kov%E1cs%20B%E9la&PSW=a%26b%3Dc%2Bd%25e~f.g-h_i\r\n"
            "\r\n");
}

TEST_F(DownloadSession, MissingOptionsSendNothing) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"/o", "/pass=p", "/kar=1", "/ford=2"}, "Nem adtal meg felhasznalot!"},
      {{"/o", "/user=u", "/kar=1", "/ford=2"}, "Nem adtal meg jelszot!"},
      {{"/o", "/user=u", "/pass=p", "/ford=2"}, "Nem adtal meg karakterszamot!"},
      {{"/o", "/user=u", "/pass=p", "/kar=1", "/ford="}, "Nem adtal meg fordulo szamot!"},
      {{"/o"}, "Nem adtal meg felhasznalot!"},
  };
  TlsTestServer server({Reply(kSessionAnswer)});
  for (const auto& [params, message] : cases) {
    console_.lines.clear();
    EXPECT_THROW(Download(params, server.port()), Error);  // the run failed
    EXPECT_EQ(console_.lines, (std::vector<std::string>{"", message, ""}));
  }
  EXPECT_TRUE(server.Connections().empty());
  EXPECT_TRUE(Files().empty());
}

// Without "/pass=" the password is asked for elsewhere, and may be typed
// only when the run can go on with it; a user name comes first.
TEST_F(DownloadSession, PasswordFromElsewhere) {
  std::vector<bool> asked;
  std::string given;
  password_ = [&](bool mayAsk) {
    asked.push_back(mayAsk);
    return given;
  };
  TlsTestServer server({Reply(kSessionAnswer)});
  const auto run = [&](std::vector<std::string> params) {
    console_.lines.clear();
    EXPECT_THROW(Download(std::move(params), server.port()), Error);
    return console_.lines.at(1);
  };
  EXPECT_EQ(run({"/o", "/kar=1", "/ford=2"}), "Nem adtal meg felhasznalot!");
  EXPECT_EQ(run({"/o", "/user=u", "/kar=1"}), "Nem adtal meg jelszot!");
  given = "p";  // from the environment
  EXPECT_EQ(run({"/o", "/user=u", "/kar=1"}), "Nem adtal meg fordulo szamot!");
  EXPECT_EQ(run({"/o", "/user=u", "/pass=q", "/kar=1"}), "Nem adtal meg fordulo szamot!");
  EXPECT_EQ(asked, (std::vector<bool>{false, false}));
  EXPECT_TRUE(server.Connections().empty());
}

TEST_F(DownloadSession, UnsafeValuesAreRefusedBeforeAnythingIsWritten) {
  {
    TlsTestServer server({Reply(kSessionAnswer)});
    EXPECT_THROW(Download({"/o", "/user=u", "/pass=p", "/kar=../1", "/ford=2"}, server.port()),
                 Error);
    EXPECT_THROW(Download({"/o", "/user=u", "/pass=p", "/kar=1", "/ford=.x"}, server.port()),
                 Error);
    EXPECT_THROW(Download({"/o", "/user=u", "/pass=p", "/kar=C:", "/ford=2"}, server.port()),
                 Error);
    EXPECT_TRUE(server.Connections().empty());
  }
  // A turn list that would lead out of the directory, or (on Windows) into
  // an alternate stream of a file "1234_57".
  for (const std::string turn : {"../../x", "57:x"}) {
    const std::string evil =
        "HTTP/1.0 200 OK\r\nSet-Cookie: GAZPSW=p; x\r\nSet-Cookie: GAZUSER=u; x\r\n\r\n"
        "billent2.php&karakter=QV1234&fordulo=" +
        turn + "&nyilvanos\r\n";
    TlsTestServer server({Reply(kSessionAnswer), Reply(evil), Reply(kTurnAnswer)});
    try {
      Download({"/o", "/user=u", "/pass=p", "/kar=1234", "/ford=utolso"}, server.port());
      FAIL() << turn;
    } catch (const Error& e) {
      EXPECT_NE(e.text().find("a honlap altal megadott fordulo ('" + turn + "') nem hasznalhato"),
                std::string::npos)
          << e.text();
    }
    EXPECT_EQ(server.Connections().size(), 2u);
    EXPECT_TRUE(Files().empty()) << turn;
  }
}

TEST_F(DownloadSession, EmptyLatestTurnIsRefused) {
  dir_.Write("1234_.htm", "earlier\r\n");
  const std::string noTurn =
      "HTTP/1.0 200 OK\r\nSet-Cookie: GAZPSW=p; x\r\nSet-Cookie: GAZUSER=u; x\r\n\r\n"
      "billent2.php&karakter=QV1234&fordulo=57\r\n";
  TlsTestServer server({Reply(kSessionAnswer), Reply(noTurn), Reply(kTurnAnswer)});
  try {
    Download({"/o", "/user=u", "/pass=p", "/kar=1234", "/ford=utolso"}, server.port());
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.text(), "a honlap altal megadott fordulo nem hasznalhato: ures");
  }
  EXPECT_EQ(server.Connections().size(), 2u);  // the turn was never asked for
  EXPECT_EQ(Files(), std::vector<std::string>{"1234_.htm"});
  EXPECT_EQ(dir_.Read("1234_.htm"), "earlier\r\n");
}

TEST_F(DownloadSession, FailedDownloadKeepsTheEarlierFile) {
  dir_.Write("1234_57.htm", "earlier\r\n");
  ScriptedReply stalled = Reply("HTTP/1.0 200 OK\r\n\r\n<html>partial");
  stalled.stallMs = 5000;
  TlsTestServer server({Reply(kSessionAnswer), Reply(kLoginAnswer), stalled});
  try {
    Download({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port(), 1000);
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.text(), "lejart az olvasas varakozasi ideje");
  }
  EXPECT_EQ(Files(), std::vector<std::string>{"1234_57.htm"});  // no temporary file left
  EXPECT_EQ(dir_.Read("1234_57.htm"), "earlier\r\n");
  EXPECT_TRUE(opened_.empty());
}

TEST_F(DownloadSession, ErrorPageOfTheSiteReplacesNothing) {
  dir_.Write("1234_57.htm", "earlier\r\n");
  TlsTestServer server({Reply(kSessionAnswer), Reply(kLoginAnswer),
                        Reply("HTTP/1.0 500 Internal Server Error\r\n\r\n<html>hiba</html>")});
  try {
    Download({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port());
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.text(),
              "a honlap valasza (1234_57.htm) ez volt: \"HTTP/1.0 500 Internal Server Error\"; "
              "semmit nem irtam ki");
  }
  EXPECT_EQ(Files(), std::vector<std::string>{"1234_57.htm"});
  EXPECT_EQ(dir_.Read("1234_57.htm"), "earlier\r\n");
  EXPECT_TRUE(pages_.empty());
  EXPECT_TRUE(opened_.empty());

  // The rendering of /letolt likewise: the report before it is stored.
  dir_.Write("1234r57.htm", "earlier page\r\n");
  TlsTestServer letolt({Reply(kSessionAnswer), Reply(kLoginAnswer), Reply(kTurnAnswer),
                        Reply("HTTP/1.0 403 Forbidden\r\n\r\n")});
  EXPECT_THROW(Download({"/o", "/letolt", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"},
                        letolt.port()),
               Error);
  EXPECT_EQ(Files(), (std::vector<std::string>{"1234_57.htm", "1234r57.htm"}));
  EXPECT_EQ(dir_.Read("1234_57.htm"), kStoredTurn + "\r\n");
  EXPECT_EQ(dir_.Read("1234r57.htm"), "earlier page\r\n");
  EXPECT_TRUE(opened_.empty());
}

TEST_F(DownloadSession, LoginPageInsteadOfTheReportReplacesNothing) {
  dir_.Write("1234_57.htm", "earlier\r\n");
  TlsTestServer server(
      {Reply(kSessionAnswer), Reply(kLoginAnswer),
       Reply("HTTP/1.0 200 OK\r\n\r\n<html><body><form>Jelszo:</form></body></html>\r\n")});
  try {
    Download({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port());
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.text(),
              "a honlap valasza (1234_57.htm) nem fordulo: egyik soraban sincs \"<title\"; "
              "semmit nem irtam ki");
  }
  EXPECT_EQ(Files(), std::vector<std::string>{"1234_57.htm"});
  EXPECT_EQ(dir_.Read("1234_57.htm"), "earlier\r\n");
  EXPECT_TRUE(pages_.empty());
}

// Bytes that are not TLS, or a TLS alert, right after the handshake end the
// run with the same words on every connection and every system, and
// replace nothing.
TEST_F(DownloadSession, ProtocolErrorOnAnyConnectionEndsTheRun) {
  dir_.Write("1234_57.htm", "earlier\r\n");
  ScriptedReply junk;
  junk.junk = "HTTP/1.0 400 Bad Request\r\n\r\n";
  ScriptedReply alert;
  alert.alert = true;
  for (const ScriptedReply& bad : {junk, alert}) {
    for (std::size_t connection = 0; connection < 3; ++connection) {
      std::vector<ScriptedReply> replies = {Reply(kSessionAnswer), Reply(kLoginAnswer),
                                            Reply(kTurnAnswer)};
      replies[connection] = bad;
      replies.resize(connection + 1);
      TlsTestServer server(replies);
      std::string text;
      try {
        Download({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port());
      } catch (const Error& e) {
        text = e.kind() + ": " + e.text();
      }
      EXPECT_EQ(text, "TLS hiba: protokollhiba a kapcsolatban (localhost, " +
                          std::to_string(server.port()) +
                          ". port): a szerver nem TLS adatot vagy TLS riasztast kuldott")
          << "connection " << connection + 1 << (bad.alert ? " alert" : " junk");
      EXPECT_EQ(Files(), std::vector<std::string>{"1234_57.htm"});
    }
  }
  EXPECT_EQ(dir_.Read("1234_57.htm"), "earlier\r\n");
  EXPECT_TRUE(opened_.empty());
}

// An answer beyond the most a connection takes ends the run, on the line
// connections as on the report's.
TEST_F(DownloadSession, AnswerLargerThanTheLimitIsRefused) {
  const std::string big = "HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'x') + "\r\n</html>\r\n";
  for (std::size_t connection = 0; connection < 3; ++connection) {
    std::vector<ScriptedReply> replies = {Reply(kSessionAnswer), Reply(kLoginAnswer),
                                          Reply(kTurnAnswer)};
    replies[connection] = Reply(big);
    replies.resize(connection + 1);
    TlsTestServer server(replies);
    answerLimit_ = 4096;
    try {
      Download({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port());
      ADD_FAILURE() << "connection " << connection + 1;
    } catch (const Error& e) {
      EXPECT_EQ(e.text(),
                "a honlap valasza nagyobb, mint 4096 bajt, amennyit egy kapcsolat fogadhat; "
                "semmit nem irtam ki")
          << connection + 1;
    }
  }
  EXPECT_TRUE(Files().empty());
}

// The line connections keep the connection's time too: a session answer
// that never ends fails the run.
TEST_F(DownloadSession, TricklingSessionAnswerEndsTheRunWhenTheTimeIsUp) {
  ScriptedReply trickle = Reply(kSessionAnswer);
  for (int i = 0; i < 20; ++i) trickle.chunks.push_back("X-Slow: " + std::to_string(i) + "\r\n");
  trickle.pauseMs = 400;
  TlsTestServer server({trickle});
  connectionLimitMs_ = 1500;
  const auto start = std::chrono::steady_clock::now();
  try {
    Download({"/o", "/user=Anna", "/pass=titok", "/kar=1234", "/ford=57"}, server.port());
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.text(),
              "a honlap valasza tovabb tartott, mint 1500 ms, amennyi egy kapcsolatra juthat; "
              "semmit nem irtam ki");
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(console_.lines, (std::vector<std::string>{"", "Session ID lekerdezese..."}));
}

TEST_F(DownloadSession, StalledLoginAnswerEndsAfterTheSocketLimit) {
  ScriptedReply stalled = Reply("HTTP/1.0 200 OK\r\nSet-Cookie: GAZPSW=p; x\r\n");
  stalled.stallMs = 10000;
  TlsTestServer server({Reply(kSessionAnswer), stalled, Reply(kTurnAnswer)});
  const auto start = std::chrono::steady_clock::now();
  Download({"/o", "/user=u", "/pass=p", "/kar=1234", "/ford=57"}, server.port(), 1000);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  const auto requests = Requests(server);
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_NE(requests[2].find("\r\nCookie: GAZEHALL_SESSIONID=s3ss; GAZPSW=p; \r\n"),
            std::string::npos);
  EXPECT_EQ(Files(), std::vector<std::string>{"1234_57.htm"});
}

}  // namespace
}  // namespace qv
