// The TLS stream on OpenSSL (libssl loaded when a download first connects,
// openssl_api.h), working the socket of a TcpConnection itself.
#include "download/openssl_api.h"
#include "download/tls_stream.h"
#include "platform/system_error.h"
#include "platform/tcp_connection.h"

namespace qv {
namespace {

const OpenSslApi& Ssl() { return OpenSslApi::Get(); }

[[noreturn]] void ThrowSocketError(NetFault fault, const std::string& text) {
  throw NetError(fault, error_kind::kConnection, text);
}
[[noreturn]] void ThrowTlsError(NetFault fault, const std::string& text) {
  throw NetError(fault, error_kind::kTls, text);
}

std::string OpenSslReason() {
  const unsigned long e = Ssl().ERR_peek_last_error();
  if (e == 0) return "";
  const char* reason = Ssl().ERR_reason_error_string(e);
  return reason != nullptr ? reason : "hibakod " + std::to_string(e);
}

class OpenSslStream : public TlsStream {
 public:
  explicit OpenSslStream(const TlsOptions& options);
  ~OpenSslStream() override;

  void Connect(const std::string& host, std::uint16_t port, ServerWait& wait) override;
  bool IsOpen() const override { return ssl_ != nullptr; }
  Receive ReceiveChunk(char* buffer, std::size_t capacity, std::size_t* received) override;
  bool HoldsReceivedBytes() override { return ssl_ != nullptr && Ssl().SSL_has_pending(ssl_) != 0; }
  bool HoldsDecryptedBytes() override { return ssl_ != nullptr && Ssl().SSL_pending(ssl_) > 0; }
  bool WaitReadable(int timeoutMs) override;
  void Send(std::string_view bytes) override;
  void Close() noexcept override;

 private:
  // Runs the handshake on the socket made non-blocking, so that its waits
  // keep the limits of wait.
  void Handshake(ServerWait& wait);
  // given: why, where the library's error does not say it (the
  // connection's time is up).
  [[noreturn]] void FailHandshake(int sslError, int savedErrno, const std::string& given = "");

  TlsOptions options_;
  std::string host_;
  std::uint16_t port_ = 0;
  SSL_CTX* ctx_ = nullptr;
  SSL* ssl_ = nullptr;
  TcpConnection tcp_;
  bool broken_ = false;  // a fatal TLS or socket error: no orderly shutdown
};

OpenSslStream::OpenSslStream(const TlsOptions& options) : options_(options) {
  ctx_ = Ssl().SSL_CTX_new(Ssl().TLS_client_method());
  if (ctx_ == nullptr)
    ThrowTlsError(NetFault::kOther, "a TLS nem allithato be: " + OpenSslReason());
  Ssl().SSL_CTX_ctrl(ctx_, SSL_CTRL_SET_MIN_PROTO_VERSION, TLS1_2_VERSION, nullptr);
  Ssl().SSL_CTX_ctrl(ctx_, SSL_CTRL_SET_MAX_PROTO_VERSION, TLS1_2_VERSION, nullptr);
#ifdef SSL_OP_IGNORE_UNEXPECTED_EOF
  // A server that just drops the TCP connection has closed it, as far as a
  // download is concerned.
  Ssl().SSL_CTX_set_options(ctx_, SSL_OP_IGNORE_UNEXPECTED_EOF);
#endif
  Ssl().SSL_CTX_set_verify(ctx_, SSL_VERIFY_PEER, nullptr);
  // Without a file of its own the library's defaults apply, which honour
  // SSL_CERT_FILE and SSL_CERT_DIR.
  const int loaded = options_.caFile.empty()
                         ? Ssl().SSL_CTX_set_default_verify_paths(ctx_)
                         : Ssl().SSL_CTX_load_verify_locations(ctx_, options_.caFile.c_str(), nullptr);
  if (loaded != 1) {
    const std::string reason = OpenSslReason();
    Ssl().SSL_CTX_free(ctx_);
    Ssl().ERR_clear_error();
    ThrowTlsError(NetFault::kCaFile,
                  "a megbizhato tanusitvanyok nem tolthetok be" +
                      (options_.caFile.empty() ? std::string() : " ('" + options_.caFile + "')") +
                      ": " + reason);
  }
}

OpenSslStream::~OpenSslStream() {
  Close();
  Ssl().SSL_CTX_free(ctx_);
}

void OpenSslStream::Connect(const std::string& host, std::uint16_t port, ServerWait& wait) {
  Close();
  host_ = host;
  port_ = port;

  ConnectTcp(tcp_, host_, port_, options_.socketTimeoutMs);

  ssl_ = Ssl().SSL_new(ctx_);
  if (ssl_ == nullptr || Ssl().SSL_set_fd(ssl_, static_cast<int>(tcp_.NativeHandle())) != 1) {
    Close();
    ThrowTlsError(NetFault::kOther, "a TLS nem allithato be: " + OpenSslReason());
  }
  // Server name indication is for names only; the certificate must name
  // the host (or hold the address it was reached at).
  if (!IpAddressBytes(host_).empty()) {
    Ssl().X509_VERIFY_PARAM_set1_ip_asc(Ssl().SSL_get0_param(ssl_), host_.c_str());
  } else {
    Ssl().SSL_ctrl(ssl_, SSL_CTRL_SET_TLSEXT_HOSTNAME, TLSEXT_NAMETYPE_host_name,
                   const_cast<char*>(host_.c_str()));  // SSL_set_tlsext_host_name
    Ssl().SSL_set_hostflags(ssl_, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
    Ssl().SSL_set1_host(ssl_, host_.c_str());
  }

  Handshake(wait);
}

void OpenSslStream::Handshake(ServerWait& wait) {
  for (;;) {
    int result = 0;
    Ssl().ERR_clear_error();
    const int savedErrno =
        tcp_.LibraryCall(true, [&] { result = Ssl().SSL_connect(ssl_); });
    const int sslError = Ssl().SSL_get_error(ssl_, result);
    if (result == 1) break;
    if (sslError != SSL_ERROR_WANT_READ && sslError != SSL_ERROR_WANT_WRITE)
      FailHandshake(sslError, savedErrno);
    const TcpConnection::Ready ready = sslError == SSL_ERROR_WANT_WRITE
                                           ? TcpConnection::Ready::kWritable
                                           : TcpConnection::Ready::kReadable;
    const ServerWait::Outcome outcome =
        wait.Await(options_.socketTimeoutMs, [&](int ms) { return tcp_.Wait(ready, ms); });
    if (outcome == ServerWait::Outcome::kQuiet) FailHandshake(sslError, 0);
    if (outcome == ServerWait::Outcome::kOutOfTime)
      FailHandshake(sslError, 0, wait.OutOfTimeText());
  }
}

void OpenSslStream::FailHandshake(int sslError, int savedErrno, const std::string& given) {
  std::string text = kTlsFailedText;
  NetFault fault = NetFault::kHandshake;
  const long verified = Ssl().SSL_get_verify_result(ssl_);
  if (verified != X509_V_OK) {
    fault = verified == X509_V_ERR_HOSTNAME_MISMATCH || verified == X509_V_ERR_IP_ADDRESS_MISMATCH
                ? NetFault::kNameMismatch
                : NetFault::kUntrusted;
    text += CertificateRefusedText(host_, Ssl().X509_verify_cert_error_string(verified)) +
            " (megbizhatok a rendszer tanusitvanytaranak tanusitvanyai, vagy helyettuk az "
            "SSL_CERT_FILE es SSL_CERT_DIR altal megadottak)";
  } else {
    std::string detail = given.empty() ? OpenSslReason() : given;
    if (!given.empty()) fault = NetFault::kTooSlow;
    if (detail.empty())
      detail = (sslError == SSL_ERROR_WANT_READ || sslError == SSL_ERROR_WANT_WRITE) ? kNoAnswerText
               : savedErrno != 0 ? SystemErrorText(savedErrno)
                                 : kServerEndedText;
    text += HandshakeFailedText(host_, port_, detail);
  }
  broken_ = true;
  Close();
  ThrowTlsError(fault, text);
}

TlsStream::Receive OpenSslStream::ReceiveChunk(char* buffer, std::size_t capacity,
                                               std::size_t* received) {
  int n = 0;
  Ssl().ERR_clear_error();
  const int savedErrno = tcp_.LibraryCall(
      true, [&] { n = Ssl().SSL_read(ssl_, buffer, static_cast<int>(capacity)); });
  const int sslError = Ssl().SSL_get_error(ssl_, n);

  *received = 0;
  if (n > 0) {
    *received = static_cast<std::size_t>(n);
    return Receive::kData;
  }
  switch (sslError) {
    case SSL_ERROR_ZERO_RETURN: return Receive::kClosed;
    case SSL_ERROR_WANT_READ:
    case SSL_ERROR_WANT_WRITE: return Receive::kNothing;  // nothing there yet
    case SSL_ERROR_SYSCALL:
      broken_ = true;
      if (savedErrno == 0) return Receive::kClosed;  // TCP closed without TLS close
      if (TcpConnection::IsResetError(savedErrno)) return Receive::kReset;
      ThrowSocketError(NetFault::kOther, SystemErrorText(savedErrno));
    default: {
      broken_ = true;
      const unsigned long e = Ssl().ERR_peek_last_error();
#ifdef SSL_R_UNEXPECTED_EOF_WHILE_READING
      if (ERR_GET_REASON(e) == SSL_R_UNEXPECTED_EOF_WHILE_READING) return Receive::kClosed;
#endif
      (void)e;
      // Bytes that are no TLS record, a record that fails its check, or
      // the server's alert.
      ThrowTlsError(NetFault::kProtocol, ProtocolErrorText(host_, port_));
    }
  }
}

bool OpenSslStream::WaitReadable(int timeoutMs) {
  return tcp_.Wait(TcpConnection::Ready::kReadable, timeoutMs);
}

void OpenSslStream::Send(std::string_view bytes) {
  int n = 0;
  Ssl().ERR_clear_error();
  const int savedErrno = tcp_.LibraryCall(
      false, [&] { n = Ssl().SSL_write(ssl_, bytes.data(), static_cast<int>(bytes.size())); });
  const int sslError = Ssl().SSL_get_error(ssl_, n);
  if (n > 0) return;
  if (sslError == SSL_ERROR_WANT_WRITE || sslError == SSL_ERROR_WANT_READ)
    ThrowSocketError(NetFault::kTimeout, kWriteTimeoutText);
  broken_ = true;
  if (sslError == SSL_ERROR_SYSCALL)
    ThrowSocketError(TcpConnection::IsResetError(savedErrno) ? NetFault::kReset : NetFault::kOther,
                     savedErrno != 0 ? SystemErrorText(savedErrno) : kServerClosedText);
  ThrowTlsError(NetFault::kOther, "sikertelen kuldes: " + OpenSslReason());
}

void OpenSslStream::Close() noexcept {
  if (ssl_ != nullptr) {
    // Sends our close; the server's is not waited for.
    if (!broken_) tcp_.LibraryCall(false, [&] { Ssl().SSL_shutdown(ssl_); });
    Ssl().SSL_free(ssl_);
    ssl_ = nullptr;
  }
  tcp_.Close();
  broken_ = false;
  // Only once the library is loaded: a stream that never was has nothing
  // to clear.
  if (ctx_ != nullptr) Ssl().ERR_clear_error();
}

}  // namespace

std::unique_ptr<TlsStream> MakeTlsStream(const TlsOptions& options) {
  return std::make_unique<OpenSslStream>(options);
}

}  // namespace qv
