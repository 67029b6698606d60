// One TCP client connection: name lookup, connect, send, receive and
// waiting, with the time limits a download needs, and the system's failures
// in one wording on every system. The download's TLS streams stand on it
// (Schannel sends and receives through it; OpenSSL works the socket itself
// through NativeHandle and LibraryCall). posix/ uses poll and errno,
// win32/ select and Winsock, which is started here and linked here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/error.h"

namespace qv {

// What Connect (or, on Windows, the start of Winsock) failed at.
enum class TcpFault { kResolve, kConnect, kStart };

// kind error_kind::kNetwork for kResolve and kConnect ("a gepnev nem oldhato
// fel (<host>): <reason>", "nem sikerult kapcsolodni (<host>, <port>.
// port): <reason>"), kConnection for kStart.
class TcpError : public Error {
 public:
  TcpError(TcpFault fault, std::string kind, const std::string& text)
      : Error(std::move(kind), text), fault_(fault) {}
  TcpFault fault() const { return fault_; }

 private:
  TcpFault fault_;
};

// How a send or receive ended. kTimedOut: the time limit of Connect
// passed; kReset: the network reset or aborted the connection (on POSIX
// systems also a write to a connection the peer has dropped).
enum class TcpOutcome { kDone, kClosed, kTimedOut, kReset, kFailed };

struct TcpTransfer {
  TcpOutcome outcome = TcpOutcome::kDone;
  std::size_t bytes = 0;  // received (kDone)
  std::string reason;     // kTimedOut, kReset, kFailed: the system's words
};

class TcpConnection {
 public:
  // Starts Winsock once per process on Windows (throws TcpError kStart).
  TcpConnection();
  ~TcpConnection();  // closes
  TcpConnection(const TcpConnection&) = delete;
  TcpConnection& operator=(const TcpConnection&) = delete;

  // Closes an earlier connection, looks the host up and connects to the
  // first of its addresses that accepts. Every later send and receive
  // waits at most ioLimitMs (on POSIX systems the connect too). Throws
  // TcpError (kResolve, kConnect); the socket is not inherited by programs
  // the tool starts.
  void Connect(const std::string& host, std::uint16_t port, int ioLimitMs);
  bool IsOpen() const;
  // Harmless when already closed.
  void Close() noexcept;

  // One receive of at most capacity bytes, waiting within the limit:
  // kDone with bytes > 0, kClosed when the peer has closed.
  TcpTransfer Receive(char* buffer, std::size_t capacity);
  // Sends all bytes or fails (kTimedOut, kReset, kFailed); never raises a
  // signal.
  TcpTransfer Send(std::string_view bytes);

  // Waits at most timeoutMs until a receive (or a send) would not wait, or
  // the socket has an error to report (the next call says it); false when
  // the time passed.
  enum class Ready { kReadable, kWritable };
  bool Wait(Ready ready, int timeoutMs);

  // For a library that reads and writes the socket itself (OpenSSL): the
  // system's handle (a file descriptor; a SOCKET on Windows).
  std::intptr_t NativeHandle() const;
  // Runs such a library's call: without waiting when nonBlocking (it then
  // reports that it would wait), and so that a write to a connection the
  // peer has dropped fails instead of ending the process (POSIX: SIGPIPE
  // is held back and taken away). Returns the system's error code the call
  // left (0: none), for IsResetError and SystemErrorText.
  int LibraryCall(bool nonBlocking, const std::function<void()>& call);
  // Whether a system error code says the network reset or aborted the
  // connection (or, on POSIX systems, the peer dropped it before a write).
  static bool IsResetError(int code);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The address of a host written as one (IPv4 or IPv6), in network order;
// empty for a name.
std::string IpAddressBytes(const std::string& host);

}  // namespace qv
