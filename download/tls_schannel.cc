// The TLS stream on Windows' own TLS library, Schannel (SSPI, secur32), over
// a TcpConnection. The certificate is checked by SchannelTrust
// (schannel_certificate.h), not by Schannel.
#include <windows.h>
#define SECURITY_WIN32
#include <schannel.h>
#include <security.h>

#include <algorithm>
#include <cstring>

#include "download/schannel_certificate.h"
#include "download/schannel_status.h"
#include "download/tls_stream.h"
#include "platform/environment.h"
#include "platform/tcp_connection.h"
#include "platform/win32/wide.h"

namespace qv {
namespace {

constexpr std::size_t kReceiveSize = 16384;

[[noreturn]] void ThrowSocketError(NetFault fault, const std::string& text) {
  throw NetError(fault, error_kind::kConnection, text);
}
[[noreturn]] void ThrowTlsError(NetFault fault, const std::string& text) {
  throw NetError(fault, error_kind::kTls, text);
}

// Whether the bytes can start a TLS record: a content type of TLS 1.2
// (change cipher spec, alert, handshake, application data), a version of
// the TLS family and a length a record may have. Schannel would wait for
// the length any bytes claim; this refuses them at once, as OpenSSL does.
bool CouldStartRecord(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.empty()) return true;
  if (byte(0) < 20 || byte(0) > 23) return false;
  if (bytes.size() >= 2 && byte(1) != 3) return false;
  if (bytes.size() >= 5 && ((byte(3) << 8) | byte(4)) > 16384 + 2048) return false;
  return true;
}

class SchannelStream : public TlsStream {
 public:
  explicit SchannelStream(const TlsOptions& options);
  ~SchannelStream() override;

  void Connect(const std::string& host, std::uint16_t port, ServerWait& wait) override;
  bool IsOpen() const override { return tcp_.IsOpen(); }
  Receive ReceiveChunk(char* buffer, std::size_t capacity, std::size_t* received) override;
  bool HoldsReceivedBytes() override { return Decrypted() > 0 || !raw_.empty(); }
  bool HoldsDecryptedBytes() override { return Decrypted() > 0; }
  bool WaitReadable(int timeoutMs) override;
  void Send(std::string_view bytes) override;
  void Close() noexcept override;

 private:
  void Handshake(ServerWait& wait);
  void CheckCertificate();
  [[noreturn]] void FailHandshake(NetFault fault, const std::string& detail);
  // Decrypts every whole record in raw_ into plain_; false once the server
  // has sent its TLS close.
  bool DecryptHeld();
  std::size_t Decrypted() const { return plain_.size() - plainHead_; }

  TlsOptions options_;
  std::string host_;
  std::uint16_t port_ = 0;
  TcpConnection tcp_;    // first: it starts Winsock
  SchannelTrust trust_;
  CredHandle credentials_{};
  CtxtHandle context_{};
  bool haveContext_ = false;
  SecPkgContext_StreamSizes sizes_{};
  std::string raw_;      // received, not yet decrypted
  std::string plain_;    // decrypted, handed out from plainHead_ on
  std::size_t plainHead_ = 0;
  bool serverClosed_ = false;  // TLS close or end of TCP seen
  bool broken_ = false;        // a fatal TLS or socket error: no orderly shutdown
};

SchannelStream::SchannelStream(const TlsOptions& options)
    : options_(options),
      trust_(options.caFile.empty() ? EnvironmentText("SSL_CERT_FILE") : options.caFile) {
  SCHANNEL_CRED settings{};
  settings.dwVersion = SCHANNEL_CRED_VERSION;
  settings.grbitEnabledProtocols = SP_PROT_TLS1_2_CLIENT;  // TLS 1.2 only
  settings.dwFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS;
  const SECURITY_STATUS status = AcquireCredentialsHandleW(
      nullptr, const_cast<wchar_t*>(UNISP_NAME_W), SECPKG_CRED_OUTBOUND, nullptr, &settings,
      nullptr, nullptr, &credentials_, nullptr);
  if (status != SEC_E_OK)
    ThrowTlsError(NetFault::kOther, "a TLS nem allithato be: " + StatusText(status));
}

SchannelStream::~SchannelStream() {
  Close();
  FreeCredentialsHandle(&credentials_);
}

void SchannelStream::Connect(const std::string& host, std::uint16_t port, ServerWait& wait) {
  Close();
  host_ = host;
  port_ = port;
  ConnectTcp(tcp_, host_, port_, options_.socketTimeoutMs);
  Handshake(wait);
  CheckCertificate();
  const SECURITY_STATUS status =
      QueryContextAttributesW(&context_, SECPKG_ATTR_STREAM_SIZES, &sizes_);
  if (status != SEC_E_OK) FailHandshake(NetFault::kHandshake, StatusText(status));
}

void SchannelStream::Handshake(ServerWait& wait) {
  // Server name indication is for names only.
  const bool byAddress = !IpAddressBytes(host_).empty();
  std::wstring target = win32::Wide(host_);
  DWORD wanted = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT | ISC_REQ_CONFIDENTIALITY |
                 ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM | ISC_REQ_EXTENDED_ERROR |
                 ISC_REQ_MANUAL_CRED_VALIDATION;
  bool first = true;
  bool needMore = false;
  bool again = false;  // the same input once more, without a client certificate
  for (;;) {
    if (!first && !again && (raw_.empty() || needMore)) {
      switch (wait.Await(options_.socketTimeoutMs, [this](int ms) { return WaitReadable(ms); })) {
        case ServerWait::Outcome::kReady: break;
        case ServerWait::Outcome::kQuiet: FailHandshake(NetFault::kHandshake, kNoAnswerText);
        case ServerWait::Outcome::kOutOfTime:
          FailHandshake(NetFault::kTooSlow, wait.OutOfTimeText());
      }
      char chunk[kReceiveSize];
      const TcpTransfer got = tcp_.Receive(chunk, sizeof chunk);
      if (got.outcome == TcpOutcome::kClosed) FailHandshake(NetFault::kHandshake, kServerEndedText);
      if (got.outcome != TcpOutcome::kDone)
        FailHandshake(NetFault::kHandshake, got.outcome == TcpOutcome::kTimedOut
                                                ? std::string(kNoAnswerText)
                                                : got.reason);
      raw_.append(chunk, got.bytes);
    }
    SecBuffer in[2] = {{static_cast<unsigned long>(raw_.size()), SECBUFFER_TOKEN, raw_.data()},
                       {0, SECBUFFER_EMPTY, nullptr}};
    SecBufferDesc inDesc{SECBUFFER_VERSION, 2, in};
    SecBuffer out[1] = {{0, SECBUFFER_TOKEN, nullptr}};
    SecBufferDesc outDesc{SECBUFFER_VERSION, 1, out};
    unsigned long granted = 0;
    const SECURITY_STATUS status = InitializeSecurityContextW(
        &credentials_, first ? nullptr : &context_, byAddress ? nullptr : target.data(), wanted, 0,
        0, first ? nullptr : &inDesc, 0, &context_, &outDesc, &granted, nullptr);
    if (first && (status == SEC_I_CONTINUE_NEEDED || status == SEC_E_OK)) haveContext_ = true;
    // The token to send: the next handshake message, or the alert that
    // tells the server why it failed.
    if (out[0].pvBuffer != nullptr) {
      const TcpTransfer sent =
          tcp_.Send(std::string_view(static_cast<const char*>(out[0].pvBuffer), out[0].cbBuffer));
      FreeContextBuffer(out[0].pvBuffer);
      if (sent.outcome != TcpOutcome::kDone && status == SEC_I_CONTINUE_NEEDED)
        FailHandshake(NetFault::kHandshake, sent.reason);
    }
    needMore = status == SEC_E_INCOMPLETE_MESSAGE;
    if (needMore) continue;
    if (status == SEC_I_INCOMPLETE_CREDENTIALS && !again) {
      // The server asks for a client certificate, which the tool has none
      // of: like any browser it goes on without one (the server may still
      // refuse that).
      wanted |= ISC_REQ_USE_SUPPLIED_CREDS;
      again = true;
      continue;
    }
    again = false;
    if (!first) {
      // What follows the message just read stays for the next round, or,
      // once done, is the server's first application data.
      if (in[1].BufferType == SECBUFFER_EXTRA && in[1].cbBuffer > 0)
        raw_.erase(0, raw_.size() - in[1].cbBuffer);
      else
        raw_.clear();
    }
    first = false;
    if (status == SEC_E_OK) return;
    if (status != SEC_I_CONTINUE_NEEDED) FailHandshake(NetFault::kHandshake, StatusText(status));
  }
}

void SchannelStream::CheckCertificate() {
  PCCERT_CONTEXT cert = nullptr;
  SECURITY_STATUS status =
      QueryContextAttributesW(&context_, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &cert);
  if (status != SEC_E_OK || cert == nullptr)
    FailHandshake(NetFault::kHandshake, "a szerver nem kuldott tanusitvanyt");

  const CertificateRefusal refusal = trust_.Check(cert, host_);
  CertFreeCertificateContext(cert);
  if (refusal.reason.empty()) return;
  broken_ = false;  // the handshake itself went well: the server gets our close
  const std::string text = kTlsFailedText + CertificateRefusedText(host_, refusal.reason) +
                           " (megbizhatok a rendszer tanusitvanytaranak tanusitvanyai, vagy "
                           "helyettuk az SSL_CERT_FILE altal megadottak)";
  Close();
  ThrowTlsError(refusal.fault, text);
}

void SchannelStream::FailHandshake(NetFault fault, const std::string& detail) {
  broken_ = true;
  const std::string text = kTlsFailedText + HandshakeFailedText(host_, port_, detail);
  Close();
  ThrowTlsError(fault, text);
}

bool SchannelStream::DecryptHeld() {
  while (!raw_.empty()) {
    if (!CouldStartRecord(std::string_view(raw_).substr(0, 5))) {
      broken_ = true;
      ThrowTlsError(NetFault::kProtocol, ProtocolErrorText(host_, port_));
    }
    SecBuffer buffers[4] = {{static_cast<unsigned long>(raw_.size()), SECBUFFER_DATA, raw_.data()},
                            {0, SECBUFFER_EMPTY, nullptr},
                            {0, SECBUFFER_EMPTY, nullptr},
                            {0, SECBUFFER_EMPTY, nullptr}};
    SecBufferDesc desc{SECBUFFER_VERSION, 4, buffers};
    const SECURITY_STATUS status = DecryptMessage(&context_, &desc, 0, nullptr);
    if (status == SEC_E_INCOMPLETE_MESSAGE) return true;
    if (status == SEC_I_CONTEXT_EXPIRED) {
      raw_.clear();
      serverClosed_ = true;
      return false;
    }
    if (status == SEC_I_RENEGOTIATE) {
      broken_ = true;
      ThrowTlsError(NetFault::kProtocol, "sikertelen fogadas: a szerver ujratargyalast kert");
    }
    if (status != SEC_E_OK) {  // a record that fails its check, or the server's alert
      broken_ = true;
      ThrowTlsError(NetFault::kProtocol, ProtocolErrorText(host_, port_));
    }
    if (plainHead_ == plain_.size()) {
      plain_.clear();
      plainHead_ = 0;
    }
    std::size_t extra = 0;
    for (const SecBuffer& b : buffers) {
      if (b.BufferType == SECBUFFER_DATA) plain_.append(static_cast<const char*>(b.pvBuffer), b.cbBuffer);
      if (b.BufferType == SECBUFFER_EXTRA) extra = b.cbBuffer;
    }
    raw_.erase(0, raw_.size() - extra);
  }
  return true;
}

TlsStream::Receive SchannelStream::ReceiveChunk(char* buffer, std::size_t capacity,
                                                std::size_t* received) {
  *received = 0;
  for (;;) {
    if (Decrypted() > 0) {
      const std::size_t n = std::min(capacity, Decrypted());
      std::memcpy(buffer, plain_.data() + plainHead_, n);
      plainHead_ += n;
      *received = n;
      return Receive::kData;
    }
    if (serverClosed_ || !DecryptHeld()) return Receive::kClosed;
    if (Decrypted() > 0) continue;
    // A whole record needs more bytes from the socket.
    if (!WaitReadable(0)) return Receive::kNothing;
    char chunk[kReceiveSize];
    const TcpTransfer got = tcp_.Receive(chunk, sizeof chunk);
    switch (got.outcome) {
      case TcpOutcome::kDone: raw_.append(chunk, got.bytes); continue;
      case TcpOutcome::kClosed:  // TCP closed without TLS close
        serverClosed_ = true;
        broken_ = true;
        return Receive::kClosed;
      case TcpOutcome::kTimedOut: return Receive::kNothing;
      case TcpOutcome::kReset: broken_ = true; return Receive::kReset;
      case TcpOutcome::kFailed: break;
    }
    broken_ = true;
    ThrowSocketError(NetFault::kOther, got.reason);
  }
}

bool SchannelStream::WaitReadable(int timeoutMs) {
  return tcp_.Wait(TcpConnection::Ready::kReadable, timeoutMs);
}

void SchannelStream::Send(std::string_view bytes) {
  if (!tcp_.IsOpen()) ThrowSocketError(NetFault::kOther, kNotConnectedText);
  const std::size_t most = sizes_.cbMaximumMessage;
  std::string record;
  for (std::size_t done = 0; done < bytes.size();) {
    const std::size_t size = std::min(most, bytes.size() - done);
    record.assign(sizes_.cbHeader + size + sizes_.cbTrailer, '\0');
    std::memcpy(record.data() + sizes_.cbHeader, bytes.data() + done, size);
    SecBuffer buffers[4] = {
        {sizes_.cbHeader, SECBUFFER_STREAM_HEADER, record.data()},
        {static_cast<unsigned long>(size), SECBUFFER_DATA, record.data() + sizes_.cbHeader},
        {sizes_.cbTrailer, SECBUFFER_STREAM_TRAILER, record.data() + sizes_.cbHeader + size},
        {0, SECBUFFER_EMPTY, nullptr}};
    SecBufferDesc desc{SECBUFFER_VERSION, 4, buffers};
    const SECURITY_STATUS status = EncryptMessage(&context_, 0, &desc, 0);
    if (status != SEC_E_OK) {
      broken_ = true;
      ThrowTlsError(NetFault::kOther, "sikertelen kuldes: " + StatusText(status));
    }
    const TcpTransfer sent = tcp_.Send(std::string_view(
        record.data(), buffers[0].cbBuffer + buffers[1].cbBuffer + buffers[2].cbBuffer));
    if (sent.outcome == TcpOutcome::kTimedOut)
      ThrowSocketError(NetFault::kTimeout, kWriteTimeoutText);
    if (sent.outcome != TcpOutcome::kDone) {
      broken_ = true;
      ThrowSocketError(sent.outcome == TcpOutcome::kReset ? NetFault::kReset : NetFault::kOther,
                       sent.reason);
    }
    done += size;
  }
}

void SchannelStream::Close() noexcept {
  if (haveContext_ && tcp_.IsOpen() && !broken_) {
    // Our TLS close; the server's is not waited for.
    DWORD type = SCHANNEL_SHUTDOWN;
    SecBuffer token{sizeof type, SECBUFFER_TOKEN, &type};
    SecBufferDesc tokenDesc{SECBUFFER_VERSION, 1, &token};
    if (ApplyControlToken(&context_, &tokenDesc) == SEC_E_OK) {
      SecBuffer out{0, SECBUFFER_TOKEN, nullptr};
      SecBufferDesc outDesc{SECBUFFER_VERSION, 1, &out};
      unsigned long granted = 0;
      InitializeSecurityContextW(&credentials_, &context_, nullptr,
                                 ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM, 0, 0, nullptr, 0,
                                 &context_, &outDesc, &granted, nullptr);
      if (out.pvBuffer != nullptr) {
        tcp_.Send(std::string_view(static_cast<const char*>(out.pvBuffer), out.cbBuffer));
        FreeContextBuffer(out.pvBuffer);
      }
    }
  }
  if (haveContext_) DeleteSecurityContext(&context_);
  haveContext_ = false;
  tcp_.Close();
  raw_.clear();
  plain_.clear();
  plainHead_ = 0;
  serverClosed_ = false;
  broken_ = false;
}

}  // namespace

std::unique_ptr<TlsStream> MakeTlsStream(const TlsOptions& options) {
  return std::make_unique<SchannelStream>(options);
}

}  // namespace qv
