#include "platform/memory_reuse.h"

#include <malloc.h>

namespace qv {

void KeepFreedMemoryForReuse() {
  // Settings are hints: a C library that refuses one keeps its default.
  ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
  ::mallopt(M_TRIM_THRESHOLD, 256 << 20);
}

}  // namespace qv
