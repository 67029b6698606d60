#include "platform/memory_reuse.h"

namespace qv {

// Windows' heap keeps freed blocks for reuse by itself (the low
// fragmentation heap); there is nothing to set.
void KeepFreedMemoryForReuse() {}

}  // namespace qv
