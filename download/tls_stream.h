// One TLS client connection over TCP: the ground the line connection
// (tls_line_connection.h) stands on. One backend per TLS library, picked by
// CMake (QV_TLS): OpenSSL on POSIX systems (tls_openssl.cc), Schannel on
// Windows (tls_schannel.cc). Both keep one rule: TLS 1.2 only; the server's
// certificate must come from a trusted authority and name the host; the
// trusted authorities are the system's, or the certificates of a PEM file
// (TlsOptions::caFile, else SSL_CERT_FILE) in their place; no opt-out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "download/server_wait.h"
#include "platform/error.h"
#include "platform/tcp_connection.h"

namespace qv {

// What went wrong, for callers that act on it; the text is for people.
enum class NetFault {
  kResolve,       // the host name is unknown
  kConnect,       // TCP: refused, unreachable, timed out
  kHandshake,     // TLS: no common protocol, the server broke off
  kUntrusted,     // the certificate chain ends at no trusted authority
  kNameMismatch,  // the certificate is for another host
  kCaFile,        // the trusted certificates cannot be loaded
  kTimeout,       // a receive or send passed the socket limit
  kReset,         // the network reset or aborted the connection
  kProtocol,      // after the handshake: bytes that are not TLS, or a TLS alert
  kTooLarge,      // the answer passed the most a connection takes
  kTooSlow,       // the connection's whole time is up
  kOther,
};

// The faults that refuse what the server sent (bytes that are not TLS, an
// answer too large or too slow): no caller passes over them.
inline bool IsRefusal(NetFault fault) {
  return fault == NetFault::kProtocol || fault == NetFault::kTooLarge ||
         fault == NetFault::kTooSlow;
}

class NetError : public Error {
 public:
  NetError(NetFault fault, std::string kind, const std::string& text)
      : Error(std::move(kind), text), fault_(fault) {}
  NetFault fault() const { return fault_; }

 private:
  NetFault fault_;
};

// Opens the TCP connection under a stream (TcpConnection::Connect) with
// the stream's socket limit; its failures become NetError (kResolve,
// kConnect) of the same kind and text.
inline void ConnectTcp(TcpConnection& tcp, const std::string& host, std::uint16_t port,
                       int socketTimeoutMs) {
  try {
    tcp.Connect(host, port, socketTimeoutMs);
  } catch (const TcpError& e) {
    throw NetError(e.fault() == TcpFault::kResolve   ? NetFault::kResolve
                   : e.fault() == TcpFault::kConnect ? NetFault::kConnect
                                                     : NetFault::kOther,
                   e.kind(), e.text());
  }
}

struct TlsOptions {
  // Certificates to trust instead of the system's store (tests, mirrors);
  // empty: SSL_CERT_FILE when set, else the system's store.
  std::string caFile;
  // How long one receive or send may wait.
  int socketTimeoutMs = 30000;
  // How long one connection may take, handshake included.
  int connectionLimitMs = 120000;
  // After how long without a byte the player is told that the tool waits.
  int waitNoticeMs = 5000;
  // The most bytes one connection takes from the server.
  std::size_t answerLimit = std::size_t{64} << 20;
};

// The one text of a TLS stream broken after the handshake, alike on every
// backend: the libraries' own words differ and tell a player little.
inline std::string ProtocolErrorText(const std::string& host, std::uint16_t port) {
  return "protokollhiba a kapcsolatban (" + host + ", " + std::to_string(port) +
         ". port): a szerver nem TLS adatot vagy TLS riasztast kuldott";
}

// The tool's own words for a connection's failures, alike on every backend;
// the libraries' reasons go behind them as the libraries give them.
inline constexpr char kTlsFailedText[] = "Sikertelen TLS kapcsolodas. ";
inline std::string CertificateRefusedText(const std::string& host, const std::string& reason) {
  return "A(z) " + host + " tanusitvanya nem fogadhato el: " + reason;
}
inline std::string HandshakeFailedText(const std::string& host, std::uint16_t port,
                                       const std::string& detail) {
  return "A kezfogas nem sikerult (" + host + ", " + std::to_string(port) + ". port): " + detail;
}
inline constexpr char kNoAnswerText[] = "a szerver nem valaszolt idoben";
inline constexpr char kServerEndedText[] = "a szerver bontotta a kapcsolatot";
inline constexpr char kNotConnectedText[] = "nincs kapcsolat";
inline constexpr char kServerClosedText[] = "a szerver lezarta a kapcsolatot";
inline constexpr char kPeerResetText[] = "a tuloldal megszakitotta a kapcsolatot";
inline constexpr char kWriteTimeoutText[] = "lejart az iras varakozasi ideje";

class TlsStream {
 public:
  enum class Receive { kData, kNothing, kClosed, kReset };

  virtual ~TlsStream() = default;

  // Resolves the host, opens TCP and runs the handshake with the
  // certificate checks; the handshake's waits keep the limits of wait.
  // Throws NetError (kTls, kTlsFailedText and more for the handshake and
  // the certificate; kNetwork with the system's text for name resolution
  // and TCP).
  virtual void Connect(const std::string& host, std::uint16_t port, ServerWait& wait) = 0;
  virtual bool IsOpen() const = 0;

  // One receive of at most capacity bytes into buffer, without waiting:
  // kNothing when nothing can be read at once. kClosed: the server closed
  // (TLS close or just TCP); kReset: the network reset or aborted the
  // connection. Bytes that are not TLS, or a TLS alert, throw NetError
  // (kProtocol, ProtocolErrorText); other failures throw (kConnection
  // with the system's text, kTls).
  virtual Receive ReceiveChunk(char* buffer, std::size_t capacity, std::size_t* received) = 0;
  // Bytes of the server already held (received, perhaps not a whole TLS
  // record yet), and decrypted bytes ready to be handed out.
  virtual bool HoldsReceivedBytes() = 0;
  virtual bool HoldsDecryptedBytes() = 0;
  // Waits at most timeoutMs until the socket has something to read (or an
  // error to report); false when the time passed.
  virtual bool WaitReadable(int timeoutMs) = 0;

  // Sends all bytes at once or throws (kWriteTimeoutText, the system's
  // text, kTls with the library's).
  virtual void Send(std::string_view bytes) = 0;

  // Sends the TLS close unless the connection broke, then closes the
  // socket. Harmless when already down.
  virtual void Close() noexcept = 0;
};

// No network activity yet. Throws NetError (kCaFile) when the trusted
// certificates cannot be loaded, kTls when the library cannot be set up.
std::unique_ptr<TlsStream> MakeTlsStream(const TlsOptions& options);

}  // namespace qv
