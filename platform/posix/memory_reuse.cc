#include "platform/memory_reuse.h"

#include <malloc.h>
#include <sys/mman.h>

#include <cstdint>
#include <new>
#include <system_error>
#include <thread>

namespace qv {

void KeepFreedMemoryForReuse() {
  // Settings are hints: a C library that refuses one keeps its default.
  ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
  ::mallopt(M_TRIM_THRESHOLD, 256 << 20);
}

void PrepareForLongText([[maybe_unused]] const std::string& filling) {
#if defined(MADV_POPULATE_WRITE)
  // The pages are made present without their bytes being touched, so the
  // text may be written meanwhile, or given up: a range no longer mapped is
  // refused, and one mapped anew keeps its bytes.
  constexpr std::size_t kStep = std::size_t{2} << 20;
  auto* const start = const_cast<char*>(filling.data());
  const std::size_t room = filling.capacity();
  const std::size_t written = filling.size();
  try {
    std::thread([start, room, written] {
      // A block like the text's first copy (room for edits included),
      // given back at once to be kept for it; then the room, from its end.
      const std::size_t copy = room + room / 8;
      void* block = ::operator new(copy, std::nothrow);
      if (block != nullptr) {
        ::madvise(block, copy, MADV_POPULATE_WRITE);
        ::operator delete(block);
      }
      const auto base = reinterpret_cast<std::uintptr_t>(start);
      const std::uintptr_t first = (base + written + kStep - 1) / kStep * kStep;
      const std::uintptr_t end = (base + room) / kStep * kStep;
      for (std::uintptr_t at = end; at > first; at -= kStep)
        ::madvise(reinterpret_cast<void*>(at - kStep), kStep, MADV_POPULATE_WRITE);
    }).detach();
  } catch (const std::system_error&) {
    // No thread: the pages come as the text is written.
  }
#endif
}

}  // namespace qv
