// The OpenSSL functions the download uses, loaded with libssl the first time
// a download connects: a run that only converts never loads the library.
#pragma once

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

namespace qv {

struct OpenSslApi {
  // The functions, loaded once per process; throws qv::Error (error_kind::kTls)
  // when libssl cannot be loaded or lacks one of them.
  static const OpenSslApi& Get();

  decltype(&::TLS_client_method) TLS_client_method;
  decltype(&::SSL_CTX_new) SSL_CTX_new;
  decltype(&::SSL_CTX_free) SSL_CTX_free;
  decltype(&::SSL_CTX_ctrl) SSL_CTX_ctrl;
  decltype(&::SSL_CTX_set_options) SSL_CTX_set_options;
  decltype(&::SSL_CTX_set_verify) SSL_CTX_set_verify;
  decltype(&::SSL_CTX_set_default_verify_paths) SSL_CTX_set_default_verify_paths;
  decltype(&::SSL_CTX_load_verify_locations) SSL_CTX_load_verify_locations;
  decltype(&::SSL_new) SSL_new;
  decltype(&::SSL_free) SSL_free;
  decltype(&::SSL_ctrl) SSL_ctrl;
  decltype(&::SSL_set_fd) SSL_set_fd;
  decltype(&::SSL_get0_param) SSL_get0_param;
  decltype(&::SSL_set_hostflags) SSL_set_hostflags;
  decltype(&::SSL_set1_host) SSL_set1_host;
  decltype(&::SSL_connect) SSL_connect;
  decltype(&::SSL_get_error) SSL_get_error;
  decltype(&::SSL_get_verify_result) SSL_get_verify_result;
  decltype(&::SSL_read) SSL_read;
  decltype(&::SSL_write) SSL_write;
  decltype(&::SSL_pending) SSL_pending;
  decltype(&::SSL_has_pending) SSL_has_pending;
  decltype(&::SSL_shutdown) SSL_shutdown;
  decltype(&::X509_VERIFY_PARAM_set1_ip_asc) X509_VERIFY_PARAM_set1_ip_asc;
  decltype(&::X509_verify_cert_error_string) X509_verify_cert_error_string;
  decltype(&::ERR_peek_last_error) ERR_peek_last_error;
  decltype(&::ERR_reason_error_string) ERR_reason_error_string;
  decltype(&::ERR_clear_error) ERR_clear_error;
};

}  // namespace qv
