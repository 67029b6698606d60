#include "platform/tcp_connection.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>

#include "platform/system_error.h"

namespace qv {

struct TcpConnection::Impl {
  SOCKET socket = INVALID_SOCKET;
};

namespace {

void StartWinsockOnce() {
  static const int started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data);
  }();
  if (started != 0)
    throw TcpError(TcpFault::kStart, error_kind::kConnection,
                   "a Winsock nem indithato: " + SystemErrorText(started));
}

TcpTransfer Failed(TcpOutcome outcome, int error) {
  TcpTransfer t;
  t.outcome = TcpConnection::IsResetError(error) ? TcpOutcome::kReset : outcome;
  t.reason = SystemErrorText(error);
  return t;
}

}  // namespace

TcpConnection::TcpConnection() : impl_(std::make_unique<Impl>()) { StartWinsockOnce(); }

TcpConnection::~TcpConnection() { Close(); }

void TcpConnection::Connect(const std::string& host, std::uint16_t port, int ioLimitMs) {
  Close();
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfo* addresses = nullptr;
  const std::string service = std::to_string(port);
  const int rc = getaddrinfo(host.c_str(), service.c_str(), &hints, &addresses);
  if (rc != 0)
    throw TcpError(TcpFault::kResolve, error_kind::kNetwork,
                   "a gepnev nem oldhato fel (" + host + "): " + SystemErrorText(rc));

  const DWORD limit = static_cast<DWORD>(ioLimitMs);
  int lastError = 0;
  for (addrinfo* a = addresses; a != nullptr && impl_->socket == INVALID_SOCKET;
       a = a->ai_next) {
    // Not inherited by programs the tool starts.
    const SOCKET s = WSASocketW(a->ai_family, a->ai_socktype, a->ai_protocol, nullptr, 0,
                                WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET) {
      lastError = WSAGetLastError();
      continue;
    }
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limit), sizeof limit);
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&limit), sizeof limit);
    if (::connect(s, a->ai_addr, static_cast<int>(a->ai_addrlen)) == 0) {
      impl_->socket = s;
    } else {
      lastError = WSAGetLastError();
      closesocket(s);
    }
  }
  freeaddrinfo(addresses);
  if (impl_->socket == INVALID_SOCKET)
    throw TcpError(TcpFault::kConnect, error_kind::kNetwork,
                   "nem sikerult kapcsolodni (" + host + ", " + service +
                       ". port): " + SystemErrorText(lastError));
}

bool TcpConnection::IsOpen() const { return impl_->socket != INVALID_SOCKET; }

void TcpConnection::Close() noexcept {
  if (impl_->socket != INVALID_SOCKET) closesocket(impl_->socket);
  impl_->socket = INVALID_SOCKET;
}

TcpTransfer TcpConnection::Receive(char* buffer, std::size_t capacity) {
  const int n = recv(impl_->socket, buffer,
                     static_cast<int>(std::min<std::size_t>(capacity, 1 << 30)), 0);
  if (n > 0) return {TcpOutcome::kDone, static_cast<std::size_t>(n), ""};
  if (n == 0) return {TcpOutcome::kClosed, 0, ""};
  const int error = WSAGetLastError();
  return Failed(error == WSAETIMEDOUT || error == WSAEWOULDBLOCK ? TcpOutcome::kTimedOut
                                                                 : TcpOutcome::kFailed,
                error);
}

TcpTransfer TcpConnection::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    const int n = send(impl_->socket, bytes.data(),
                       static_cast<int>(std::min<std::size_t>(bytes.size(), 1 << 30)), 0);
    if (n <= 0) {
      const int error = WSAGetLastError();
      return Failed(error == WSAETIMEDOUT ? TcpOutcome::kTimedOut : TcpOutcome::kFailed, error);
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return {};
}

bool TcpConnection::Wait(Ready ready, int timeoutMs) {
  timeoutMs = std::max(timeoutMs, 0);
  fd_set set;
  FD_ZERO(&set);
  FD_SET(impl_->socket, &set);
  timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  const bool writable = ready == Ready::kWritable;
  // An error: the next call reports it.
  return select(0, writable ? nullptr : &set, writable ? &set : nullptr, nullptr, &limit) != 0;
}

std::intptr_t TcpConnection::NativeHandle() const {
  return static_cast<std::intptr_t>(impl_->socket);
}

int TcpConnection::LibraryCall(bool nonBlocking, const std::function<void()>& call) {
  u_long mode = 1;
  if (nonBlocking) ioctlsocket(impl_->socket, FIONBIO, &mode);
  WSASetLastError(0);
  call();
  const int error = WSAGetLastError();
  mode = 0;
  if (nonBlocking) ioctlsocket(impl_->socket, FIONBIO, &mode);
  return error;
}

bool TcpConnection::IsResetError(int code) {
  return code == WSAECONNRESET || code == WSAECONNABORTED || code == WSAESHUTDOWN ||
         code == WSAENETRESET;
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
