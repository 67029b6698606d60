// A byte buffer for pictures of megabytes. Filling fresh memory costs a page
// fault per 4 KB page, which in a large map picture is thousands of faults;
// a buffer of 2 MB or more is placed on huge-page boundaries and marked for
// huge pages, so the kernel can back it with a few large pages instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace qv {

// Marks the whole huge pages inside [data, data + bytes) for huge pages:
// memory reserved for a text of megabytes that is about to be written.
void AdviseHugePages(void* data, std::size_t bytes);

class PageBuffer {
 public:
  PageBuffer() = default;
  PageBuffer(std::size_t size, uint8_t fill);
  PageBuffer(const PageBuffer& other);
  PageBuffer& operator=(const PageBuffer& other);
  PageBuffer(PageBuffer&&) noexcept = default;
  PageBuffer& operator=(PageBuffer&&) noexcept = default;

  uint8_t* data() { return bytes_.get(); }
  const uint8_t* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  std::span<const uint8_t> bytes() const { return {bytes_.get(), size_}; }

 private:
  struct Free {
    void operator()(uint8_t* p) const;
  };
  std::unique_ptr<uint8_t, Free> bytes_;
  std::size_t size_ = 0;
};

}  // namespace qv
