// A scripted TLS server on 127.0.0.1 for the download tests, and the
// throw-away certificates it uses (made with the openssl tool on first use).
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

typedef struct ssl_ctx_st SSL_CTX;

namespace qv::test {

struct TestCertificates {
  bool ok = false;
  std::string caFile;             // the authority the tests trust
  std::string otherCaFile;        // an authority that signed nothing the server shows
  std::string certFile, keyFile;  // localhost and 127.0.0.1, signed by caFile
  std::string elsewhereCertFile, elsewhereKeyFile;  // elsewhere.invalid, signed by caFile
};

// Made once per process in a directory removed at exit.
const TestCertificates& Certificates();

// What the server does on one connection, in order: waits for a complete
// request (unless waitForRequest is false), sends the chunks (one TLS record
// each, pauseMs apart), stalls for stallMs or until the client closes, then
// closes (with a TLS close_notify or just the TCP connection), and records
// every byte the client sent until it closed.
struct ScriptedReply {
  std::vector<std::string> chunks;
  bool waitForRequest = true;
  int pauseMs = 0;
  int stallMs = 0;
  bool closeNotify = true;
  bool hangUp = false;  // drops the connection right after the handshake
};

// One reply of a single chunk.
ScriptedReply Reply(std::string response);

class TlsTestServer {
 public:
  struct Options {
    std::string certFile;  // default: the localhost certificate
    std::string keyFile;
    int minVersion = 0;  // 0: the library's default
    int maxVersion = 0;
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
  void Serve();
  void ServeOne(int fd, const ScriptedReply& reply);
  // 1 when fd is readable within ms, 0 on time-out, -1 when told to stop.
  int WaitFor(int fd, int ms);

  std::vector<ScriptedReply> replies_;
  SSL_CTX* ctx_ = nullptr;
  int listenFd_ = -1;
  int wake_[2] = {-1, -1};
  std::uint16_t port_ = 0;
  std::thread thread_;
  std::mutex mutex_;
  std::vector<Seen> seen_;
  bool finished_ = false;
};

// Runs a program with exactly the given environment in directory dir, its
// output streams caught; kills it after timeoutMs.
struct ProgramResult {
  int exitStatus = -1;  // -1: killed or not started
  std::string out;
  std::string err;
};
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env, const std::string& dir,
                         int timeoutMs);

}  // namespace qv::test
