// The download tests' TLS server for the Windows tests, which run under
// Wine: the same OpenSSL server as on POSIX systems, as a native program of
// the build host (posix/tls_test_server_main.cc, built beside the tests),
// started through Wine and spoken to through files in a folder. The client
// under test is the Windows one alone.
#include <winsock2.h>
// after winsock2.h
#include <windows.h>

#include <sstream>
#include <stdexcept>

#include "tests/download/download_test_server.h"
#include "tests/support/hex_words.h"
#include "tests/support/scratch_dir.h"

namespace qv::test {
namespace {

// Wine's own calls between its file names and the host's.
using ToUnix = char*(CDECL*)(const wchar_t*);
using ToDos = wchar_t*(CDECL*)(const char*);

void* WineCall(const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), name));
}

std::string UnixName(const std::string& windowsName) {
  const auto toUnix = reinterpret_cast<ToUnix>(WineCall("wine_get_unix_file_name"));
  if (toUnix == nullptr) throw std::runtime_error("the test server needs Wine");
  const std::wstring wide(windowsName.begin(), windowsName.end());
  char* name = toUnix(wide.c_str());
  if (name == nullptr) throw std::runtime_error("no host name for " + windowsName);
  std::string result = name;
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

std::wstring DosName(const std::string& unixName) {
  const auto toDos = reinterpret_cast<ToDos>(WineCall("wine_get_dos_file_name"));
  if (toDos == nullptr) throw std::runtime_error("the test server needs Wine");
  wchar_t* name = toDos(unixName.c_str());
  if (name == nullptr) throw std::runtime_error("no Windows name for " + unixName);
  std::wstring result = name;
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

// Starts the native server program on the host folder `dir`. Wine gives
// no handle to wait for a host program by: it says it is done through files.
void StartServerProgram(const std::string& mode, const std::string& dir) {
  std::wstring commandLine = L"\"" + DosName(QV_NATIVE_TLS_SERVER) + L"\" " +
                             std::wstring(mode.begin(), mode.end()) + L" " +
                             std::wstring(dir.begin(), dir.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    throw std::runtime_error("cannot start the test server program");
}

// The text of a file of `dir` once the server program has written it (it
// writes each whole at once); empty after a minute without it.
std::string AwaitFile(const TempDir& dir, const std::string& name) {
  for (int i = 0; i < 3000; ++i) {
    const std::string text = dir.Read(name);
    if (!text.empty()) return text;
    Sleep(20);
  }
  return "";
}

}  // namespace

const TestCertificates& Certificates() {
  static TempDir dir;
  static const TestCertificates certificates = [] {
    TestCertificates c;
    StartServerProgram("certificates", UnixName(dir.path()));
    c.ok = AwaitFile(dir, "done.txt") == "ok";
    const std::string d = dir.path() + "\\";
    c.caFile = d + "ca.pem";
    c.otherCaFile = d + "other.pem";
    c.certFile = d + "server.pem";
    c.keyFile = d + "server.key";
    c.elsewhereCertFile = d + "elsewhere.pem";
    c.elsewhereKeyFile = d + "elsewhere.key";
    return c;
  }();
  return certificates;
}

ScriptedReply Reply(std::string response) {
  ScriptedReply r;
  r.chunks.push_back(std::move(response));
  return r;
}

struct TlsTestServer::Impl {
  TempDir dir;
  std::vector<Seen> seen;
  bool finished = false;
};

TlsTestServer::TlsTestServer(std::vector<ScriptedReply> replies)
    : TlsTestServer(std::move(replies), Options{}) {}

TlsTestServer::TlsTestServer(std::vector<ScriptedReply> replies, Options options)
    : impl_(std::make_unique<Impl>()) {
  if (options.certFile.empty()) {
    options.certFile = Certificates().certFile;
    options.keyFile = Certificates().keyFile;
  }
  std::ostringstream script;
  script << "cert " << UnixName(options.certFile) << "\nkey " << UnixName(options.keyFile)
         << "\nmin " << options.minVersion << "\nmax " << options.maxVersion << "\nask "
         << options.askForCertificate << '\n';
  for (const ScriptedReply& r : replies) {
    script << "reply " << r.waitForRequest << ' ' << r.pauseMs << ' ' << r.stallMs << ' '
           << r.closeNotify << ' ' << r.hangUp << ' ' << r.halfRecord << ' ' << r.reset << ' '
           << r.handshakeByteMs << ' ' << r.alert << ' ' << HexWord(r.junk) << '\n';
    for (const std::string& chunk : r.chunks) script << "chunk " << HexWord(chunk) << '\n';
  }
  impl_->dir.Write("script.txt", script.str());
  StartServerProgram("serve", UnixName(impl_->dir.path()));
  const std::string port = AwaitFile(impl_->dir, "port.txt");
  if (port.empty()) throw std::runtime_error("the test server program did not start");
  port_ = static_cast<std::uint16_t>(std::stoi(port));
}

TlsTestServer::~TlsTestServer() { Finish(); }

void TlsTestServer::Finish() {
  if (impl_->finished) return;
  impl_->finished = true;
  impl_->dir.Write("finish", "");
  std::istringstream lines(AwaitFile(impl_->dir, "seen.txt"));
  std::string word;
  while (lines >> word && word == "seen") {
    Seen s;
    std::string name, request;
    lines >> s.handshakeDone >> s.version >> name >> request;
    s.serverName = FromHexWord(name);
    s.request = FromHexWord(request);
    impl_->seen.push_back(s);
  }
}

std::vector<TlsTestServer::Seen> TlsTestServer::Connections() {
  Finish();
  return impl_->seen;
}

std::uint16_t UnusedPort() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  const SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof a;
  bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &size);
  closesocket(s);
  return ntohs(a.sin_port);
}

}  // namespace qv::test
