#include "download/openssl_api.h"

#include "platform/error.h"
#include "platform/shared_library.h"

namespace qv {
namespace {

// The library of Debian 12's libssl3 package; libcrypto comes with it.
constexpr const char* kLibrary = "libssl.so.3";

OpenSslApi Load() {
  const SharedLibrary ssl = SharedLibrary::Load(kLibrary, error_kind::kTls);
  OpenSslApi api;
#define QV_BIND(name) ssl.Bind(#name, api.name)
  QV_BIND(TLS_client_method);
  QV_BIND(SSL_CTX_new);
  QV_BIND(SSL_CTX_free);
  QV_BIND(SSL_CTX_ctrl);
  QV_BIND(SSL_CTX_set_options);
  QV_BIND(SSL_CTX_set_verify);
  QV_BIND(SSL_CTX_set_default_verify_paths);
  QV_BIND(SSL_CTX_load_verify_locations);
  QV_BIND(SSL_new);
  QV_BIND(SSL_free);
  QV_BIND(SSL_ctrl);
  QV_BIND(SSL_set_fd);
  QV_BIND(SSL_get0_param);
  QV_BIND(SSL_set_hostflags);
  QV_BIND(SSL_set1_host);
  QV_BIND(SSL_connect);
  QV_BIND(SSL_get_error);
  QV_BIND(SSL_get_verify_result);
  QV_BIND(SSL_read);
  QV_BIND(SSL_write);
  QV_BIND(SSL_pending);
  QV_BIND(SSL_has_pending);
  QV_BIND(SSL_shutdown);
  QV_BIND(X509_VERIFY_PARAM_set1_ip_asc);
  QV_BIND(X509_verify_cert_error_string);
  QV_BIND(ERR_peek_last_error);
  QV_BIND(ERR_reason_error_string);
  QV_BIND(ERR_clear_error);
#undef QV_BIND
  return api;
}

}  // namespace

const OpenSslApi& OpenSslApi::Get() {
  // Loaded by the first caller; a failed load throws and is tried again by
  // the next one.
  static const OpenSslApi api = Load();
  return api;
}

}  // namespace qv
