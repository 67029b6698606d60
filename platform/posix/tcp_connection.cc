#include "platform/tcp_connection.h"

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
#include <cstring>

#include "platform/system_error.h"

namespace qv {

struct TcpConnection::Impl {
  int fd = -1;
};

namespace {

// A write to a connection the peer has dropped raises SIGPIPE, which would
// end the process. The signal is held back while a library works on the
// socket and a SIGPIPE raised meanwhile is taken away; the failed write
// then reports EPIPE like any other error.
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

// A failed send or receive: with a time limit set, a blocking socket says
// EAGAIN when it passes.
TcpTransfer Failed(int error) {
  TcpTransfer t;
  t.outcome = error == EAGAIN || error == EWOULDBLOCK || error == ETIMEDOUT ? TcpOutcome::kTimedOut
              : TcpConnection::IsResetError(error)                        ? TcpOutcome::kReset
                                                                          : TcpOutcome::kFailed;
  t.reason = SystemErrorText(error);
  return t;
}

}  // namespace

TcpConnection::TcpConnection() : impl_(std::make_unique<Impl>()) {}

TcpConnection::~TcpConnection() { Close(); }

void TcpConnection::Connect(const std::string& host, std::uint16_t port, int ioLimitMs) {
  Close();
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* addresses = nullptr;
  const std::string service = std::to_string(port);
  const int rc = getaddrinfo(host.c_str(), service.c_str(), &hints, &addresses);
  if (rc != 0)
    throw TcpError(TcpFault::kResolve, error_kind::kNetwork,
                   "a gepnev nem oldhato fel (" + host +
                       "): " + (rc == EAI_SYSTEM ? std::strerror(errno) : gai_strerror(rc)));

  const timeval limit{ioLimitMs / 1000, (ioLimitMs % 1000) * 1000};
  int lastError = 0;
  for (addrinfo* a = addresses; a != nullptr && impl_->fd < 0; a = a->ai_next) {
    const int fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) {
      lastError = errno;
      continue;
    }
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
      impl_->fd = fd;
    } else {
      // With a send limit set, a connect that runs out of time says
      // "in progress"; the user is better served by "timed out".
      lastError = errno == EINPROGRESS ? ETIMEDOUT : errno;
      ::close(fd);
    }
  }
  freeaddrinfo(addresses);
  if (impl_->fd < 0)
    throw TcpError(TcpFault::kConnect, error_kind::kNetwork,
                   "nem sikerult kapcsolodni (" + host + ", " + service +
                       ". port): " + SystemErrorText(lastError));
}

bool TcpConnection::IsOpen() const { return impl_->fd >= 0; }

void TcpConnection::Close() noexcept {
  if (impl_->fd >= 0) ::close(impl_->fd);
  impl_->fd = -1;
}

TcpTransfer TcpConnection::Receive(char* buffer, std::size_t capacity) {
  for (;;) {
    const ssize_t n = recv(impl_->fd, buffer, capacity, 0);
    if (n > 0) return {TcpOutcome::kDone, static_cast<std::size_t>(n), ""};
    if (n == 0) return {TcpOutcome::kClosed, 0, ""};
    if (errno != EINTR) return Failed(errno);
  }
}

TcpTransfer TcpConnection::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = send(impl_->fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Failed(n < 0 ? errno : EPIPE);
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return {};
}

bool TcpConnection::Wait(Ready ready, int timeoutMs) {
  pollfd p{impl_->fd, static_cast<short>(ready == Ready::kWritable ? POLLOUT : POLLIN), 0};
  for (;;) {
    const int n = poll(&p, 1, std::max(timeoutMs, 0));
    if (n >= 0) return n > 0;
    if (errno != EINTR) return true;  // the next call reports it
  }
}

std::intptr_t TcpConnection::NativeHandle() const { return impl_->fd; }

int TcpConnection::LibraryCall(bool nonBlocking, const std::function<void()>& call) {
  const int flags = fcntl(impl_->fd, F_GETFL);
  if (nonBlocking) fcntl(impl_->fd, F_SETFL, flags | O_NONBLOCK);
  int error;
  {
    SigpipeHold hold;
    errno = 0;
    call();
    error = errno;
  }
  if (nonBlocking) fcntl(impl_->fd, F_SETFL, flags);
  return error;
}

bool TcpConnection::IsResetError(int code) {
  return code == ECONNRESET || code == ECONNABORTED || code == ESHUTDOWN || code == EPIPE;
}

std::string IpAddressBytes(const std::string& host) {
  in_addr v4;
  in6_addr v6;
  if (inet_pton(AF_INET, host.c_str(), &v4) == 1)
    return std::string(reinterpret_cast<const char*>(&v4), sizeof v4);
  if (inet_pton(AF_INET6, host.c_str(), &v6) == 1)
    return std::string(reinterpret_cast<const char*>(&v6), sizeof v6);
  return "";
}

}  // namespace qv
