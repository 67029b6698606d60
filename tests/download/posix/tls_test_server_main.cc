// qv_tls_test_server: the download tests' TLS server as a program of its
// own, for the Windows tests run under Wine (win32/download_test_server.cc
// starts it). It talks through files in a folder:
//
//   qv_tls_test_server certificates DIR   makes the test certificates in DIR,
//       then DIR/done.txt ("ok" or "failed")
//   qv_tls_test_server serve DIR          serves DIR/script.txt; writes
//       DIR/port.txt once it listens, waits for DIR/finish, then writes
//       what each connection saw to DIR/seen.txt and ends.
//
// script.txt: "cert PATH", "key PATH", "min N", "max N", "ask N", then per
// reply "reply WAIT PAUSE STALL CLOSENOTIFY HANGUP HALFRECORD RESET
// HANDSHAKEBYTEMS ALERT HEX(junk)" and one "chunk HEX" per chunk.
// seen.txt: per connection "seen DONE VERSION HEX(servername) HEX(request)"
// ("-" for an empty text), then "end".
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "tests/download/download_test_server.h"
#include "tests/support/hex_words.h"

namespace {

using qv::test::ScriptedReply;
using qv::test::TlsTestServer;
using qv::test::FromHexWord;
using qv::test::HexWord;

// Written under another name first, so that a reader never sees half of it.
void WriteWhole(const std::filesystem::path& path, const std::string& text) {
  const std::filesystem::path part = path.string() + ".part";
  std::ofstream(part, std::ios::binary) << text;
  std::filesystem::rename(part, path);
}

int Certificates(const std::filesystem::path& dir) {
  const bool ok = qv::test::MakeCertificates(dir, qv::test::TestKeys::kRsa).ok;
  WriteWhole(dir / "done.txt", ok ? "ok" : "failed");
  return ok ? 0 : 1;
}

int Serve(const std::filesystem::path& dir) {
  std::ifstream script(dir / "script.txt");
  TlsTestServer::Options options;
  std::vector<ScriptedReply> replies;
  std::string word;
  while (script >> word) {
    if (word == "cert") script >> options.certFile;
    if (word == "key") script >> options.keyFile;
    if (word == "min") script >> options.minVersion;
    if (word == "max") script >> options.maxVersion;
    if (word == "ask") script >> options.askForCertificate;
    if (word == "reply") {
      ScriptedReply r;
      std::string junk;
      script >> r.waitForRequest >> r.pauseMs >> r.stallMs >> r.closeNotify >> r.hangUp >>
          r.halfRecord >> r.reset >> r.handshakeByteMs >> r.alert >> junk;
      r.junk = FromHexWord(junk);
      replies.push_back(r);
    }
    if (word == "chunk") {
      std::string hex;
      script >> hex;
      replies.back().chunks.push_back(FromHexWord(hex));
    }
  }
  TlsTestServer server(replies, options);
  WriteWhole(dir / "port.txt", std::to_string(server.port()));
  // The test ends the server; one that never does is not waited for long.
  for (int i = 0; i < 30000 && !std::filesystem::exists(dir / "finish"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::ostringstream seen;
  for (const TlsTestServer::Seen& s : server.Connections())
    seen << "seen " << s.handshakeDone << ' ' << s.version << ' ' << HexWord(s.serverName) << ' '
         << HexWord(s.request) << '\n';
  seen << "end\n";  // never an empty file
  WriteWhole(dir / "seen.txt", seen.str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  // Started by Wine, the program gets the Windows side's PATH; the openssl
  // tool is looked for where Debian keeps it.
  setenv("PATH", "/usr/local/bin:/usr/bin:/bin", 1);
  const std::string mode = argv[1];
  if (mode == "certificates") return Certificates(argv[2]);
  if (mode == "serve") return Serve(argv[2]);
  return 2;
}
