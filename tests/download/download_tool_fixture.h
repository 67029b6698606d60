// The built tool downloading from the local TLS test server, as a player
// runs it with QVFORMAT_HOST, QVFORMAT_PORT and SSL_CERT_FILE: the site's
// answers and the fixture the download tool tests share
// (download_tool_test.cc; what POSIX systems alone can do in
// posix/download_tool_test.cc).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "tests/download/download_test_server.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/tool_run.h"

namespace qv::test {

inline const std::string kSession =
    "HTTP/1.0 200 OK\r\nSet-Cookie: GAZEHALL_SESSIONID=s1; path=/\r\n\r\n";
inline const std::string kLogin =
    "HTTP/1.0 200 OK\r\n"
    "Set-Cookie: GAZPSW=p1; path=/\r\n"
    "Set-Cookie: GAZUSER=u1; path=/\r\n"
    "\r\n"
    "<a href=\"?m=qv&in=billent2.php&karakter=QV1234&fordulo=57&nyilvanos=1\">57.</a>\r\n";
inline const std::string kTurn =
    "HTTP/1.0 200 OK\r\n\r\n"
    "<html>\r\n<head>\r\n<title>Jelentes</title>\r\n</head>\r\n<body>\r\n"
    "<TABLE><TR><td>menu</td></TR></TABLE>\r\n"
    "<p>Fordulo</p>\r\n</body>\r\n</html>\r\n";
inline const std::string kStored =
    "<html>\r\n<head>\r\n<title>Jelentes</title>\r\n</head>\r\n<body>\r\n\n"
    "<p>Fordulo</p>\r\n</body>\r\n</html>";
inline const std::string kOnline = "HTTP/1.0 200 OK\r\n\r\n<html>online</html>";

class DownloadTool : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Certificates().ok) << "the openssl tool failed"; }

  // The environment of a download from the test server on `port`.
  std::vector<std::string> Environment(std::uint16_t port, const std::string& caFile) const {
    std::vector<std::string> env = ToolEnvironment(dir_.path() + ".no-user-files");
    env.push_back("QVFORMAT_HOST=localhost");
    env.push_back("QVFORMAT_PORT=" + std::to_string(port));
    env.push_back("SSL_CERT_FILE=" + caFile);
    return env;
  }

  ProgramResult Run(const std::vector<std::string>& args, std::uint16_t port,
                    const std::string& caFile, const std::string& program = QV_TOOL_PATH,
                    const std::vector<std::string>& moreEnv = {}) {
    std::vector<std::string> env = Environment(port, caFile);
    env.insert(env.end(), moreEnv.begin(), moreEnv.end());
    ProgramResult r = RunProgram(program, args, env, dir_.path(), 60000);
    // The clock is not part of what is checked.
    r.out = std::regex_replace(r.out, std::regex("ideje: [^\r]*"), "ideje: TIME");
    return r;
  }

  TempDir dir_;
};

// The login body the server got on the second connection.
inline std::string LoginBody(TlsTestServer& server) {
  const auto seen = server.Connections();
  if (seen.size() < 2) return "";
  const std::string& request = seen[1].request;
  return request.substr(request.find("\r\n\r\n") + 4);
}

}  // namespace qv::test
