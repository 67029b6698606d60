// A scripted TLS server on 127.0.0.1 for the download tests, and the
// throw-away certificates it uses (made with the openssl tool on first use).
// On POSIX systems the server is a thread speaking OpenSSL
// (posix/download_test_server.cc); the Windows tests, run under Wine, start
// the same server as a native program of the build host
// (win32/download_test_server.cc), so that the client under test is the
// Windows one alone.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qv::test {

// Protocol versions as the server reports them.
constexpr int kTls12 = 0x0303;
constexpr int kTls13 = 0x0304;

struct TestCertificates {
  bool ok = false;
  std::string caFile;             // the authority the tests trust
  std::string otherCaFile;        // an authority that signed nothing the server shows
  std::string certFile, keyFile;  // localhost and 127.0.0.1, signed by caFile
  std::string elsewhereCertFile, elsewhereKeyFile;  // elsewhere.invalid, signed by caFile
};

// Made once per process in a directory removed at exit.
const TestCertificates& Certificates();

// Makes the certificates in dir with the openssl tool (POSIX systems): keys
// on the P-256 curve, quick to make, or RSA keys for Wine, whose check of
// ECDSA signatures fails the one in a hundred whose r or s is shorter than
// 32 bytes.
enum class TestKeys { kEc, kRsa };
TestCertificates MakeCertificates(const std::string& dir, TestKeys keys);

// What the server does on one connection, in order: runs the handshake
// (its bytes one at a time, handshakeByteMs apart, when that is set), waits
// for a complete request (unless waitForRequest is false), sends the chunks
// (one TLS record each, pauseMs apart), stalls for stallMs or until the
// client closes, then closes (with a TLS close_notify or just the TCP
// connection; or resets it), and records every byte the client sent until
// it closed.
struct ScriptedReply {
  std::vector<std::string> chunks;
  bool waitForRequest = true;
  int pauseMs = 0;
  int stallMs = 0;
  bool closeNotify = true;
  bool hangUp = false;      // drops the connection right after the handshake
  bool halfRecord = false;  // before closing, the start of a TLS record that never comes whole
  bool reset = false;       // ends with a TCP reset instead of the close
  int handshakeByteMs = 0;
  // Right after the handshake, instead of everything else: these bytes
  // outside TLS, or (alert) a fatal TLS alert; then waits for the client
  // to close.
  std::string junk;
  bool alert = false;
};

// One reply of a single chunk.
ScriptedReply Reply(std::string response);

class TlsTestServer {
 public:
  struct Options {
    std::string certFile;  // default: the localhost certificate
    std::string keyFile;
    int minVersion = 0;  // 0: the library's default; else kTls12, kTls13
    int maxVersion = 0;
    bool askForCertificate = false;  // asks the client for a certificate it may leave out
  };

  // Serves one reply per connection, in order, on an ephemeral port.
  explicit TlsTestServer(std::vector<ScriptedReply> replies);
  TlsTestServer(std::vector<ScriptedReply> replies, Options options);
  ~TlsTestServer();
  TlsTestServer(const TlsTestServer&) = delete;
  TlsTestServer& operator=(const TlsTestServer&) = delete;

  std::uint16_t port() const { return port_; }

  // Stops accepting and waits for the server thread; afterwards the
  // accessors below are stable.
  void Finish();

  // Per connection that was accepted: the bytes the client sent, the server
  // name it indicated ("" for none), the protocol version, and whether the
  // handshake completed.
  struct Seen {
    std::string request;
    std::string serverName;
    int version = 0;
    bool handshakeDone = false;
  };
  std::vector<Seen> Connections();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::uint16_t port_ = 0;
};

// A TCP port on 127.0.0.1 that was free a moment ago (nothing listens).
std::uint16_t UnusedPort();

}  // namespace qv::test
