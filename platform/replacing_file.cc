#include "platform/replacing_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "platform/error.h"

namespace qv {
namespace {

// The temporary files alive at any moment, by name, for the signal handler
// below. It may only read memory that is never allocated or freed, so the
// names live in fixed slots. A run has one or two such files open at a
// time; a file that finds no free slot (or has a longer name) is still
// removed on every other way out, just not when a signal ends the run.
constexpr int kSlots = 16;
constexpr std::size_t kNameSize = 4096;
struct Slot {
  volatile std::sig_atomic_t live = 0;
  char name[kNameSize];
};
Slot slots[kSlots];

// The signals that end a run from outside: Ctrl-C, Ctrl-\, kill, a closed
// terminal.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void RemoveTemporaryFiles(int signo) {
  for (const Slot& slot : slots)
    if (slot.live != 0) ::unlink(slot.name);
  // Ends the process as the signal would have, with its usual status.
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  ::sigaction(signo, &action, nullptr);
  ::raise(signo);
}

sigset_t EndingSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signo : kEndingSignals) sigaddset(&set, signo);
  return set;
}

// Installed with the first temporary file; a signal the process ignores
// (a run under nohup) or handles itself is left alone.
void InstallHandlerOnce() {
  static const bool installed = [] {
    for (const int signo : kEndingSignals) {
      struct sigaction old {};
      if (::sigaction(signo, nullptr, &old) != 0 || old.sa_handler != SIG_DFL) continue;
      struct sigaction action {};
      action.sa_handler = RemoveTemporaryFiles;
      action.sa_mask = EndingSignals();  // one handler at a time
      ::sigaction(signo, &action, nullptr);
    }
    return true;
  }();
  (void)installed;
}

// Holds the ending signals back while the registry and the file system are
// brought in step (creating, renaming or removing a file and its slot).
class SignalsHeld {
 public:
  SignalsHeld() {
    const sigset_t set = EndingSignals();
    pthread_sigmask(SIG_BLOCK, &set, &before_);
  }
  ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t before_;
};

// A slot for name, or -1 when none is free or the name does not fit.
int Register(const std::string& name) {
  if (name.size() >= kNameSize) return -1;
  for (int i = 0; i < kSlots; ++i) {
    if (slots[i].live != 0) continue;
    std::memcpy(slots[i].name, name.c_str(), name.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);  // the name before the mark
    slots[i].live = 1;
    return i;
  }
  return -1;
}

void Unregister(int slot) {
  if (slot >= 0) slots[slot].live = 0;
}

}  // namespace

ReplacingFile::ReplacingFile(std::string name) : name_(std::move(name)) {
  InstallHandlerOnce();
  // "dir/.name.tmp<pid>[-n]": hidden, beside the file, and with no "_" and
  // no ".htm" at its end, so neither a batch run nor a browser takes one
  // that a killed run left behind.
  const std::size_t slash = name_.rfind('/');
  const std::string dir = slash == std::string::npos ? "" : name_.substr(0, slash + 1);
  std::string base = name_.substr(dir.size());
  std::replace(base.begin(), base.end(), '_', '-');
  const std::string stem = dir + "." + base + ".tmp" + std::to_string(::getpid());
  for (int attempt = 0;; ++attempt) {
    tempName_ = attempt == 0 ? stem : stem + "-" + std::to_string(attempt);
    {
      SignalsHeld held;
      fd_ = ::open(tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) slot_ = Register(tempName_);
    }
    if (fd_ >= 0) return;
    // A left-over of an earlier run that had the same process id.
    if (errno != EEXIST || attempt >= 100) {
      const int err = errno;
      tempName_.clear();
      ThrowFileError("create", name_, err);
    }
  }
}

ReplacingFile::ReplacingFile(ReplacingFile&& other) noexcept
    : name_(std::move(other.name_)),
      tempName_(std::move(other.tempName_)),
      fd_(other.fd_),
      slot_(other.slot_) {
  other.tempName_.clear();
  other.fd_ = -1;
  other.slot_ = -1;
}

ReplacingFile& ReplacingFile::operator=(ReplacingFile&& other) noexcept {
  // The file given up here is removed when `other` goes.
  std::swap(name_, other.name_);
  std::swap(tempName_, other.tempName_);
  std::swap(fd_, other.fd_);
  std::swap(slot_, other.slot_);
  return *this;
}

ReplacingFile::~ReplacingFile() {
  if (fd_ >= 0) ::close(fd_);
  if (tempName_.empty()) return;
  SignalsHeld held;
  ::unlink(tempName_.c_str());
  Unregister(slot_);
}

void ReplacingFile::Write(std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowFileError("write", name_, errno);
    done += static_cast<std::size_t>(n);
  }
}

void ReplacingFile::Commit() {
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) ThrowFileError("write", name_, errno);
  {
    SignalsHeld held;
    if (::rename(tempName_.c_str(), name_.c_str()) != 0) {
      const int err = errno;
      ThrowFileError("write", name_, err);  // the destructor removes the temporary file
    }
    Unregister(slot_);
    slot_ = -1;
  }
  tempName_.clear();
}

}  // namespace qv
