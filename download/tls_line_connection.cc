#include "download/tls_line_connection.h"

#include <algorithm>
#include <chrono>

namespace qv {
namespace {

const char kClosedGracefully[] = "Connection Closed Gracefully.";

using Clock = std::chrono::steady_clock;

int MillisecondsSince(Clock::time_point start) {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

[[noreturn]] void ThrowSocketError(NetFault fault, const std::string& text) {
  throw NetError(fault, "Socket error", text);
}

}  // namespace

TlsLineConnection::TlsLineConnection(std::string host, std::uint16_t port, TlsOptions options)
    : host_(std::move(host)), port_(port), options_(std::move(options)),
      stream_(MakeTlsStream(options_)) {}

TlsLineConnection::~TlsLineConnection() { Close(); }

void TlsLineConnection::Connect() {
  stream_->Close();
  buffer_.Clear();
  closed_ = true;
  stream_->Connect(host_, port_);
  everConnected_ = true;
  closed_ = false;
}

void TlsLineConnection::RequireOpened() const {
  if (!everConnected_) ThrowSocketError(NetFault::kOther, "Not Connected");
}

TlsLineConnection::Receive TlsLineConnection::ReadChunk(bool wait) {
  return stream_->ReceiveChunk(chunk_, kChunkSize, wait, &chunkSize_);
}

TlsLineConnection::Receive TlsLineConnection::ReceiveOnce(int waitMs) {
  if (waitMs < 0) {
    const Receive r = ReadChunk(true);
    if (r == Receive::kNothing) ThrowSocketError(NetFault::kTimeout, "Read timed out.");
    return r;
  }
  const Clock::time_point start = Clock::now();
  bool polled = false;
  for (;;) {
    // Bytes the stream already holds can be read without asking the socket;
    // after a read that wanted more, only the socket can bring it.
    if (polled || !stream_->HoldsReceivedBytes()) {
      const int left = std::max(0, waitMs - MillisecondsSince(start));
      if (!stream_->WaitReadable(left)) return Receive::kNothing;
    }
    const Receive r = ReadChunk(false);
    if (r != Receive::kNothing || MillisecondsSince(start) >= waitMs) return r;
    polled = true;
  }
}

bool TlsLineConnection::IsConnected() {
  if (stream_->IsOpen() && !closed_) {
    try {
      const Receive r = ReceiveOnce(0);
      if (r == Receive::kData) buffer_.Append(chunk_, chunkSize_);
      if (r == Receive::kClosed || r == Receive::kReset) closed_ = true;
    } catch (const Error&) {
      closed_ = true;
    }
  }
  return (stream_->IsOpen() && !closed_) || !buffer_.Empty();
}

void TlsLineConnection::WriteLine(const std::string& text) {
  if (!stream_->IsOpen()) ThrowSocketError(NetFault::kOther, "Not Connected");
  stream_->Send(EncodeForWire(text, encoding_) + "\r\n");
}

std::string TlsLineConnection::ReadLine(char terminator, int timeLimitMs, std::size_t maxLength) {
  const Clock::time_point start = Clock::now();
  for (;;) {
    const std::size_t k = buffer_.Empty() ? ReceiveBuffer::kNotFound : buffer_.Find(terminator);
    const bool found = k != ReceiveBuffer::kNotFound;
    if (maxLength > 0 && (found ? k > maxLength : buffer_.Size() > maxLength))
      ThrowSocketError(NetFault::kOther, "Max line length exceeded.");

    if (found) {
      std::string line = buffer_.Take(k + 1);
      line.pop_back();
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return DecodeFromWire(line, encoding_);
    }

    RequireOpened();
    if (closed_ || !stream_->IsOpen()) ThrowSocketError(NetFault::kOther, kClosedGracefully);

    bool timedOut = false;
    Receive r;
    try {
      r = ReceiveOnce(timeLimitMs);
    } catch (const Error&) {
      closed_ = true;
      throw;
    }
    switch (r) {
      case Receive::kData: buffer_.Append(chunk_, chunkSize_); break;
      case Receive::kNothing: timedOut = true; break;
      case Receive::kClosed:
        closed_ = true;
        if (buffer_.Empty()) ThrowSocketError(NetFault::kOther, kClosedGracefully);
        break;
      case Receive::kReset:
        closed_ = true;
        ThrowSocketError(NetFault::kReset, "Connection reset by peer");
    }
    if (!timedOut && timeLimitMs >= 0 && MillisecondsSince(start) >= timeLimitMs) timedOut = true;
    if (timedOut) return "";
  }
}

std::string TlsLineConnection::ReadAll() {
  RequireOpened();
  std::string result = buffer_.TakeAll();
  if (closed_ || !stream_->IsOpen()) return result;
  for (;;) {
    Receive r;
    try {
      r = ReadChunk(true);
    } catch (const Error&) {
      closed_ = true;
      throw;
    }
    if (r == Receive::kData) {
      result.append(chunk_, chunkSize_);
    } else if (r == Receive::kNothing) {
      closed_ = true;
      ThrowSocketError(NetFault::kTimeout, "Read timed out.");
    } else {
      closed_ = true;
      return result;
    }
  }
}

bool TlsLineConnection::WaitForInput(int timeoutMs) {
  if (closed_ || !stream_->IsOpen()) return true;
  if (!buffer_.Empty() && buffer_.Find('\n') != ReceiveBuffer::kNotFound) return true;
  if (stream_->HoldsDecryptedBytes()) return true;
  return stream_->WaitReadable(std::max(0, timeoutMs));
}

void TlsLineConnection::Close() {
  buffer_.Clear();
  closed_ = true;
  stream_->Close();
}

}  // namespace qv
