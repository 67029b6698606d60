// SSPI statuses of the Schannel stream (tls_schannel.cc) and its
// certificate check (schannel_certificate.cc) as text.
#pragma once

#include <windows.h>
#define SECURITY_WIN32
#include <security.h>

#include <string>

namespace qv {

// The system's message for the status (else Windows' own words for the
// statuses a TLS client meets: Wine has no messages for them) and its
// number in hexadecimal: "... (0x80090325)".
std::string StatusText(SECURITY_STATUS status);

}  // namespace qv
