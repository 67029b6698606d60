// Interrupts on POSIX systems: SIGINT, SIGTERM, SIGHUP and SIGQUIT end a
// run from outside (Ctrl-C, kill, a closed terminal, Ctrl-\).
#include "platform/interrupt.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

namespace qv {
namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void Unlink(const char* name) { ::unlink(name); }

extern "C" void RemoveTemporaryFiles(int signo) {
  ForEachTemporaryFile(Unlink);
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

}  // namespace

void InstallInterruptCleanup() {
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

static_assert(sizeof(sigset_t) <= 128, "InterruptsHeld keeps a signal mask");

InterruptsHeld::InterruptsHeld() {
  const sigset_t set = EndingSignals();
  pthread_sigmask(SIG_BLOCK, &set, reinterpret_cast<sigset_t*>(saved_));
}

InterruptsHeld::~InterruptsHeld() {
  pthread_sigmask(SIG_SETMASK, reinterpret_cast<const sigset_t*>(saved_), nullptr);
}

}  // namespace qv
