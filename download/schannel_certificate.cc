#include "download/schannel_certificate.h"

#include "download/schannel_status.h"
#include "platform/input_file.h"
#include "platform/system_error.h"
#include "platform/tcp_connection.h"
#include "platform/win32/wide.h"

namespace qv {
namespace {

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

// Why a chain or its check failed, and the kind.
CertificateRefusal RefusalOf(DWORD code) {
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
// passes a chain that ends at no trusted root.
CertificateRefusal RefusalOfChain(DWORD status) {
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

}  // namespace

SchannelTrust::SchannelTrust(const std::string& pemFile) {
  if (!pemFile.empty()) Load(pemFile);
}

SchannelTrust::~SchannelTrust() { Free(); }

void SchannelTrust::Free() noexcept {
  if (engine_ != nullptr) CertFreeCertificateChainEngine(engine_);
  if (trusted_ != nullptr) CertCloseStore(trusted_, 0);
  engine_ = nullptr;
  trusted_ = nullptr;
}

void SchannelTrust::Load(const std::string& file) {
  const auto fail = [&](const std::string& reason) {
    Free();
    throw NetError(NetFault::kCaFile, error_kind::kTls,
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

CertificateRefusal SchannelTrust::Check(PCCERT_CONTEXT cert, const std::string& host) const {
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
  CertificateRefusal refusal{};
  if (built) refusal = RefusalOfChain(chain->TrustStatus.dwErrorStatus);
  const std::string address = IpAddressBytes(host);
  std::wstring name = win32::Wide(host);
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
  return refusal;
}

}  // namespace qv
