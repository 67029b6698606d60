#include "platform/page_buffer.h"

#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace qv {
namespace {

constexpr std::size_t kHugePage = 2u << 20;

uint8_t* Allocate(std::size_t size) {
  if (size == 0) return nullptr;
  void* p = nullptr;
  if (size >= kHugePage) {
    const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    p = std::aligned_alloc(kHugePage, rounded);
    // Only advice: where huge pages are off, small pages serve as before.
    if (p != nullptr) ::madvise(p, rounded, MADV_HUGEPAGE);
  } else {
    p = std::malloc(size);
  }
  if (p == nullptr) throw std::bad_alloc();
  return static_cast<uint8_t*>(p);
}

}  // namespace

void AdviseHugePages(void* data, std::size_t bytes) {
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (begin + kHugePage - 1) / kHugePage * kHugePage;
  const std::uintptr_t last = (begin + bytes) / kHugePage * kHugePage;
  if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

void PageBuffer::Free::operator()(uint8_t* p) const { std::free(p); }

PageBuffer::PageBuffer(std::size_t size, uint8_t fill) : bytes_(Allocate(size)), size_(size) {
  if (size > 0) std::memset(bytes_.get(), fill, size);
}

PageBuffer::PageBuffer(const PageBuffer& other) : bytes_(Allocate(other.size_)), size_(other.size_) {
  if (size_ > 0) std::memcpy(bytes_.get(), other.bytes_.get(), size_);
}

PageBuffer& PageBuffer::operator=(const PageBuffer& other) {
  if (this != &other) *this = PageBuffer(other);
  return *this;
}

}  // namespace qv
