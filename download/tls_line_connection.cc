#include "download/tls_line_connection.h"

#include <algorithm>
#include <chrono>

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsSince(Clock::time_point start) {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

[[noreturn]] void ThrowSocketError(NetFault fault, const std::string& text) {
  throw NetError(fault, error_kind::kConnection, text);
}

[[noreturn]] void ThrowDownloadError(NetFault fault, const std::string& text) {
  throw NetError(fault, error_kind::kDownload, text + "; semmit nem irtam ki");
}

// Grows a string that collects a whole answer: doubling, but never beyond
// the most it may hold (and two bytes for the line end written behind it),
// so that the answer at the limit is not copied into twice its room.
void AppendBounded(std::string& to, const char* bytes, std::size_t n, std::size_t most) {
  if (to.capacity() - to.size() < n) {
    const std::size_t wanted = std::max(to.size() + n, 2 * to.capacity());
    to.reserve(std::max(to.size() + n, std::min(wanted, most + 2)));
  }
  to.append(bytes, n);
}

}  // namespace

TlsLineConnection::TlsLineConnection(std::string host, std::uint16_t port, TlsOptions options)
    : host_(std::move(host)), port_(port), options_(std::move(options)),
      stream_(MakeTlsStream(options_)),
      wait_(options_.connectionLimitMs, options_.waitNoticeMs) {}

TlsLineConnection::~TlsLineConnection() { Close(); }

void TlsLineConnection::Connect() {
  stream_->Close();
  buffer_.Clear();
  closed_ = true;
  failure_ = nullptr;
  received_ = 0;
  wait_.Start();
  stream_->Connect(host_, port_, wait_);
  everConnected_ = true;
  closed_ = false;
}

void TlsLineConnection::RequireOpened() const {
  if (!everConnected_) ThrowSocketError(NetFault::kOther, kNotConnectedText);
}

void TlsLineConnection::RethrowFailure() const {
  if (failure_) std::rethrow_exception(failure_);
}

TlsLineConnection::Receive TlsLineConnection::ReadChunk() {
  if (wait_.OutOfTime()) ThrowDownloadError(NetFault::kTooSlow, wait_.OutOfTimeText());
  const Receive r = stream_->ReceiveChunk(chunk_, kChunkSize, &chunkSize_);
  if (r == Receive::kData) {
    received_ += chunkSize_;
    if (received_ > options_.answerLimit)
      ThrowDownloadError(NetFault::kTooLarge, "a honlap valasza nagyobb, mint " +
                                                  BytesText(options_.answerLimit) +
                                                  ", amennyit egy kapcsolat fogadhat");
  }
  return r;
}

TlsLineConnection::Receive TlsLineConnection::ReceiveOnce(int waitMs) {
  const bool untilLimit = waitMs < 0;
  const Clock::time_point start = Clock::now();
  bool polled = false;
  for (;;) {
    // Bytes the stream already holds can be read without asking the socket;
    // after a read that wanted more, only the socket can bring it.
    if (polled || !stream_->HoldsReceivedBytes()) {
      const int left =
          untilLimit ? options_.socketTimeoutMs : std::max(0, waitMs - MillisecondsSince(start));
      ServerWait::Outcome outcome = ServerWait::Outcome::kQuiet;
      if (left > 0)
        outcome = wait_.Await(left, [this](int ms) { return stream_->WaitReadable(ms); });
      else if (stream_->WaitReadable(0))
        outcome = ServerWait::Outcome::kReady;
      if (outcome == ServerWait::Outcome::kOutOfTime)
        ThrowDownloadError(NetFault::kTooSlow, wait_.OutOfTimeText());
      if (outcome == ServerWait::Outcome::kQuiet) {
        if (untilLimit) ThrowSocketError(NetFault::kTimeout, "lejart az olvasas varakozasi ideje");
        return Receive::kNothing;
      }
    }
    const Receive r = ReadChunk();
    if (r != Receive::kNothing || (!untilLimit && MillisecondsSince(start) >= waitMs)) return r;
    polled = true;
  }
}

bool TlsLineConnection::IsConnected() {
  if (stream_->IsOpen() && !closed_) {
    try {
      const Receive r = ReceiveOnce(0);
      if (r == Receive::kData) buffer_.Append(chunk_, chunkSize_);
      if (r == Receive::kClosed || r == Receive::kReset) closed_ = true;
    } catch (const NetError& e) {
      closed_ = true;
      // The request is still to be written: the refusal comes with the
      // next read or write, whichever is first.
      if (IsRefusal(e.fault())) failure_ = std::current_exception();
    } catch (const Error&) {
      closed_ = true;
    }
  }
  return (stream_->IsOpen() && !closed_) || !buffer_.Empty();
}

void TlsLineConnection::WriteLine(const std::string& text) {
  RethrowFailure();
  if (!stream_->IsOpen()) ThrowSocketError(NetFault::kOther, kNotConnectedText);
  stream_->Send(EncodeForWire(text, encoding_) + "\r\n");
}

std::string TlsLineConnection::ReadLine(char terminator, int timeLimitMs, std::size_t maxLength) {
  const Clock::time_point start = Clock::now();
  for (;;) {
    const std::size_t k = buffer_.Empty() ? ReceiveBuffer::kNotFound : buffer_.Find(terminator);
    const bool found = k != ReceiveBuffer::kNotFound;
    if (maxLength > 0 && (found ? k > maxLength : buffer_.Size() > maxLength))
      ThrowSocketError(NetFault::kOther, "a valasz egy sora hosszabb a megengedettnel");

    if (found) {
      std::string line = buffer_.Take(k + 1);
      line.pop_back();
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return DecodeFromWire(line, encoding_);
    }

    RequireOpened();
    RethrowFailure();
    if (closed_ || !stream_->IsOpen()) ThrowSocketError(NetFault::kOther, kServerClosedText);

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
        if (buffer_.Empty()) ThrowSocketError(NetFault::kOther, kServerClosedText);
        break;
      case Receive::kReset:
        closed_ = true;
        ThrowSocketError(NetFault::kReset, kPeerResetText);
    }
    if (!timedOut && timeLimitMs >= 0 && MillisecondsSince(start) >= timeLimitMs) timedOut = true;
    if (timedOut) return "";
  }
}

std::string TlsLineConnection::ReadAll() {
  RequireOpened();
  RethrowFailure();
  std::string result = buffer_.TakeAll();
  if (closed_ || !stream_->IsOpen()) return result;
  for (;;) {
    Receive r;
    try {
      r = ReceiveOnce(-1);
    } catch (const Error&) {
      closed_ = true;
      throw;
    }
    if (r != Receive::kData) {
      closed_ = true;
      return result;
    }
    AppendBounded(result, chunk_, chunkSize_, options_.answerLimit);
  }
}

bool TlsLineConnection::WaitForInput(int timeoutMs) {
  if (closed_ || !stream_->IsOpen()) return true;
  if (!buffer_.Empty() && buffer_.Find('\n') != ReceiveBuffer::kNotFound) return true;
  if (stream_->HoldsDecryptedBytes()) return true;
  const auto readable = [this](int ms) { return stream_->WaitReadable(ms); };
  switch (wait_.Await(std::max(0, timeoutMs), readable)) {
    case ServerWait::Outcome::kReady: return true;
    case ServerWait::Outcome::kQuiet: return false;
    case ServerWait::Outcome::kOutOfTime: break;
  }
  closed_ = true;
  ThrowDownloadError(NetFault::kTooSlow, wait_.OutOfTimeText());
}

void TlsLineConnection::Close() {
  buffer_.Clear();
  closed_ = true;
  stream_->Close();
}

}  // namespace qv
