#include "download/tls_line_connection.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "download/openssl_api.h"
#include "platform/error.h"

namespace qv {
namespace {

const char kClosedGracefully[] = "Connection Closed Gracefully.";

using Clock = std::chrono::steady_clock;

int MillisecondsSince(Clock::time_point start) {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

const OpenSslApi& Ssl() { return OpenSslApi::Get(); }

[[noreturn]] void ThrowSocketError(const std::string& text) { throw Error("Socket error", text); }
[[noreturn]] void ThrowTlsError(const std::string& text) { throw Error("TLS error", text); }

std::string OpenSslReason() {
  const unsigned long e = Ssl().ERR_peek_last_error();
  if (e == 0) return "";
  const char* reason = Ssl().ERR_reason_error_string(e);
  return reason != nullptr ? reason : "error " + std::to_string(e);
}

bool IsIpAddress(const std::string& host) {
  unsigned char address[sizeof(in6_addr)];
  return inet_pton(AF_INET, host.c_str(), address) == 1 ||
         inet_pton(AF_INET6, host.c_str(), address) == 1;
}

// Writing to a connection the server has dropped raises SIGPIPE, which would
// end the process. The signal is held back while OpenSSL works on the socket
// and a SIGPIPE raised meanwhile is taken away; the failed write then reports
// EPIPE like any other error.
class SigpipeHold {
 public:
  SigpipeHold() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
    sigset_t pending;
    sigpending(&pending);
    wasPending_ = sigismember(&pending, SIGPIPE) == 1;
  }
  ~SigpipeHold() {
    if (!wasPending_) {
      sigset_t pending;
      sigpending(&pending);
      if (sigismember(&pending, SIGPIPE) == 1) {
        const timespec none{0, 0};
        sigtimedwait(&pipe_, nullptr, &none);
      }
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
  }
  SigpipeHold(const SigpipeHold&) = delete;
  SigpipeHold& operator=(const SigpipeHold&) = delete;

 private:
  sigset_t pipe_;
  sigset_t previous_;
  bool wasPending_ = false;
};

bool IsNetworkReset(int error) {
  return error == ECONNRESET || error == ECONNABORTED || error == ESHUTDOWN || error == EPIPE;
}

}  // namespace

TlsLineConnection::TlsLineConnection(std::string host, std::uint16_t port, TlsOptions options)
    : host_(std::move(host)), port_(port), options_(std::move(options)) {
  ctx_ = Ssl().SSL_CTX_new(Ssl().TLS_client_method());
  if (ctx_ == nullptr) ThrowTlsError("cannot set up TLS: " + OpenSslReason());
  Ssl().SSL_CTX_ctrl(ctx_, SSL_CTRL_SET_MIN_PROTO_VERSION, TLS1_2_VERSION, nullptr);
  Ssl().SSL_CTX_ctrl(ctx_, SSL_CTRL_SET_MAX_PROTO_VERSION, TLS1_2_VERSION, nullptr);
#ifdef SSL_OP_IGNORE_UNEXPECTED_EOF
  // A server that just drops the TCP connection has closed it, as far as a
  // download is concerned.
  Ssl().SSL_CTX_set_options(ctx_, SSL_OP_IGNORE_UNEXPECTED_EOF);
#endif
  Ssl().SSL_CTX_set_verify(ctx_, SSL_VERIFY_PEER, nullptr);
  const int loaded = options_.caFile.empty()
                         ? Ssl().SSL_CTX_set_default_verify_paths(ctx_)
                         : Ssl().SSL_CTX_load_verify_locations(ctx_, options_.caFile.c_str(), nullptr);
  if (loaded != 1) {
    const std::string reason = OpenSslReason();
    Ssl().SSL_CTX_free(ctx_);
    Ssl().ERR_clear_error();
    ThrowTlsError("cannot load the trusted certificates" +
                  (options_.caFile.empty() ? std::string() : " '" + options_.caFile + "'") + ": " +
                  reason);
  }
}

TlsLineConnection::~TlsLineConnection() {
  Close();
  Ssl().SSL_CTX_free(ctx_);
}

void TlsLineConnection::Connect() {
  Disconnect();
  buffer_.Clear();
  closed_ = true;

  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* addresses = nullptr;
  const std::string service = std::to_string(port_);
  const int rc = getaddrinfo(host_.c_str(), service.c_str(), &hints, &addresses);
  if (rc != 0)
    throw Error("Network error", "cannot resolve " + host_ + ": " +
                                     (rc == EAI_SYSTEM ? std::strerror(errno) : gai_strerror(rc)));

  const timeval limit{options_.socketTimeoutMs / 1000, (options_.socketTimeoutMs % 1000) * 1000};
  int lastError = 0;
  for (addrinfo* a = addresses; a != nullptr && fd_ < 0; a = a->ai_next) {
    const int fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) {
      lastError = errno;
      continue;
    }
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
      fd_ = fd;
    } else {
      // With a send limit set, a connect that runs out of time says
      // "in progress"; the user is better served by "timed out".
      lastError = errno == EINPROGRESS ? ETIMEDOUT : errno;
      ::close(fd);
    }
  }
  freeaddrinfo(addresses);
  if (fd_ < 0)
    throw Error("Network error", "cannot connect to " + host_ + " port " + service + ": " +
                                     std::strerror(lastError));

  ssl_ = Ssl().SSL_new(ctx_);
  if (ssl_ == nullptr || Ssl().SSL_set_fd(ssl_, fd_) != 1) {
    Disconnect();
    ThrowTlsError("cannot set up TLS: " + OpenSslReason());
  }
  // Server name indication is for names only; the certificate must name
  // the host (or hold the address it was reached at).
  if (IsIpAddress(host_)) {
    Ssl().X509_VERIFY_PARAM_set1_ip_asc(Ssl().SSL_get0_param(ssl_), host_.c_str());
  } else {
    Ssl().SSL_ctrl(ssl_, SSL_CTRL_SET_TLSEXT_HOSTNAME, TLSEXT_NAMETYPE_host_name,
                   const_cast<char*>(host_.c_str()));  // SSL_set_tlsext_host_name
    Ssl().SSL_set_hostflags(ssl_, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
    Ssl().SSL_set1_host(ssl_, host_.c_str());
  }

  int result;
  int sslError;
  int savedErrno;
  {
    SigpipeHold hold;
    Ssl().ERR_clear_error();
    errno = 0;
    result = Ssl().SSL_connect(ssl_);
    savedErrno = errno;
    sslError = Ssl().SSL_get_error(ssl_, result);
  }
  if (result != 1) FailHandshake(sslError, savedErrno);

  everConnected_ = true;
  closed_ = false;
}

void TlsLineConnection::FailHandshake(int sslError, int savedErrno) {
  std::string text = "Error connecting with SSL. ";
  const long verified = Ssl().SSL_get_verify_result(ssl_);
  if (verified != X509_V_OK) {
    text += "The certificate of " + host_ +
            " was refused: " + Ssl().X509_verify_cert_error_string(verified) +
            " (trusted certificates come from the system's store, or from SSL_CERT_FILE or "
            "SSL_CERT_DIR)";
  } else {
    std::string detail = OpenSslReason();
    if (detail.empty())
      detail = (sslError == SSL_ERROR_WANT_READ || sslError == SSL_ERROR_WANT_WRITE)
                   ? "the server did not answer in time"
               : savedErrno != 0 ? std::strerror(savedErrno)
                                 : "the server ended the connection";
    text += "The handshake with " + host_ + " port " + std::to_string(port_) + " failed: " + detail;
  }
  broken_ = true;
  Disconnect();
  ThrowTlsError(text);
}

void TlsLineConnection::RequireOpened() const {
  if (!everConnected_) ThrowSocketError("Not Connected");
}

TlsLineConnection::Receive TlsLineConnection::ReadChunk(bool wait) {
  int flags = 0;
  if (!wait) {
    flags = fcntl(fd_, F_GETFL);
    fcntl(fd_, F_SETFL, flags | O_NONBLOCK);
  }
  int n;
  int sslError;
  int savedErrno;
  {
    SigpipeHold hold;
    Ssl().ERR_clear_error();
    errno = 0;
    n = Ssl().SSL_read(ssl_, chunk_, static_cast<int>(kChunkSize));
    savedErrno = errno;
    sslError = Ssl().SSL_get_error(ssl_, n);
  }
  if (!wait) fcntl(fd_, F_SETFL, flags);

  if (n > 0) {
    chunkSize_ = static_cast<std::size_t>(n);
    return Receive::kData;
  }
  chunkSize_ = 0;
  switch (sslError) {
    case SSL_ERROR_ZERO_RETURN: return Receive::kClosed;
    case SSL_ERROR_WANT_READ:
    case SSL_ERROR_WANT_WRITE:
      // Non-waiting: nothing there yet. Waiting: the socket limit passed
      // (EAGAIN); it is not retried.
      return Receive::kNothing;
    case SSL_ERROR_SYSCALL:
      broken_ = true;
      if (savedErrno == 0) return Receive::kClosed;  // TCP closed without TLS close
      if (IsNetworkReset(savedErrno)) return Receive::kReset;
      ThrowSocketError(std::strerror(savedErrno));
    default: {
      broken_ = true;
      const unsigned long e = Ssl().ERR_peek_last_error();
#ifdef SSL_R_UNEXPECTED_EOF_WHILE_READING
      if (ERR_GET_REASON(e) == SSL_R_UNEXPECTED_EOF_WHILE_READING) return Receive::kClosed;
#endif
      (void)e;
      ThrowTlsError("receive failed: " + OpenSslReason());
    }
  }
}

TlsLineConnection::Receive TlsLineConnection::ReceiveOnce(int waitMs) {
  if (waitMs < 0) {
    const Receive r = ReadChunk(true);
    if (r == Receive::kNothing) ThrowSocketError("Read timed out.");
    return r;
  }
  const Clock::time_point start = Clock::now();
  bool polled = false;
  for (;;) {
    // Bytes OpenSSL already holds can be read without asking the socket;
    // after a read that wanted more, only the socket can bring it.
    if (polled || Ssl().SSL_has_pending(ssl_) == 0) {
      pollfd p{fd_, POLLIN, 0};
      const int left = std::max(0, waitMs - MillisecondsSince(start));
      const int ready = poll(&p, 1, left);
      if (ready < 0 && errno == EINTR) continue;
      if (ready < 0) ThrowSocketError(std::strerror(errno));
      if (ready == 0) return Receive::kNothing;
    }
    const Receive r = ReadChunk(false);
    if (r != Receive::kNothing || MillisecondsSince(start) >= waitMs) return r;
    polled = true;
  }
}

bool TlsLineConnection::IsConnected() {
  if (ssl_ != nullptr && !closed_) {
    try {
      const Receive r = ReceiveOnce(0);
      if (r == Receive::kData) buffer_.Append(chunk_, chunkSize_);
      if (r == Receive::kClosed || r == Receive::kReset) closed_ = true;
    } catch (const Error&) {
      closed_ = true;
    }
  }
  return (ssl_ != nullptr && !closed_) || !buffer_.Empty();
}

void TlsLineConnection::WriteLine(const std::string& text) {
  if (ssl_ == nullptr) ThrowSocketError("Not Connected");
  const std::string bytes = EncodeForWire(text, encoding_) + "\r\n";
  int n;
  int sslError;
  int savedErrno;
  {
    SigpipeHold hold;
    Ssl().ERR_clear_error();
    errno = 0;
    n = Ssl().SSL_write(ssl_, bytes.data(), static_cast<int>(bytes.size()));
    savedErrno = errno;
    sslError = Ssl().SSL_get_error(ssl_, n);
  }
  if (n > 0) return;
  if (sslError == SSL_ERROR_WANT_WRITE || sslError == SSL_ERROR_WANT_READ)
    ThrowSocketError("Write timed out.");
  broken_ = true;
  if (sslError == SSL_ERROR_SYSCALL)
    ThrowSocketError(savedErrno != 0 ? std::strerror(savedErrno) : kClosedGracefully);
  ThrowTlsError("send failed: " + OpenSslReason());
}

std::string TlsLineConnection::ReadLine(char terminator, int timeLimitMs, std::size_t maxLength) {
  const Clock::time_point start = Clock::now();
  for (;;) {
    const std::size_t k = buffer_.Empty() ? ReceiveBuffer::kNotFound : buffer_.Find(terminator);
    const bool found = k != ReceiveBuffer::kNotFound;
    if (maxLength > 0 && (found ? k > maxLength : buffer_.Size() > maxLength))
      ThrowSocketError("Max line length exceeded.");

    if (found) {
      std::string line = buffer_.Take(k + 1);
      line.pop_back();
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return DecodeFromWire(line, encoding_);
    }

    RequireOpened();
    if (closed_ || ssl_ == nullptr) ThrowSocketError(kClosedGracefully);

    bool timedOut = false;
    Receive r;
    try {
      r = ReceiveOnce(timeLimitMs);
    } catch (const Error&) {
      closed_ = true;
      throw;
    }
    switch (r) {
      case Receive::kData: buffer_.Append(chunk_, chunkSize_); break;
      case Receive::kNothing: timedOut = true; break;
      case Receive::kClosed:
        closed_ = true;
        if (buffer_.Empty()) ThrowSocketError(kClosedGracefully);
        break;
      case Receive::kReset: closed_ = true; ThrowSocketError(std::strerror(ECONNRESET));
    }
    if (!timedOut && timeLimitMs >= 0 && MillisecondsSince(start) >= timeLimitMs) timedOut = true;
    if (timedOut) return "";
  }
}

std::string TlsLineConnection::ReadAll() {
  RequireOpened();
  std::string result = buffer_.TakeAll();
  if (closed_ || ssl_ == nullptr) return result;
  for (;;) {
    Receive r;
    try {
      r = ReadChunk(true);
    } catch (const Error&) {
      closed_ = true;
      throw;
    }
    if (r == Receive::kData) {
      result.append(chunk_, chunkSize_);
    } else if (r == Receive::kNothing) {
      closed_ = true;
      ThrowSocketError("Read timed out.");
    } else {
      closed_ = true;
      return result;
    }
  }
}

bool TlsLineConnection::WaitForInput(int timeoutMs) {
  if (closed_ || ssl_ == nullptr) return true;
  if (!buffer_.Empty() && buffer_.Find('\n') != ReceiveBuffer::kNotFound) return true;
  if (Ssl().SSL_pending(ssl_) > 0) return true;
  pollfd p{fd_, POLLIN, 0};
  const Clock::time_point start = Clock::now();
  for (;;) {
    const int ready = poll(&p, 1, std::max(0, timeoutMs - MillisecondsSince(start)));
    if (ready >= 0) return ready > 0;
    if (errno != EINTR) return true;  // let the next read report it
  }
}

void TlsLineConnection::Close() {
  buffer_.Clear();
  closed_ = true;
  Disconnect();
}

void TlsLineConnection::Disconnect() {
  if (ssl_ != nullptr) {
    if (!broken_) {
      SigpipeHold hold;
      Ssl().SSL_shutdown(ssl_);  // sends our close; the server's is not waited for
    }
    Ssl().SSL_free(ssl_);
    ssl_ = nullptr;
  }
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  broken_ = false;
  Ssl().ERR_clear_error();
}

}  // namespace qv
