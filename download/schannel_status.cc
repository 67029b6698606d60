#include "download/schannel_status.h"

#include <cstdio>

#include "platform/win32/wide.h"

namespace qv {
namespace {

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

}  // namespace

std::string StatusText(SECURITY_STATUS status) {
  char number[16];
  std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(status));
  std::string text = win32::SystemMessage(static_cast<DWORD>(status));
  if (text.empty()) text = KnownStatusText(status);
  if (text.empty()) return std::string("TLS allapotkod ") + number;
  return text.find(number) == std::string::npos ? text + " (" + number + ")" : text;
}

}  // namespace qv
