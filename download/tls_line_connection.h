// A TLS client connection that speaks in text lines: the ground the turn
// download writes its hand-made HTTP/1.0 requests on. One object serves
// several successive connections to the same host; nothing of HTTP lives
// here.
//
// TLS 1.2 only, the library's default ciphers, the host name sent as server
// name indication (not for IP addresses). The server's certificate must be
// signed by a trusted authority and name the host: the system's trust store
// or the caFile given (tls_stream.h). Blocking socket with receive and send
// limits, and the limits of a whole connection (tls_stream.h, TlsOptions):
// its time, handshake included, and the bytes it takes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "download/line_encoding.h"
#include "download/receive_buffer.h"
#include "download/tls_stream.h"

namespace qv {

class TlsLineConnection {
 public:
  // No network activity yet. Throws qv::Error when the TLS settings or the
  // trusted certificates cannot be set up.
  TlsLineConnection(std::string host, std::uint16_t port, TlsOptions options = {});
  // Closes when needed.
  ~TlsLineConnection();
  TlsLineConnection(const TlsLineConnection&) = delete;
  TlsLineConnection& operator=(const TlsLineConnection&) = delete;

  // Applies to every later WriteLine and ReadLine; ReadAll returns raw bytes.
  void SetTextEncoding(TextEncoding encoding) { encoding_ = encoding; }

  // Called once per connection when the server has been quiet for the
  // notice time (TlsOptions::waitNoticeMs).
  void SetWaitNotice(std::function<void()> notice) { wait_.SetNotice(std::move(notice)); }

  // Resolves the host, opens TCP and runs the TLS handshake. Afterwards the
  // receive buffer is empty and the closed mark is cleared. Failures throw
  // (kTlsFailedText and more for the handshake and the certificate, the
  // system's text for name resolution and TCP).
  void Connect();

  // True while the connection is open or unread bytes remain; makes one
  // receive attempt that does not wait first. A protocol error met there
  // is thrown by the next read or write.
  bool IsConnected();

  // Sends the encoded text and CR LF at once; an empty text sends CR LF.
  void WriteLine(const std::string& text);

  // The next line up to the terminator, without it and without one CR in
  // front of it. A complete line already received is returned at once;
  // otherwise one receive attempt waits at most timeLimitMs (0: not at all,
  // below 0: within the socket limit) and an empty text is returned when
  // the time is up, even when that receive completed a line. Throws when a
  // line grows beyond maxLength bytes (0: no limit), and kServerClosedText
  // once the server has closed and no line is left. A final piece without
  // terminator is never returned.
  std::string ReadLine(char terminator, int timeLimitMs, std::size_t maxLength);

  // Everything still buffered and everything received until the server
  // closes (or the network resets the connection), as raw bytes. A receive
  // that passes the socket limit throws (NetFault::kTimeout).
  std::string ReadAll();

  // Every read throws NetError when the connection passes its limits:
  // kTooLarge once it has received more than TlsOptions::answerLimit bytes,
  // kTooSlow once its time is up; and kProtocol for bytes that are not TLS
  // or a TLS alert.

  // The closed mark: set when the server closed, a receive failed, or by
  // Close; cleared by Connect.
  bool IsClosed() const { return closed_; }

  // Drops unread bytes, sets the closed mark and disconnects. Harmless when
  // already down.
  void Close();

  // Waits at most timeoutMs until a ReadLine has something new to work on:
  // a complete line (up to LF) buffered, received bytes, or the server's
  // close. False when the time passed with nothing; throws kTooSlow once
  // the connection's time is up. Lets a caller of ReadLine with a zero
  // time limit sleep instead of spinning.
  bool WaitForInput(int timeoutMs);

 private:
  using Receive = TlsStream::Receive;

  static constexpr std::size_t kChunkSize = 16384;

  // One receive into chunk_: waits at most waitMs (below 0: within the
  // socket limit, throwing NetFault::kTimeout when it passes).
  Receive ReceiveOnce(int waitMs);
  // One receive of the stream into chunk_ that does not wait, counted
  // against the connection's limits.
  Receive ReadChunk();
  void RequireOpened() const;
  // Throws the protocol error IsConnected met, if any.
  void RethrowFailure() const;

  std::string host_;
  std::uint16_t port_;
  TlsOptions options_;
  TextEncoding encoding_ = TextEncoding::kEightBit;
  std::unique_ptr<TlsStream> stream_;
  ServerWait wait_;
  std::size_t received_ = 0;    // bytes of this connection so far
  std::exception_ptr failure_;  // met by IsConnected, thrown by the next read or write
  bool everConnected_ = false;
  bool closed_ = false;
  ReceiveBuffer buffer_;
  char chunk_[kChunkSize];
  std::size_t chunkSize_ = 0;
};

}  // namespace qv
