// The HTTP/1.0 requests of a turn download, line by line as they are
// written (the last line of each is the empty one that ends it).
#pragma once

#include <string>
#include <vector>

namespace qv {

// Percent-encoding of form values: every byte but A-Z, a-z, 0-9, "-", "_",
// "." and "~" becomes "%" and two upper-case hexadecimal digits.
std::string PercentEncode(const std::string& bytes);

// The login form body with both values percent-encoded (Windows-1250 bytes).
std::string LoginForm(const std::string& user, const std::string& password);

class SiteRequests {
 public:
  explicit SiteRequests(std::string host) : host_(std::move(host)) {}

  // Connection 1: asks for a session cookie.
  std::vector<std::string> SessionCookie() const;
  // Connection 2: the login, for character kar; the body and the two line
  // ends behind it are sent, "Content-length" counts the body alone.
  std::vector<std::string> Login(const std::string& kar, const std::string& sessionCookie,
                                 const std::string& body) const;
  // Connections 3 (latin2: the report in Latin-2) and 4 (the site's own
  // rendering).
  std::vector<std::string> Turn(const std::string& kar, const std::string& turn,
                                const std::string& cookies, bool latin2) const;

 private:
  std::string host_;
};

}  // namespace qv
