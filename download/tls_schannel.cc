// The TLS stream on Windows' own TLS library, Schannel (SSPI, secur32), and
// Winsock. The certificate is checked here, not by Schannel: the chain is
// built against the system's store, or against the certificates of a PEM
// file alone (a chain engine whose exclusive root store holds them), then
// checked for a server with the host's name, as the OpenSSL stream does.
#include <winsock2.h>
#include <ws2tcpip.h>
// after winsock2.h
#include <windows.h>
#include <wincrypt.h>
#define SECURITY_WIN32
#include <schannel.h>
#include <security.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "download/tls_stream.h"
#include "platform/environment.h"
#include "platform/input_file.h"
#include "platform/system_error.h"
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

// A Winsock error in the system's words.
std::string SocketErrorText(int error) { return SystemErrorText(error); }

bool IsNetworkReset(int error) {
  return error == WSAECONNRESET || error == WSAECONNABORTED || error == WSAESHUTDOWN ||
         error == WSAENETRESET;
}

// The words Windows gives the statuses a TLS client meets, for a system
// without its messages (Wine has none for them).
const char* KnownStatusText(SECURITY_STATUS status) {
  switch (status) {
    case SEC_E_INTERNAL_ERROR: return "The Local Security Authority cannot be contacted";
    case SEC_E_INVALID_TOKEN: return "The token supplied to the function is invalid";
    case SEC_E_ILLEGAL_MESSAGE: return "The message received was unexpected or badly formatted";
    case SEC_E_DECRYPT_FAILURE: return "The specified data could not be decrypted";
    case SEC_E_MESSAGE_ALTERED:
      return "The message or signature supplied for verification has been altered";
    case SEC_E_ALGORITHM_MISMATCH:
      return "The client and server cannot communicate, because they do not possess a common "
             "algorithm";
    case SEC_E_UNSUPPORTED_FUNCTION: return "The function requested is not supported";
    case SEC_E_NO_CREDENTIALS: return "No credentials are available in the security package";
    case SEC_E_WRONG_PRINCIPAL: return "The target principal name is incorrect";
    case SEC_E_UNTRUSTED_ROOT:
      return "The certificate chain was issued by an authority that is not trusted";
    case SEC_E_CERT_EXPIRED: return "The received certificate has expired";
    case SEC_E_CONTEXT_EXPIRED: return "The context has expired and can no longer be used";
    case SEC_E_INSUFFICIENT_MEMORY:
      return "Not enough memory is available to complete this request";
    default: return "";
  }
}

// An SSPI status as text: the system's message (else Windows' words for
// it) and its number in hexadecimal.
std::string StatusText(SECURITY_STATUS status) {
  char number[16];
  std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(status));
  std::string text = win32::SystemMessage(static_cast<DWORD>(status));
  if (text.empty()) text = KnownStatusText(status);
  if (text.empty()) return std::string("TLS allapotkod ") + number;
  return text.find(number) == std::string::npos ? text + " (" + number + ")" : text;
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

// The address of a host written as one, in network order; empty for a name.
std::string IpAddressBytes(const std::string& host) {
  in_addr v4;
  in6_addr v6;
  if (inet_pton(AF_INET, host.c_str(), &v4) == 1)
    return std::string(reinterpret_cast<const char*>(&v4), sizeof v4);
  if (inet_pton(AF_INET6, host.c_str(), &v6) == 1)
    return std::string(reinterpret_cast<const char*>(&v6), sizeof v6);
  return "";
}

// Whether the certificate's alternative names hold the address.
bool CertificateHoldsAddress(PCCERT_CONTEXT cert, const std::string& address) {
  const CERT_EXTENSION* extension =
      CertFindExtension(szOID_SUBJECT_ALT_NAME2, cert->pCertInfo->cExtension,
                        cert->pCertInfo->rgExtension);
  if (extension == nullptr) return false;
  CERT_ALT_NAME_INFO* names = nullptr;
  DWORD size = 0;
  if (!CryptDecodeObjectEx(X509_ASN_ENCODING, X509_ALTERNATE_NAME, extension->Value.pbData,
                           extension->Value.cbData, CRYPT_DECODE_ALLOC_FLAG, nullptr, &names,
                           &size))
    return false;
  bool found = false;
  for (DWORD i = 0; i < names->cAltEntry && !found; ++i) {
    const CERT_ALT_NAME_ENTRY& entry = names->rgAltEntry[i];
    found = entry.dwAltNameChoice == CERT_ALT_NAME_IP_ADDRESS &&
            std::string(reinterpret_cast<const char*>(entry.IPAddress.pbData),
                        entry.IPAddress.cbData) == address;
  }
  LocalFree(names);
  return found;
}

// Why a chain or its check failed, in the words OpenSSL uses, and the kind.
struct Refusal {
  NetFault fault;
  std::string reason;
};

Refusal RefusalOf(DWORD code) {
  const HRESULT error = static_cast<HRESULT>(code);
  switch (error) {
    case CERT_E_CN_NO_MATCH: return {NetFault::kNameMismatch, "hostname mismatch"};
    case CERT_E_UNTRUSTEDROOT:
    case CERT_E_CHAINING:
    case TRUST_E_CERT_SIGNATURE:
      return {NetFault::kUntrusted, "unable to get local issuer certificate"};
    case CERT_E_EXPIRED: return {NetFault::kUntrusted, "certificate has expired"};
    case CERT_E_WRONG_USAGE: return {NetFault::kUntrusted, "unsupported certificate purpose"};
    case CERT_E_REVOKED:
    case CRYPT_E_REVOKED: return {NetFault::kUntrusted, "certificate revoked"};
    default: return {NetFault::kUntrusted, StatusText(error)};
  }
}

// The chain's own verdict, read before the policy's: Wine's SSL policy
// passes a chain that ends at no trusted root. Revocation is not asked for,
// as OpenSSL does not ask either.
Refusal RefusalOfChain(DWORD status) {
  if (status & (CERT_TRUST_IS_UNTRUSTED_ROOT | CERT_TRUST_IS_PARTIAL_CHAIN |
                CERT_TRUST_IS_CYCLIC | CERT_TRUST_IS_NOT_SIGNATURE_VALID))
    return {NetFault::kUntrusted, "unable to get local issuer certificate"};
  if (status & CERT_TRUST_IS_NOT_TIME_VALID)
    return {NetFault::kUntrusted, "certificate has expired"};
  if (status & CERT_TRUST_IS_NOT_VALID_FOR_USAGE)
    return {NetFault::kUntrusted, "unsupported certificate purpose"};
  if (status & CERT_TRUST_IS_REVOKED) return {NetFault::kUntrusted, "certificate revoked"};
  return {NetFault::kOther, ""};
}

void StartWinsockOnce() {
  static const int started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data);
  }();
  if (started != 0)
    ThrowSocketError(NetFault::kOther, "a Winsock nem indithato: " + SocketErrorText(started));
}

class SchannelStream : public TlsStream {
 public:
  explicit SchannelStream(const TlsOptions& options);
  ~SchannelStream() override;

  void Connect(const std::string& host, std::uint16_t port, ServerWait& wait) override;
  bool IsOpen() const override { return socket_ != INVALID_SOCKET; }
  Receive ReceiveChunk(char* buffer, std::size_t capacity, std::size_t* received) override;
  bool HoldsReceivedBytes() override { return Decrypted() > 0 || !raw_.empty(); }
  bool HoldsDecryptedBytes() override { return Decrypted() > 0; }
  bool WaitReadable(int timeoutMs) override;
  void Send(std::string_view bytes) override;
  void Close() noexcept override;

 private:
  void LoadTrustedCertificates(const std::string& file);
  void OpenSocket();
  void Handshake(ServerWait& wait);
  void CheckCertificate();
  [[noreturn]] void FailHandshake(NetFault fault, const std::string& detail);
  // Sends all bytes; false with *error set.
  bool SendRaw(const char* bytes, std::size_t size, int* error);
  // Decrypts every whole record in raw_ into plain_; false once the server
  // has sent its TLS close.
  bool DecryptHeld();
  std::size_t Decrypted() const { return plain_.size() - plainHead_; }

  TlsOptions options_;
  std::string host_;
  std::uint16_t port_ = 0;
  HCERTSTORE trusted_ = nullptr;        // the PEM file's certificates, if any
  HCERTCHAINENGINE engine_ = nullptr;   // chains that end only there
  CredHandle credentials_{};
  CtxtHandle context_{};
  bool haveContext_ = false;
  SecPkgContext_StreamSizes sizes_{};
  SOCKET socket_ = INVALID_SOCKET;
  std::string raw_;      // received, not yet decrypted
  std::string plain_;    // decrypted, handed out from plainHead_ on
  std::size_t plainHead_ = 0;
  bool serverClosed_ = false;  // TLS close or end of TCP seen
  bool broken_ = false;        // a fatal TLS or socket error: no orderly shutdown
};

SchannelStream::SchannelStream(const TlsOptions& options) : options_(options) {
  StartWinsockOnce();
  const std::string file =
      options_.caFile.empty() ? EnvironmentText("SSL_CERT_FILE") : options_.caFile;
  if (!file.empty()) LoadTrustedCertificates(file);

  SCHANNEL_CRED settings{};
  settings.dwVersion = SCHANNEL_CRED_VERSION;
  settings.grbitEnabledProtocols = SP_PROT_TLS1_2_CLIENT;  // TLS 1.2 only
  settings.dwFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS;
  const SECURITY_STATUS status = AcquireCredentialsHandleW(
      nullptr, const_cast<wchar_t*>(UNISP_NAME_W), SECPKG_CRED_OUTBOUND, nullptr, &settings,
      nullptr, nullptr, &credentials_, nullptr);
  if (status != SEC_E_OK) {
    if (engine_ != nullptr) CertFreeCertificateChainEngine(engine_);
    if (trusted_ != nullptr) CertCloseStore(trusted_, 0);
    ThrowTlsError(NetFault::kOther, "a TLS nem allithato be: " + StatusText(status));
  }
}

SchannelStream::~SchannelStream() {
  Close();
  FreeCredentialsHandle(&credentials_);
  if (engine_ != nullptr) CertFreeCertificateChainEngine(engine_);
  if (trusted_ != nullptr) CertCloseStore(trusted_, 0);
}

// The certificates of a PEM file, as OpenSSL reads one: every
// "BEGIN CERTIFICATE" block; other blocks (keys, CRLs) are passed over.
void SchannelStream::LoadTrustedCertificates(const std::string& file) {
  const auto fail = [&](const std::string& reason) {
    if (trusted_ != nullptr) CertCloseStore(trusted_, 0);
    trusted_ = nullptr;
    ThrowTlsError(NetFault::kCaFile,
                  "a megbizhato tanusitvanyok nem tolthetok be ('" + file + "'): " + reason);
  };
  std::string pem;
  InputProblem problem;
  if (!ReadRegularFile(file, std::int64_t{16} << 20, &pem, &problem)) fail(problem.reason);
  trusted_ = CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, 0, nullptr);
  if (trusted_ == nullptr) fail(SystemErrorText(LastSystemError()));
  const std::string begin = "-----BEGIN CERTIFICATE-----", end = "-----END CERTIFICATE-----";
  int count = 0;
  for (std::size_t at = pem.find(begin); at != std::string::npos; at = pem.find(begin, at)) {
    const std::size_t stop = pem.find(end, at);
    if (stop == std::string::npos) break;
    const std::string block = pem.substr(at, stop + end.size() - at);
    at = stop + end.size();
    DWORD size = 0;
    if (!CryptStringToBinaryA(block.data(), static_cast<DWORD>(block.size()),
                              CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr, nullptr))
      fail("egy tanusitvany nem ervenyes base64");
    std::string der(size, '\0');
    CryptStringToBinaryA(block.data(), static_cast<DWORD>(block.size()), CRYPT_STRING_BASE64HEADER,
                         reinterpret_cast<BYTE*>(der.data()), &size, nullptr, nullptr);
    if (!CertAddEncodedCertificateToStore(trusted_, X509_ASN_ENCODING,
                                          reinterpret_cast<const BYTE*>(der.data()), size,
                                          CERT_STORE_ADD_ALWAYS, nullptr))
      fail("egy tanusitvany nem olvashato: " + SystemErrorText(LastSystemError()));
    ++count;
  }
  if (count == 0) fail("no certificate or crl found");

  CERT_CHAIN_ENGINE_CONFIG config{};
  config.cbSize = sizeof config;
  config.hExclusiveRoot = trusted_;
  if (!CertCreateCertificateChainEngine(&config, &engine_))
    fail("a tanusitvanylanc nem epitheto: " + SystemErrorText(LastSystemError()));
}

void SchannelStream::Connect(const std::string& host, std::uint16_t port, ServerWait& wait) {
  Close();
  host_ = host;
  port_ = port;
  OpenSocket();
  Handshake(wait);
  CheckCertificate();
  const SECURITY_STATUS status =
      QueryContextAttributesW(&context_, SECPKG_ATTR_STREAM_SIZES, &sizes_);
  if (status != SEC_E_OK) FailHandshake(NetFault::kHandshake, StatusText(status));
}

void SchannelStream::OpenSocket() {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfo* addresses = nullptr;
  const std::string service = std::to_string(port_);
  const int rc = getaddrinfo(host_.c_str(), service.c_str(), &hints, &addresses);
  if (rc != 0)
    throw NetError(NetFault::kResolve, error_kind::kNetwork,
                   "a gepnev nem oldhato fel (" + host_ + "): " + SocketErrorText(rc));

  const DWORD limit = static_cast<DWORD>(options_.socketTimeoutMs);
  int lastError = 0;
  for (addrinfo* a = addresses; a != nullptr && socket_ == INVALID_SOCKET; a = a->ai_next) {
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
      socket_ = s;
    } else {
      lastError = WSAGetLastError();
      closesocket(s);
    }
  }
  freeaddrinfo(addresses);
  if (socket_ == INVALID_SOCKET)
    throw NetError(NetFault::kConnect, error_kind::kNetwork,
                   "nem sikerult kapcsolodni (" + host_ + ", " + service +
                       ". port): " + SocketErrorText(lastError));
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
      const int n = recv(socket_, chunk, sizeof chunk, 0);
      if (n == 0) FailHandshake(NetFault::kHandshake, kServerEndedText);
      if (n < 0) {
        const int error = WSAGetLastError();
        FailHandshake(NetFault::kHandshake,
                      error == WSAETIMEDOUT ? std::string(kNoAnswerText) : SocketErrorText(error));
      }
      raw_.append(chunk, static_cast<std::size_t>(n));
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
      int error = 0;
      const bool sent = out[0].cbBuffer == 0 ||
                        SendRaw(static_cast<const char*>(out[0].pvBuffer), out[0].cbBuffer, &error);
      FreeContextBuffer(out[0].pvBuffer);
      if (!sent && status == SEC_I_CONTINUE_NEEDED)
        FailHandshake(NetFault::kHandshake, SocketErrorText(error));
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

  CERT_CHAIN_PARA para{};
  para.cbSize = sizeof para;
  char serverAuth[] = szOID_PKIX_KP_SERVER_AUTH;
  char* usages[] = {serverAuth};
  para.RequestedUsage.dwType = USAGE_MATCH_TYPE_AND;
  para.RequestedUsage.Usage.cUsageIdentifier = 1;
  para.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
  PCCERT_CHAIN_CONTEXT chain = nullptr;
  // The server's own intermediates come in the certificate's store.
  const bool built =
      CertGetCertificateChain(engine_, cert, nullptr, cert->hCertStore, &para, 0, nullptr, &chain);
  DWORD error = built ? 0 : GetLastError();
  Refusal refusal{};
  if (built) refusal = RefusalOfChain(chain->TrustStatus.dwErrorStatus);
  const std::string address = IpAddressBytes(host_);
  std::wstring name = win32::Wide(host_);
  if (built && refusal.reason.empty()) {
    SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl{};
    ssl.cbSize = sizeof ssl;
    ssl.dwAuthType = AUTHTYPE_SERVER;
    ssl.pwszServerName = address.empty() ? name.data() : nullptr;  // an address: below
    CERT_CHAIN_POLICY_PARA policy{};
    policy.cbSize = sizeof policy;
    policy.pvExtraPolicyPara = &ssl;
    CERT_CHAIN_POLICY_STATUS result{};
    result.cbSize = sizeof result;
    if (!CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain, &policy, &result))
      error = GetLastError();
    else
      error = result.dwError;
  }
  if (built) CertFreeCertificateChain(chain);
  if (refusal.reason.empty() && error != 0)
    refusal = RefusalOf(error);
  else if (refusal.reason.empty() && !address.empty() && !CertificateHoldsAddress(cert, address))
    refusal = {NetFault::kNameMismatch, "IP address mismatch"};
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

bool SchannelStream::SendRaw(const char* bytes, std::size_t size, int* error) {
  while (size > 0) {
    const int n = send(socket_, bytes, static_cast<int>(std::min<std::size_t>(size, 1 << 30)), 0);
    if (n <= 0) {
      *error = WSAGetLastError();
      return false;
    }
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
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
    const int n = recv(socket_, chunk, sizeof chunk, 0);
    if (n > 0) {
      raw_.append(chunk, static_cast<std::size_t>(n));
      continue;
    }
    if (n == 0) {  // TCP closed without TLS close
      serverClosed_ = true;
      broken_ = true;
      return Receive::kClosed;
    }
    const int error = WSAGetLastError();
    if (error == WSAETIMEDOUT || error == WSAEWOULDBLOCK) return Receive::kNothing;
    broken_ = true;
    if (IsNetworkReset(error)) return Receive::kReset;
    ThrowSocketError(NetFault::kOther, SocketErrorText(error));
  }
}

bool SchannelStream::WaitReadable(int timeoutMs) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(socket_, &readable);
  timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  return select(0, &readable, nullptr, nullptr, &limit) != 0;  // an error: the next read says it
}

void SchannelStream::Send(std::string_view bytes) {
  if (socket_ == INVALID_SOCKET) ThrowSocketError(NetFault::kOther, kNotConnectedText);
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
    int error = 0;
    if (!SendRaw(record.data(), buffers[0].cbBuffer + buffers[1].cbBuffer + buffers[2].cbBuffer,
                 &error)) {
      if (error == WSAETIMEDOUT) ThrowSocketError(NetFault::kTimeout, kWriteTimeoutText);
      broken_ = true;
      ThrowSocketError(IsNetworkReset(error) ? NetFault::kReset : NetFault::kOther,
                       SocketErrorText(error));
    }
    done += size;
  }
}

void SchannelStream::Close() noexcept {
  if (haveContext_ && socket_ != INVALID_SOCKET && !broken_) {
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
        int error = 0;
        SendRaw(static_cast<const char*>(out.pvBuffer), out.cbBuffer, &error);
        FreeContextBuffer(out.pvBuffer);
      }
    }
  }
  if (haveContext_) DeleteSecurityContext(&context_);
  haveContext_ = false;
  if (socket_ != INVALID_SOCKET) closesocket(socket_);
  socket_ = INVALID_SOCKET;
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
