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
  // text (or the block given back below) may be written meanwhile, or given
  // up: a range no longer mapped is refused, and one mapped anew keeps its
  // bytes.
  constexpr std::size_t kStep = std::size_t{2} << 20;
  auto* const start = const_cast<char*>(filling.data());
  const std::size_t room = filling.capacity();
  const std::size_t written = filling.size();
  try {
    std::thread([start, room, written] {
      // A block for the text's copies, given back at once so that the first
      // copy finds it even while its pages are still being made: half as
      // much again as the room, as the edits lengthen the text.
      const std::size_t copy = room + room / 2;
      void* block = ::operator new(copy, std::nothrow);
      if (block != nullptr) ::operator delete(block);
      // Each range from its end, away from where its writing starts: the
      // room first, which is being written now, then the block.
      auto populate = [](std::uintptr_t first, std::uintptr_t end) {
        first = (first + kStep - 1) / kStep * kStep;
        end = end / kStep * kStep;
        for (std::uintptr_t at = end; at > first; at -= kStep)
          ::madvise(reinterpret_cast<void*>(at - kStep), kStep, MADV_POPULATE_WRITE);
      };
      const auto base = reinterpret_cast<std::uintptr_t>(start);
      populate(base + written, base + room);
      const auto copyAt = reinterpret_cast<std::uintptr_t>(block);
      if (block != nullptr) populate(copyAt, copyAt + copy);
    }).detach();
  } catch (const std::system_error&) {
    // No thread: the pages come as the text is written.
  }
#endif
}

}  // namespace qv
