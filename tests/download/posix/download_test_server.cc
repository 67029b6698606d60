#include "tests/download/download_test_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "tests/support/scratch_dir.h"

namespace qv::test {
namespace {

bool Run(const std::string& dir, const std::string& command) {
  return std::system(("cd '" + dir + "' && " + command + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

// A self-signed authority and, for each name, a server certificate it signs.
TestCertificates MakeCertificates(const std::string& dir, TestKeys keys) {
  TestCertificates c;
  const std::string ec = keys == TestKeys::kRsa
                             ? "-newkey rsa:2048 -nodes"
                             : "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";
  const std::string caExt =
      "-addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign";
  bool ok = Run(dir, "openssl req -x509 " + ec + " -keyout ca.key -out ca.pem -days 2 " +
                         "-subj '/CN=qvformat test CA' " + caExt) &&
            Run(dir, "openssl req -x509 " + ec + " -keyout other.key -out other.pem -days 2 " +
                         "-subj '/CN=qvformat other CA' " + caExt);
  for (const std::string name : {"server", "elsewhere"}) {
    const std::string san =
        name == "server" ? "DNS:localhost,IP:127.0.0.1" : "DNS:elsewhere.invalid";
    std::ofstream(dir + "/" + name + ".ext")
        << "subjectAltName=" << san << "\nbasicConstraints=CA:FALSE\n"
        << "keyUsage=digitalSignature\nextendedKeyUsage=serverAuth\n";
    ok = ok &&
         Run(dir, "openssl req " + ec + " -keyout " + name + ".key -out " + name +
                      ".csr -subj /CN=" + name) &&
         Run(dir, "openssl x509 -req -in " + name + ".csr -CA ca.pem -CAkey ca.key " +
                      "-CAcreateserial -days 2 -out " + name + ".pem -extfile " + name + ".ext");
  }
  c.ok = ok;
  c.caFile = dir + "/ca.pem";
  c.otherCaFile = dir + "/other.pem";
  c.certFile = dir + "/server.pem";
  c.keyFile = dir + "/server.key";
  c.elsewhereCertFile = dir + "/elsewhere.pem";
  c.elsewhereKeyFile = dir + "/elsewhere.key";
  return c;
}

namespace {

bool RequestComplete(const std::string& got) {
  const std::size_t end = got.find("\r\n\r\n");
  if (end == std::string::npos) return false;
  std::string head = got.substr(0, end);
  for (char& ch : head) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  const std::size_t length = head.find("content-length:");
  if (length == std::string::npos) return true;
  const std::size_t body = std::strtoul(head.c_str() + length + 15, nullptr, 10);
  return got.size() >= end + 4 + body;
}

// A write BIO that sends each byte on its own, ms apart, until the wake
// pipe says stop: a server whose handshake trickles in.
struct Trickle {
  int fd;
  int ms;
  int stop;
  bool started = false;
};

int TrickleWrite(BIO* bio, const char* data, int size) {
  Trickle& t = *static_cast<Trickle*>(BIO_get_data(bio));
  for (int i = 0; i < size; ++i) {
    if (t.started) {
      pollfd p{t.stop, POLLIN, 0};
      if (poll(&p, 1, t.ms) != 0) return i > 0 ? i : -1;
    }
    t.started = true;
    if (send(t.fd, data + i, 1, MSG_NOSIGNAL) != 1) return i > 0 ? i : -1;
  }
  return size;
}

long TrickleControl(BIO*, int command, long, void*) { return command == BIO_CTRL_FLUSH ? 1 : 0; }

BIO* TrickleBio(Trickle* t) {
  static BIO_METHOD* method = [] {
    BIO_METHOD* m = BIO_meth_new(BIO_get_new_index() | BIO_TYPE_SOURCE_SINK, "trickle");
    BIO_meth_set_write(m, TrickleWrite);
    BIO_meth_set_ctrl(m, TrickleControl);
    return m;
  }();
  BIO* bio = BIO_new(method);
  BIO_set_data(bio, t);
  BIO_set_init(bio, 1);
  return bio;
}

// An application data record the client's keys never made: the server,
// given it as if from the client, answers with a fatal alert.
const std::string kForgedRecord = "\x17\x03\x03\x00\x20" + std::string(32, 'x');

}  // namespace

const TestCertificates& Certificates() {
  static TempDir dir;
  static const TestCertificates certificates = MakeCertificates(dir.path(), TestKeys::kEc);
  return certificates;
}

ScriptedReply Reply(std::string response) {
  ScriptedReply r;
  r.chunks.push_back(std::move(response));
  return r;
}

struct TlsTestServer::Impl {
  void Serve();
  void ServeOne(int fd, const ScriptedReply& reply);
  // 1 when fd is readable within ms, 0 on time-out, -1 when told to stop.
  int WaitFor(int fd, int ms);

  std::vector<ScriptedReply> replies;
  SSL_CTX* ctx = nullptr;
  int listenFd = -1;
  int wake[2] = {-1, -1};
  std::thread thread;
  std::mutex mutex;
  std::vector<Seen> connections;
  bool finished = false;
};

TlsTestServer::TlsTestServer(std::vector<ScriptedReply> replies)
    : TlsTestServer(std::move(replies), Options{}) {}

TlsTestServer::TlsTestServer(std::vector<ScriptedReply> replies, Options options)
    : impl_(std::make_unique<Impl>()) {
  Impl& s = *impl_;
  s.replies = std::move(replies);
  if (options.certFile.empty()) {
    options.certFile = Certificates().certFile;
    options.keyFile = Certificates().keyFile;
  }
  s.ctx = SSL_CTX_new(TLS_server_method());
  if (s.ctx == nullptr || SSL_CTX_use_certificate_chain_file(s.ctx, options.certFile.c_str()) != 1 ||
      SSL_CTX_use_PrivateKey_file(s.ctx, options.keyFile.c_str(), SSL_FILETYPE_PEM) != 1)
    throw std::runtime_error("test server: cannot load " + options.certFile);
  if (options.minVersion != 0) SSL_CTX_set_min_proto_version(s.ctx, options.minVersion);
  if (options.maxVersion != 0) SSL_CTX_set_max_proto_version(s.ctx, options.maxVersion);
  if (options.askForCertificate)
    SSL_CTX_set_verify(s.ctx, SSL_VERIFY_PEER, [](int, X509_STORE_CTX*) { return 1; });

  s.listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t size = sizeof address;
  if (bind(s.listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(s.listenFd, 8) != 0 ||
      getsockname(s.listenFd, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
      pipe2(s.wake, O_CLOEXEC) != 0)
    throw std::runtime_error("test server: cannot listen");
  port_ = ntohs(address.sin_port);
  s.thread = std::thread(&Impl::Serve, &s);
}

TlsTestServer::~TlsTestServer() {
  Finish();
  close(impl_->listenFd);
  close(impl_->wake[0]);
  close(impl_->wake[1]);
  SSL_CTX_free(impl_->ctx);
}

void TlsTestServer::Finish() {
  if (impl_->finished) return;
  impl_->finished = true;
  const char stop = 1;
  (void)!write(impl_->wake[1], &stop, 1);
  impl_->thread.join();
}

std::vector<TlsTestServer::Seen> TlsTestServer::Connections() {
  Finish();
  std::lock_guard<std::mutex> lock(impl_->mutex);
  return impl_->connections;
}

int TlsTestServer::Impl::WaitFor(int fd, int ms) {
  pollfd p[2] = {{fd, POLLIN, 0}, {wake[0], POLLIN, 0}};
  if (poll(p, 2, ms) <= 0) return 0;
  if (p[0].revents != 0) return 1;
  return -1;
}

void TlsTestServer::Impl::Serve() {
  // A client that hangs up early makes our writes fail with EPIPE; the
  // signal stays blocked in this thread only.
  sigset_t pipe;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, nullptr);

  for (const ScriptedReply& reply : replies) {
    if (WaitFor(listenFd, 20000) != 1) return;
    const int fd = accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) return;
    const timeval limit{10, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    ServeOne(fd, reply);
    close(fd);
  }
}

void TlsTestServer::Impl::ServeOne(int fd, const ScriptedReply& reply) {
  Seen seen;
  SSL* ssl = SSL_new(ctx);
  Trickle trickle{fd, reply.handshakeByteMs, wake[0]};
  if (reply.handshakeByteMs > 0)
    SSL_set_bio(ssl, BIO_new_socket(fd, BIO_NOCLOSE), TrickleBio(&trickle));
  else
    SSL_set_fd(ssl, fd);
  const auto record = [&] {
    std::lock_guard<std::mutex> lock(mutex);
    connections.push_back(seen);
  };
  if (SSL_accept(ssl) != 1) {
    ERR_clear_error();
    SSL_free(ssl);
    record();
    return;
  }
  seen.handshakeDone = true;
  seen.version = SSL_version(ssl);
  if (const char* name = SSL_get_servername(ssl, TLSEXT_NAMETYPE_host_name)) seen.serverName = name;

  if (reply.hangUp) {
    SSL_free(ssl);
    record();
    return;
  }

  if (!reply.junk.empty() || reply.alert) {
    if (!reply.junk.empty()) send(fd, reply.junk.data(), reply.junk.size(), MSG_NOSIGNAL);
    if (reply.alert) {
      SSL_set0_rbio(ssl,
                    BIO_new_mem_buf(kForgedRecord.data(), static_cast<int>(kForgedRecord.size())));
      char none[16];
      SSL_read(ssl, none, sizeof none);
    }
    // The client's bytes are not read as TLS any more; the connection stays
    // until the client closes it.
    char buffer[4096];
    while (WaitFor(fd, 10000) == 1 && recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
    ERR_clear_error();
    SSL_free(ssl);
    record();
    return;
  }

  bool clientOpen = true;
  auto readSome = [&] {
    char buffer[4096];
    const int n = SSL_read(ssl, buffer, sizeof buffer);
    if (n <= 0) return clientOpen = false;
    seen.request.append(buffer, static_cast<std::size_t>(n));
    return true;
  };

  if (reply.waitForRequest) {
    while (clientOpen && !RequestComplete(seen.request)) readSome();
    // Whatever the client sends behind the request comes right after it.
    while (clientOpen && WaitFor(fd, 100) == 1) readSome();
  }
  for (std::size_t i = 0; i < reply.chunks.size(); ++i) {
    if (i > 0 && reply.pauseMs > 0) WaitFor(wake[0], reply.pauseMs);
    SSL_write(ssl, reply.chunks[i].data(), static_cast<int>(reply.chunks[i].size()));
  }
  const auto stallEnd = std::chrono::steady_clock::now() + std::chrono::milliseconds(reply.stallMs);
  while (clientOpen && std::chrono::steady_clock::now() < stallEnd) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        stallEnd - std::chrono::steady_clock::now());
    const int ready = WaitFor(fd, static_cast<int>(left.count()) + 1);
    if (ready < 0) break;  // the test is over
    if (ready > 0) readSome();
  }
  if (reply.reset) {
    // Closed with unread bytes or this linger, the socket sends a reset.
    const linger now{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &now, sizeof now);
    ERR_clear_error();
    SSL_free(ssl);
    record();
    return;
  }
  if (reply.halfRecord) {
    const std::string start = "\x17\x03\x03\x01\x00" + std::string(20, 'x');  // of 256 bytes
    send(fd, start.data(), start.size(), MSG_NOSIGNAL);
  } else if (reply.closeNotify) {
    SSL_shutdown(ssl);
  }
  shutdown(fd, SHUT_WR);
  while (clientOpen) readSome();

  ERR_clear_error();
  SSL_free(ssl);
  record();
}

std::uint16_t UnusedPort() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof a;
  bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &size);
  close(s);
  return ntohs(a.sin_port);
}

}  // namespace qv::test
