#include "platform/memory_reuse.h"

namespace qv {

// Windows' heap keeps freed blocks for reuse by itself (the low
// fragmentation heap); there is nothing to set.
void KeepFreedMemoryForReuse() {}

// Windows commits zeroed pages from its own pool of them.
void PrepareForLongText(const std::string&) {}

}  // namespace qv
