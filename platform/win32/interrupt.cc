// Interrupts on Windows: Ctrl-C, Ctrl-Break, a closed console window, the
// end of the user's session. The system calls the handler on a thread of
// its own, so holding back is a lock the handler takes too.
#include "platform/interrupt.h"

#include "platform/encoding.h"
#include "platform/win32/wide.h"

namespace qv {
namespace {

SRWLOCK cleanupLock = SRWLOCK_INIT;

void Delete(const char* name) {
  // Converted on the stack: the main thread may be anywhere, even inside
  // the heap.
  wchar_t wide[4096];
  std::size_t n = 0;
  for (; name[n] != '\0' && n + 1 < sizeof wide / sizeof wide[0]; ++n)
    wide[n] = static_cast<wchar_t>(Cp1250ToUtf16Unit(static_cast<unsigned char>(name[n])));
  wide[n] = L'\0';
  DeleteFileW(wide);
}

BOOL WINAPI RemoveTemporaryFiles(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      // Taken and kept: the main thread makes no new file before the
      // process ends.
      AcquireSRWLockExclusive(&cleanupLock);
      ForEachTemporaryFile(Delete);
      return FALSE;  // the next handler, in the end the system's, ends the process
    default: return FALSE;
  }
}

}  // namespace

void InstallInterruptCleanup() {
  static const bool installed = SetConsoleCtrlHandler(RemoveTemporaryFiles, TRUE) != 0;
  (void)installed;
}

InterruptsHeld::InterruptsHeld() { AcquireSRWLockExclusive(&cleanupLock); }

InterruptsHeld::~InterruptsHeld() { ReleaseSRWLockExclusive(&cleanupLock); }

}  // namespace qv
