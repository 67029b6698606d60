// Where the tool's memory comes from, for blocks of megabytes.
//
// The program's own operator new: a block of 1 MB or more (a map picture,
// the hexadecimal of a map, a story line of megabytes, an item-list page) is
// mapped on its own, on 2 MB boundaries, and marked for transparent huge
// pages, so the kernel can back it with a few large pages instead of
// faulting in a 4 KB page at a time; on a virtual machine each of those
// faults costs microseconds, and a large report touches tens of thousands
// of them. A big block given back is kept for the next big request it can
// hold: the text passes each make a new copy of a text of megabytes and
// drop the old one, so the pages already touched serve again instead of
// fresh ones being zeroed for every pass. Smaller blocks come from malloc
// as before.
//
// Sanitizer builds keep their own operator new, which checks every block.
#include <sys/mman.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>
#include <utility>

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
constexpr std::size_t kBigBlock = kHugePage / 2;

struct Block {
  void* at = nullptr;
  std::size_t length = 0;  // whole huge pages
};

// The big blocks handed out and those given back and kept. A request finds
// the smallest kept block that holds it; when none does, or too many are
// handed out to track, it is mapped anew (or comes from malloc).
class BigBlocks {
 public:
  void* Take(std::size_t size) {
    // Half as much again as asked: the next pass's copy, a little longer, then
    // fits in this block once it is given back. Room never written costs no
    // memory.
    const std::size_t roomy = size + size / 2;
    const std::size_t length = (roomy + kHugePage - 1) / kHugePage * kHugePage;
    if (roomy < size || length < roomy) return nullptr;  // the size wrapped around
    const std::lock_guard<std::mutex> lock(mutex_);
    if (liveCount_ == live_.size()) return std::malloc(size);
    Block block = TakeKept(size);
    if (block.at == nullptr) block = Map(length);
    if (block.at == nullptr) return nullptr;
    live_[liveCount_++] = block;
    return block.at;
  }

  // Whether `at` was one of the blocks handed out; it is then kept or
  // unmapped.
  bool Give(void* at) {
    const std::lock_guard<std::mutex> lock(mutex_);
    for (std::size_t i = 0; i < liveCount_; ++i) {
      if (live_[i].at != at) continue;
      Keep(live_[i]);
      live_[i] = live_[--liveCount_];
      return true;
    }
    return false;
  }

 private:
  // The smallest kept block that holds `size`; of equals the last in the
  // list, where blocks given back are added.
  Block TakeKept(std::size_t size) {
    std::size_t best = keptCount_;
    for (std::size_t i = 0; i < keptCount_; ++i)
      if (kept_[i].length >= size && (best == keptCount_ || kept_[i].length <= kept_[best].length))
        best = i;
    if (best == keptCount_) return {};
    const Block block = kept_[best];
    kept_[best] = kept_[--keptCount_];
    return block;
  }

  // Keeps the block, in place of the smallest kept one when all places are
  // taken and it is larger; the block left out is unmapped.
  void Keep(Block block) {
    if (keptCount_ < kept_.size()) {
      kept_[keptCount_++] = block;
      return;
    }
    std::size_t smallest = 0;
    for (std::size_t i = 1; i < keptCount_; ++i)
      if (kept_[i].length < kept_[smallest].length) smallest = i;
    if (kept_[smallest].length < block.length) std::swap(kept_[smallest], block);
    ::munmap(block.at, block.length);
  }

  // Maps `length` bytes on a huge-page boundary: a huge page more is mapped
  // and what lies outside the boundaries is given back at once.
  static Block Map(std::size_t length) {
    void* area = ::mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (area == MAP_FAILED) return {};
    const auto start = reinterpret_cast<std::uintptr_t>(area);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) ::munmap(area, aligned - start);
    const std::uintptr_t end = start + length + kHugePage;
    if (end > aligned + length)
      ::munmap(reinterpret_cast<void*>(aligned + length), end - aligned - length);
    void* block = reinterpret_cast<void*>(aligned);
    // Only advice: where huge pages are off, small pages serve as before.
    ::madvise(block, length, MADV_HUGEPAGE);
    return {block, length};
  }

  std::mutex mutex_;
  std::array<Block, 64> live_{};
  std::size_t liveCount_ = 0;
  std::array<Block, 8> kept_{};
  std::size_t keptCount_ = 0;
};

// The allocator's own state, as malloc has its own; it lives as long as the
// program, so blocks freed by static destructors still find it.
BigBlocks& Blocks() {
  static BigBlocks* const blocks = new (std::malloc(sizeof(BigBlocks))) BigBlocks;
  return *blocks;
}

void* Allocate(std::size_t size) {
  if (size < kBigBlock) return std::malloc(size == 0 ? 1 : size);
  return Blocks().Take(size);
}

void Release(void* block) {
  // Every big block stands on a huge-page boundary; a small one rarely does.
  const bool mayBeBig = reinterpret_cast<std::uintptr_t>(block) % kHugePage == 0;
  if (block != nullptr && mayBeBig && Blocks().Give(block)) return;
  std::free(block);
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

void operator delete(void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }

#endif  // QV_SANITIZED_ALLOCATOR
