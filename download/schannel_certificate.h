// The server certificate check of the Schannel stream (tls_schannel.cc),
// made here, not by Schannel: the chain is built against the system's
// store, or against the certificates of a PEM file alone (a chain engine
// whose exclusive root store holds them), then checked for a server with
// the host's name, as the OpenSSL stream does.
#pragma once

#include <windows.h>
#include <wincrypt.h>

#include <string>

#include "download/tls_stream.h"

namespace qv {

// Why a certificate is refused, in the words OpenSSL uses; an empty reason:
// accepted.
struct CertificateRefusal {
  NetFault fault = NetFault::kOther;
  std::string reason;
};

class SchannelTrust {
 public:
  // The system's store when pemFile is empty; else every "BEGIN
  // CERTIFICATE" block of the file (other blocks, keys or CRLs, are passed
  // over, as OpenSSL does), in the store's place. Throws NetError (kTls,
  // kCaFile) when the file cannot be read or holds no certificate.
  explicit SchannelTrust(const std::string& pemFile);
  ~SchannelTrust();
  SchannelTrust(const SchannelTrust&) = delete;
  SchannelTrust& operator=(const SchannelTrust&) = delete;

  // The server's certificate (its store brings the server's intermediates)
  // for the host, a name or an address. Revocation is not asked for, as
  // OpenSSL does not ask either.
  CertificateRefusal Check(PCCERT_CONTEXT certificate, const std::string& host) const;

 private:
  void Load(const std::string& file);
  void Free() noexcept;

  HCERTSTORE trusted_ = nullptr;       // the PEM file's certificates, if any
  HCERTCHAINENGINE engine_ = nullptr;  // chains that end only there
};

}  // namespace qv
