// The TLS line connection against a scripted server on 127.0.0.1.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "download/tls_line_connection.h"
#include "platform/error.h"
#include "tests/download/download_test_server.h"
#include "tests/support/scoped_env.h"
#include "tests/support/system_texts.h"
#include "text/cp1250.h"

namespace qv {
namespace {

using test::Certificates;
using test::Reply;
using test::ScriptedReply;
using test::TlsTestServer;

constexpr std::size_t kLongest = 80000000;

// A reply sent as soon as the handshake is done, without waiting for a
// request.
ScriptedReply Push(std::string bytes, bool closeNotify = true, int stallMs = 0) {
  ScriptedReply r = Reply(std::move(bytes));
  r.waitForRequest = false;
  r.closeNotify = closeNotify;
  r.stallMs = stallMs;
  return r;
}

TlsOptions Trusting(const std::string& caFile, int timeoutMs = 5000) {
  TlsOptions o;
  o.caFile = caFile;
  o.socketTimeoutMs = timeoutMs;
  return o;
}

TlsOptions TestCa() { return Trusting(Certificates().caFile); }

std::string ErrorText(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& e) {
    return e.text();
  }
  return "(no error)";
}

// What the callers of a connection act on: the fault, whatever the text.
NetFault FaultOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const NetError& e) {
    return e.fault();
  }
  return NetFault::kOther;
}

// The loop of the download: zero time limit, sleep between empty reads.
std::vector<std::string> ReadUntilClosed(TlsLineConnection& c) {
  std::vector<std::string> lines;
  while (!c.IsClosed()) {
    std::string line;
    try {
      line = c.ReadLine('\n', 0, kLongest);
    } catch (const Error&) {
      break;
    }
    if (!line.empty()) lines.push_back(line);
    if (line.empty() && !c.WaitForInput(5000)) break;
  }
  return lines;
}

class TlsLines : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Certificates().ok) << "the openssl tool failed"; }
};

TEST_F(TlsLines, LineEndsAndTheFinalPieceWithoutLf) {
  TlsTestServer server({Push("abc\r\nabc\nabc\r\r\n\r\nxyz")});
  TlsLineConnection c("localhost", server.port(), TestCa());
  c.Connect();
  EXPECT_EQ(c.ReadLine('\n', 2000, kLongest), "abc");
  EXPECT_EQ(c.ReadLine('\n', 2000, kLongest), "abc");
  EXPECT_EQ(c.ReadLine('\n', 2000, kLongest), "abc\r");  // only the CR before LF goes
  EXPECT_EQ(c.ReadLine('\n', 2000, kLongest), "");       // a lone CR LF
  // "xyz" never becomes a line: the server closes and the read fails.
  EXPECT_EQ(ErrorText([&] { c.ReadLine('\n', 2000, kLongest); }),
            "a szerver lezarta a kapcsolatot");
  EXPECT_TRUE(c.IsClosed());
}

TEST_F(TlsLines, ZeroTimeLimitReturnsEmptyUntilTheLineIsBuffered) {
  TlsTestServer server({Push("one\ntwo\n", true, 3000)});
  TlsLineConnection c("localhost", server.port(), TestCa());
  c.Connect();
  ASSERT_TRUE(c.WaitForInput(5000));
  // The one receive brings both lines, yet this call returns empty; the
  // buffered lines come out of the next calls without a receive.
  EXPECT_EQ(c.ReadLine('\n', 0, kLongest), "");
  EXPECT_EQ(c.ReadLine('\n', 0, kLongest), "one");
  EXPECT_EQ(c.ReadLine('\n', 0, kLongest), "two");
  EXPECT_EQ(c.ReadLine('\n', 0, kLongest), "");  // nothing there: no waiting
  EXPECT_FALSE(c.IsClosed());
  EXPECT_TRUE(c.IsConnected());
}

TEST_F(TlsLines, ServerCloseEndsTheLoopWithOrWithoutTlsClose) {
  for (const bool closeNotify : {true, false}) {
    TlsTestServer server({Push("first\r\nsecond\nno end", closeNotify)});
    TlsLineConnection c("localhost", server.port(), TestCa());
    c.Connect();
    EXPECT_EQ(ReadUntilClosed(c), (std::vector<std::string>{"first", "second"})) << closeNotify;
    EXPECT_TRUE(c.IsClosed());
    EXPECT_TRUE(c.IsConnected());  // "no end" is still unread
    c.Close();
    EXPECT_FALSE(c.IsConnected());
  }
}

TEST_F(TlsLines, ReadAllTakesWhatIsLeftAfterReadLine) {
  for (const bool closeNotify : {true, false}) {
    TlsTestServer server({Push("head\r\nrest\r\nof it", closeNotify)});
    TlsLineConnection c("localhost", server.port(), TestCa());
    c.Connect();
    EXPECT_EQ(c.ReadLine('\n', 2000, kLongest), "head");
    EXPECT_EQ(c.ReadAll(), "rest\r\nof it") << closeNotify;
    EXPECT_TRUE(c.IsClosed());
  }
}

TEST_F(TlsLines, LongestLine) {
  TlsTestServer server(
      {Push("0123456789\n0123456789AB\n", true, 3000), Push("0123456789AB", true, 3000)});
  TlsLineConnection c("localhost", server.port(), TestCa());
  c.Connect();
  EXPECT_EQ(c.ReadLine('\n', 2000, 10), "0123456789");  // LF at offset 10: allowed
  EXPECT_EQ(ErrorText([&] { c.ReadLine('\n', 2000, 10); }),
            "a valasz egy sora hosszabb a megengedettnel");
  c.Close();
  c.Connect();  // more than 10 bytes without a line end
  EXPECT_EQ(ErrorText([&] { c.ReadLine('\n', 2000, 10); }),
            "a valasz egy sora hosszabb a megengedettnel");
}

TEST_F(TlsLines, CloseDropsUnreadBytesAndConnectClearsTheMark) {
  TlsTestServer server({Push("a\nb\n", true, 3000), Push("c\n", true, 3000)});
  TlsLineConnection c("localhost", server.port(), TestCa());
  c.Connect();
  EXPECT_EQ(c.ReadLine('\n', 2000, kLongest), "a");
  c.Close();
  EXPECT_TRUE(c.IsClosed());
  EXPECT_EQ(ErrorText([&] { c.ReadLine('\n', 0, kLongest); }), "a szerver lezarta a kapcsolatot");
  c.Close();  // harmless twice
  c.Connect();
  EXPECT_FALSE(c.IsClosed());
  EXPECT_EQ(c.ReadLine('\n', 2000, kLongest), "c");
}

TEST_F(TlsLines, WrittenBytes) {
  ScriptedReply listen = Push("", true, 3000);  // reads until the client closes
  listen.chunks.clear();
  TlsTestServer server({listen});
  TlsLineConnection c("localhost", server.port(), TestCa());
  c.Connect();
  c.WriteLine("");
  c.WriteLine("abc");
  c.WriteLine(std::string("jelszó őá"_cp));  // 8-bit: ő has no byte of its own
  c.SetTextEncoding(TextEncoding::kUtf8);
  c.WriteLine(std::string("őá"_cp));
  c.Close();
  const auto seen = server.Connections();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].request, "\r\nabc\r\njelsz\xF3 ?\xE1\r\n\xC5\x91\xC3\xA1\r\n");
}

TEST_F(TlsLines, WritingToAServerThatHungUpFailsWithoutASignal) {
  ScriptedReply hangUp;
  hangUp.hangUp = true;
  TlsTestServer server({hangUp});
  TlsLineConnection c("localhost", server.port(), TestCa());
  c.Connect();
  c.WaitForInput(5000);  // the server's close has arrived
  // The first writes may still be taken by the network; one fails soon,
  // as an error and not as SIGPIPE ending the process.
  bool failed = false;
  for (int i = 0; i < 100 && !failed; ++i) {
    try {
      c.WriteLine("GET / HTTP/1.0");
    } catch (const Error&) {
      failed = true;
    }
  }
  EXPECT_TRUE(failed);
}

TEST_F(TlsLines, ReceivedTextInBothEncodings) {
  TlsTestServer server({Push("\xE1\xF5\n\xC3\xA1\xC5\x91\n", true, 3000)});
  TlsLineConnection c("localhost", server.port(), TestCa());
  c.Connect();
  // 8-bit: E1 is á in both code pages; F5 (õ) has no Windows-1250 byte.
  EXPECT_EQ(c.ReadLine('\n', 2000, kLongest), "\xE1?");
  c.SetTextEncoding(TextEncoding::kUtf8);
  EXPECT_EQ(c.ReadLine('\n', 2000, kLongest), std::string("áő"_cp));
}

TEST_F(TlsLines, ReadAllFailsWhenTheServerStalls) {
  TlsTestServer server({Push("x", true, 5000)});
  TlsLineConnection c("localhost", server.port(), Trusting(Certificates().caFile, 300));
  c.Connect();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ErrorText([&] { c.ReadAll(); }), "lejart az olvasas varakozasi ideje");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_TRUE(c.IsClosed());
}

TEST_F(TlsLines, NeverOpenedOrNothingListening) {
  TlsLineConnection c("localhost", 1, TestCa());
  EXPECT_EQ(ErrorText([&] { c.ReadLine('\n', 0, kLongest); }), "nincs kapcsolat");
  EXPECT_FALSE(c.IsConnected());

  const std::uint16_t port = test::UnusedPort();
  TlsLineConnection refused("127.0.0.1", port, TestCa());
  const std::string text = ErrorText([&] { refused.Connect(); });
  EXPECT_EQ(text, "nem sikerult kapcsolodni (127.0.0.1, " + std::to_string(port) +
                      ". port): " + test::SystemWords("ECONNREFUSED"));
  EXPECT_TRUE(refused.IsClosed());
}

class TlsHandshake : public TlsLines {};

TEST_F(TlsHandshake, TrustedServerGetsTls12AndTheNameOnlyForNames) {
  TlsTestServer server({Push("ok\n"), Push("ok\n")});
  TlsLineConnection byName("localhost", server.port(), TestCa());
  byName.Connect();
  EXPECT_TRUE(byName.IsConnected());
  byName.Close();
  TlsLineConnection byAddress("127.0.0.1", server.port(), TestCa());
  byAddress.Connect();  // the certificate holds the address too
  byAddress.Close();
  const auto seen = server.Connections();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].version, test::kTls12);
  EXPECT_EQ(seen[0].serverName, "localhost");
  EXPECT_EQ(seen[1].version, test::kTls12);
  EXPECT_EQ(seen[1].serverName, "");
}

TEST_F(TlsHandshake, CertificateFromAnotherAuthorityIsRefused) {
  TlsTestServer server({Push("secret\n"), Push("secret\n")});
  TlsLineConnection c("localhost", server.port(), Trusting(Certificates().otherCaFile));
  const std::string text = ErrorText([&] { c.Connect(); });
  EXPECT_EQ(
      text.rfind("Sikertelen TLS kapcsolodas. A(z) localhost tanusitvanya nem fogadhato el: ", 0),
      0u)
      << text;
  EXPECT_TRUE(c.IsClosed());
  EXPECT_THROW(c.WriteLine("x"), Error);
  EXPECT_EQ(FaultOf([&] { c.Connect(); }), NetFault::kUntrusted);
  // Nothing was sent (OpenSSL breaks the handshake off; Schannel, which
  // leaves the check to the tool, finishes it and then closes).
  const auto seen = server.Connections();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].request, "");
}

TEST_F(TlsHandshake, CertificateForAnotherNameIsRefused) {
  TlsTestServer::Options other;
  other.certFile = Certificates().elsewhereCertFile;
  other.keyFile = Certificates().elsewhereKeyFile;
  TlsTestServer server({Push("secret\n"), Push("secret\n")}, other);
  TlsLineConnection c("localhost", server.port(), TestCa());
  const std::string text = ErrorText([&] { c.Connect(); });
  EXPECT_NE(text.find("hostname mismatch"), std::string::npos) << text;
  EXPECT_EQ(FaultOf([&] { c.Connect(); }), NetFault::kNameMismatch);
}

TEST_F(TlsHandshake, ServerWithoutTls12IsRefused) {
  TlsTestServer::Options tls13;
  tls13.minVersion = test::kTls13;
  TlsTestServer server({Push("x\n")}, tls13);
  TlsLineConnection c("localhost", server.port(), TestCa());
  const std::string text = ErrorText([&] { c.Connect(); });
  EXPECT_EQ(text.rfind("Sikertelen TLS kapcsolodas. A kezfogas nem sikerult (localhost, ", 0), 0u)
      << text;
#ifdef _WIN32
  // Schannel's status in words, with its number in hexadecimal.
  EXPECT_TRUE(
      std::regex_search(text, std::regex(". port\\): [A-Z][^()]+ \\(0x8009[0-9A-F]{4}\\)$")))
      << text;
#endif
}

TEST_F(TlsHandshake, ServerAskingForAnOptionalClientCertificateGoesOnWithout) {
  TlsTestServer::Options ask;
  ask.askForCertificate = true;
  TlsTestServer server({Push("ok\n", true, 3000)}, ask);
  TlsLineConnection c("localhost", server.port(), TestCa());
  c.Connect();
  EXPECT_EQ(c.ReadLine('\n', 2000, kLongest), "ok");
}

// A handshake that comes a byte now and then is given up when the
// connection's time is up, though no single wait reaches the socket limit;
// the wait is told once.
TEST_F(TlsHandshake, TricklingHandshakeEndsWhenTheConnectionsTimeIsUp) {
  ScriptedReply trickle = Push("x\n");
  trickle.handshakeByteMs = 700;
  TlsTestServer server({trickle});
  TlsOptions limits = TestCa();
  limits.connectionLimitMs = 2500;
  limits.waitNoticeMs = 500;
  TlsLineConnection c("localhost", server.port(), limits);
  int notices = 0;
  c.SetWaitNotice([&] { ++notices; });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ErrorText([&] { c.Connect(); }),
            "Sikertelen TLS kapcsolodas. A kezfogas nem sikerult (localhost, " +
                std::to_string(server.port()) +
                ". port): a honlap valasza tovabb tartott, mint 2500 ms, amennyi egy "
                "kapcsolatra juthat");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
  EXPECT_EQ(notices, 1);
}

TEST_F(TlsHandshake, SystemStoreHonoursSslCertFile) {
  test::ScopedEnv noDir("SSL_CERT_DIR", nullptr);
  TlsTestServer server({Push("ok\n"), Push("ok\n"), Push("ok\n")});
  {
    test::ScopedEnv file("SSL_CERT_FILE", Certificates().caFile.c_str());
    TlsLineConnection c("localhost", server.port());
    EXPECT_NO_THROW(c.Connect());
  }
  {
    // The file replaces the system's store; its authority signed nothing here.
    test::ScopedEnv file("SSL_CERT_FILE", Certificates().otherCaFile.c_str());
    TlsLineConnection c("localhost", server.port());
    EXPECT_THROW(c.Connect(), Error);
  }
  // Without it, the system's store, which does not know the test authority.
  test::ScopedEnv noFile("SSL_CERT_FILE", nullptr);
  TlsLineConnection c("localhost", server.port());
  try {
    c.Connect();
    ADD_FAILURE() << "a certificate of the test authority passed the system's store";
  } catch (const NetError& e) {
    EXPECT_EQ(e.fault(), NetFault::kUntrusted) << e.text();
  }
}

}  // namespace
}  // namespace qv
