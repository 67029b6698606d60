// How the process keeps memory it has freed.
#pragma once

#include <string>

namespace qv {

// Keeps freed memory in the process for the next allocation instead of
// handing it back to the system: a run builds texts of megabytes one after
// the other (a page, a map picture, the next report of a batch), and fresh
// memory costs a page fault per 4 KB page the first time it is touched.
// With glibc, blocks up to 32 MB come from the reused heap, and memory is
// returned only when more than 256 MB lies free at its top; Windows' heap
// does this by itself.
void KeepFreedMemoryForReuse();

// `filling` is a text of megabytes being built from its start, its room
// reserved, and the passes that follow will copy it: the pages of its room
// not yet written, and those of a block half as large again for its copies,
// are zeroed on a thread of their own while the text is still being built. On
// a virtual machine a fresh page can cost more than filling it. Only
// advice: where the system has no such means, nothing happens.
void PrepareForLongText(const std::string& filling);

}  // namespace qv
