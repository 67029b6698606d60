#include "platform/page_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv {
namespace {

// Sizes below, at and past the huge-page size (2 MB), which take different
// allocations; copies are deep.
TEST(PageBuffer, FilledOfEverySizeAndCopiedDeeply) {
  for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{4097},
                                 std::size_t{2} << 20, (std::size_t{5} << 20) + 3}) {
    PageBuffer buffer(size, 0xA5);
    ASSERT_EQ(buffer.size(), size);
    EXPECT_TRUE(std::all_of(buffer.data(), buffer.data() + size, [](uint8_t b) { return b == 0xA5; }))
        << size;
    if (size == 0) continue;
    PageBuffer copy = buffer;
    buffer.data()[size - 1] = 1;
    EXPECT_EQ(copy.data()[size - 1], 0xA5) << size;
    EXPECT_NE(copy.data(), buffer.data());
    copy = buffer;
    EXPECT_EQ(copy.bytes().back(), 1) << size;
  }
}

}  // namespace
}  // namespace qv
