#include "platform/interrupt.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

namespace qv {
namespace {

constexpr int kSlots = 16;
constexpr std::size_t kNameSize = 4096;
// Zeroed as static storage, without code at start-up: a slot's page is
// touched only when the slot is taken.
struct Slot {
  volatile std::sig_atomic_t live;
  char name[kNameSize];
};
Slot slots[kSlots];
// Files are made on more than one thread (a document, the font search's
// note): a free slot is taken by one of them only.
std::mutex slotsTaken;

}  // namespace

int RegisterTemporaryFile(const std::string& name) {
  if (name.size() >= kNameSize) return -1;
  const std::lock_guard<std::mutex> lock(slotsTaken);
  for (int i = 0; i < kSlots; ++i) {
    if (slots[i].live != 0) continue;
    std::memcpy(slots[i].name, name.c_str(), name.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);  // the name before the mark
    slots[i].live = 1;
    return i;
  }
  return -1;
}

void UnregisterTemporaryFile(int slot) {
  if (slot >= 0) slots[slot].live = 0;
}

void ForEachTemporaryFile(void (*remove)(const char* name)) {
  for (const Slot& slot : slots)
    if (slot.live != 0) remove(slot.name);
}

}  // namespace qv
