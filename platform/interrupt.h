// Cleaning up when the run is ended from outside (Ctrl-C, a closed terminal
// or console, kill): the temporary files alive at that moment are removed,
// then the process ends as it would have without the tool's handler.
//
// The handler may only read memory that is never allocated or freed, so the
// names live in fixed slots. A run has one or two such files open at a
// time; a file that finds no free slot (or has a longer name) is still
// removed on every other way out, just not when the run is interrupted.
#pragma once

#include <string>

namespace qv {

// Installs the handler once per process. A signal the process ignores (a
// run under nohup) or handles itself is left alone.
void InstallInterruptCleanup();

// Holds the handler back while a temporary file and its slot are brought
// in step (creating, renaming or removing the file).
class InterruptsHeld {
 public:
  InterruptsHeld();
  ~InterruptsHeld();
  InterruptsHeld(const InterruptsHeld&) = delete;
  InterruptsHeld& operator=(const InterruptsHeld&) = delete;

 private:
  alignas(8) unsigned char saved_[128];  // what the system restores afterwards (a signal mask)
};

// A slot for the temporary file `name` (the tool's text), or -1 when none is
// free or the name does not fit. Call with interrupts held.
int RegisterTemporaryFile(const std::string& name);
// Frees the slot (-1: nothing). Call with interrupts held.
void UnregisterTemporaryFile(int slot);

// For the handlers: calls remove(name) for every live temporary file. Safe
// in a signal handler: no allocation, no lock.
void ForEachTemporaryFile(void (*remove)(const char* name));

}  // namespace qv
