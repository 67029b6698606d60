// Where the tool's memory comes from, for blocks of megabytes.
//
// The program's own operator new: a block of 4 MB or more (a map picture,
// the hexadecimal of a map, a story line of megabytes, an item-list page) is
// placed on 2 MB boundaries and marked for transparent huge pages, so the
// kernel can back it with a few large pages instead of faulting in a 4 KB
// page at a time; on a virtual machine each of those faults costs
// microseconds, and a large report touches tens of thousands of them.
// Smaller blocks come from malloc as before. Every block goes back through
// free, as the default operator delete does.
//
// Sanitizer builds keep their own operator new, which checks every block.
#include <sys/mman.h>

#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_SANITIZED_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QV_SANITIZED_ALLOCATOR 1
#endif

#ifndef QV_SANITIZED_ALLOCATOR

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kBigBlock = 2 * kHugePage;

void* Allocate(std::size_t size) {
  if (size < kBigBlock) return std::malloc(size == 0 ? 1 : size);
  const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
  void* block = std::aligned_alloc(kHugePage, rounded);
  // Only advice: where huge pages are off, small pages serve as before.
  if (block != nullptr) ::madvise(block, rounded, MADV_HUGEPAGE);
  return block;
}

}  // namespace

void* operator new(std::size_t size) {
  for (;;) {
    if (void* block = Allocate(size)) return block;
    // As the standard operator new: the new-handler may free memory.
    const std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

#endif  // QV_SANITIZED_ALLOCATOR
