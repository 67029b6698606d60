#include "download/requests.h"

namespace qv {
namespace {

const char kAgentLine[] = "User-Agent: QVFormat Browser v3.4 include Orm script v3.7";

bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.' || c == '~';
}

}  // namespace

std::string PercentEncode(const std::string& bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (const char ch : bytes) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (Unreserved(c)) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

std::string LoginForm(const std::string& user, const std::string& password) {
  return "login=login&SZLA=" + PercentEncode(user) + "&PSW=" + PercentEncode(password);
}

std::vector<std::string> SiteRequests::SessionCookie() const {
  return {
      "HEAD https://" + host_ + "/ HTTP/1.0",
      "Host: " + host_,
      "Referer: https://" + host_ + "/",
      kAgentLine,
      "",
  };
}

std::vector<std::string> SiteRequests::Login(const std::string& kar,
                                             const std::string& sessionCookie,
                                             const std::string& body) const {
  return {
      "POST https://" + host_ + "/?m=qv&in=karakter.php&karakter=QV" + kar + " HTTP/1.0",
      "Host: " + host_,
      "Referer: https://" + host_ + "/?m=qv",
      kAgentLine,
      "Cookie: " + sessionCookie,
      "Content-type: application/x-www-form-urlencoded",
      "Content-length: " + std::to_string(body.size()),
      "",
      body,
      "",
  };
}

std::vector<std::string> SiteRequests::Turn(const std::string& kar, const std::string& turn,
                                            const std::string& cookies, bool latin2) const {
  return {
      "GET https://" + host_ + "/?m=qv&in=fordulo20.php&karakter=QV" + kar + "&fordulo=" + turn +
          (latin2 ? "&latin2" : "") + " HTTP/1.0",
      "Host: " + host_,
      "Referer: https://" + host_ + "/?m=qv",
      kAgentLine,
      "Cookie: " + cookies,
      "",
  };
}

}  // namespace qv
