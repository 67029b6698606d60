// How the process keeps memory it has freed.
#pragma once

namespace qv {

// Keeps freed memory in the process for the next allocation instead of
// handing it back to the system: a run builds texts of megabytes one after
// the other (a page, a map picture, the next report of a batch), and fresh
// memory costs a page fault per 4 KB page the first time it is touched.
// With glibc, blocks up to 32 MB come from the reused heap, and memory is
// returned only when more than 256 MB lies free at its top; Windows' heap
// does this by itself.
void KeepFreedMemoryForReuse();

}  // namespace qv
