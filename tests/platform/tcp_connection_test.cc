// The TCP connection service on 127.0.0.1. Its peer is the TLS test server,
// spoken to below TLS: it waits for a ClientHello, and closes after one it
// cannot take.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/tcp_connection.h"
#include "tests/download/download_test_server.h"
#include "tests/support/system_texts.h"

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;
using test::Reply;
using test::TlsTestServer;

class TcpConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test::Certificates().ok) << "the openssl tool failed"; }
};

TEST_F(TcpConnectionTest, RefusedAndUnknownHostsInTheToolsWords) {
  TcpConnection c;
  const std::uint16_t port = test::UnusedPort();
  try {
    c.Connect("127.0.0.1", port, 5000);
    FAIL() << "connected to a port nothing listens on";
  } catch (const TcpError& e) {
    EXPECT_EQ(e.fault(), TcpFault::kConnect);
    EXPECT_EQ(e.kind(), "Halozati hiba");
    EXPECT_EQ(e.text(), "nem sikerult kapcsolodni (127.0.0.1, " + std::to_string(port) +
                            ". port): " + test::SystemWords("ECONNREFUSED"));
  }
  EXPECT_FALSE(c.IsOpen());

  try {
    c.Connect("nincs-ilyen.invalid", 443, 5000);
    FAIL() << "an .invalid name was found";
  } catch (const TcpError& e) {
    EXPECT_EQ(e.fault(), TcpFault::kResolve);
    EXPECT_EQ(e.kind(), "Halozati hiba");
    const std::string start = "a gepnev nem oldhato fel (nincs-ilyen.invalid): ";
    EXPECT_EQ(e.text().substr(0, start.size()), start);
    EXPECT_GT(e.text().size(), start.size());  // and the system's reason
  }
}

// A peer that says nothing: waits end at their limit, a non-blocking call
// at once.
TEST_F(TcpConnectionTest, QuietPeerWaitsEndAtTheirLimits) {
  TlsTestServer server({Reply("never sent")});
  TcpConnection c;
  c.Connect("127.0.0.1", server.port(), 400);
  ASSERT_TRUE(c.IsOpen());
  EXPECT_TRUE(c.Wait(TcpConnection::Ready::kWritable, 1000));

  auto start = Clock::now();
  EXPECT_FALSE(c.Wait(TcpConnection::Ready::kReadable, 300));
  auto waited = Clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(250));
  EXPECT_LT(waited, std::chrono::seconds(3));

  char buffer[64];
  start = Clock::now();
  const TcpTransfer late = c.Receive(buffer, sizeof buffer);
  waited = Clock::now() - start;
  EXPECT_EQ(late.outcome, TcpOutcome::kTimedOut);
  EXPECT_EQ(late.bytes, 0u);
  EXPECT_FALSE(late.reason.empty());
  EXPECT_GE(waited, std::chrono::milliseconds(300));
  EXPECT_LT(waited, std::chrono::seconds(3));

  TcpTransfer now;
  start = Clock::now();
  const int error = c.LibraryCall(true, [&] { now = c.Receive(buffer, sizeof buffer); });
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(250));
  EXPECT_EQ(now.outcome, TcpOutcome::kTimedOut);
  EXPECT_NE(error, 0);  // "would block", for the library to read
  EXPECT_FALSE(TcpConnection::IsResetError(error));

  c.Close();
  EXPECT_FALSE(c.IsOpen());
  c.Close();  // harmless
}

// A ClientHello of no length: the server refuses it (perhaps with an
// alert), closes, and later sends find the connection gone without a
// signal ending the process.
TEST_F(TcpConnectionTest, PeerThatClosesIsSeenOnReceiveAndSend) {
  TlsTestServer server({Reply("never sent")});
  TcpConnection c;
  c.Connect("127.0.0.1", server.port(), 5000);
  EXPECT_EQ(c.Send(std::string("\x16\x03\x01\x00\x04\x01\x00\x00\x00", 9)).outcome,
            TcpOutcome::kDone);

  ASSERT_TRUE(c.Wait(TcpConnection::Ready::kReadable, 5000));
  char buffer[256];
  TcpTransfer got = c.Receive(buffer, sizeof buffer);
  for (int i = 0; i < 10 && got.outcome == TcpOutcome::kDone; ++i)
    got = c.Receive(buffer, sizeof buffer);
  EXPECT_EQ(got.outcome, TcpOutcome::kClosed);
  EXPECT_FALSE(server.Connections().at(0).handshakeDone);

  TcpTransfer sent;
  for (int i = 0; i < 50 && sent.outcome == TcpOutcome::kDone; ++i) {
    sent = c.Send(std::string(4096, 'x'));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(sent.outcome, TcpOutcome::kReset);
  EXPECT_FALSE(sent.reason.empty());
}

TEST(TcpAddresses, AddressesAsBytesAndNamesAsNone) {
  EXPECT_EQ(IpAddressBytes("127.0.0.1"), std::string("\x7f\x00\x00\x01", 4));
  EXPECT_EQ(IpAddressBytes("::1"), std::string(15, '\0') + '\x01');
  EXPECT_EQ(IpAddressBytes("localhost"), "");
  EXPECT_EQ(IpAddressBytes("127.0.0.1.example"), "");
}

}  // namespace
}  // namespace qv
