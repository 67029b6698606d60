#include "platform/memory_reuse.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

// The pages are made ready beside the writing: every byte written before,
// during and after stays, and a text given up meanwhile harms nothing.
TEST(MemoryReuse, TextPreparedWhileWrittenKeepsItsBytes) {
  constexpr std::size_t kSize = std::size_t{12} << 20;
  auto byteAt = [](std::size_t i) { return static_cast<char>('a' + i * 7 % 26); };
  std::string text;
  text.reserve(kSize);
  for (std::size_t i = 0; i < (std::size_t{1} << 20); ++i) text += byteAt(i);
  PrepareForLongText(text);
  for (std::size_t i = text.size(); i < kSize; ++i) text += byteAt(i);
  std::string copy = text;  // perhaps in the block made ready for it
  for (std::size_t i = 0; i < kSize; i += 4093) {
    ASSERT_EQ(text[i], byteAt(i)) << i;
    ASSERT_EQ(copy[i], byteAt(i)) << i;
  }
  std::string given;
  given.reserve(kSize);
  given.assign(std::size_t{2} << 20, 'x');
  PrepareForLongText(given);
  given = std::string();
  EXPECT_TRUE(given.empty());
}

}  // namespace
}  // namespace qv
