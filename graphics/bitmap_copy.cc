#include "graphics/bitmap_copy.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace qv {
namespace {

// Eight bits of a row from bit position `bit` on, bits before the row's
// start or past its bytes reading as zero; where they lie is worked out
// once for a copy that takes the same bits of many rows.
class Read8At {
 public:
  Read8At(int64_t rowBytes, int64_t bit)
      : byte_(bit >> 3),
        shift_(static_cast<int>(bit & 7)),
        hiInside_(byte_ >= 0 && byte_ < rowBytes),
        loInside_(shift_ != 0 && byte_ + 1 >= 0 && byte_ + 1 < rowBytes) {}

  uint8_t operator()(const uint8_t* row) const {
    const unsigned hi = hiInside_ ? row[byte_] : 0;
    const unsigned lo = loInside_ ? row[byte_ + 1] : 0;
    return static_cast<uint8_t>(((hi << 8 | lo) << shift_) >> 8);
  }

 private:
  int64_t byte_;
  int shift_;
  bool hiInside_;
  bool loInside_;
};

// Eight bytes of a row as one word, the first byte on top, and back.
uint64_t LoadBigEndian(const uint8_t* at) {
  uint64_t word;
  std::memcpy(&word, at, 8);
  return std::endian::native == std::endian::little ? __builtin_bswap64(word) : word;
}

void StoreBigEndian(uint8_t* at, uint64_t word) {
  if (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
  std::memcpy(at, &word, 8);
}

// A copy of n bits from one row to another, at any bit positions, the
// source bits lying inside the source row, set up once and applied to as
// many pairs of rows as take the same bits (every row of a tile): the
// partial bytes at either end of the target are merged through a mask, the
// whole bytes between them are copied as they are when both sides share
// the bit position within a byte, or each put together from two
// neighbouring source bytes.
class RowBitCopy {
 public:
  RowBitCopy(int64_t toBit, int64_t fromBytes, int64_t fromBit, int64_t n)
      : n_(n),
        first_(toBit >> 3),
        last_((toBit + n - 1) >> 3),
        headMask_(static_cast<uint8_t>(0xFFu >> (toBit & 7))),
        tailMask_(static_cast<uint8_t>(0xFF00u >> (((toBit + n - 1) & 7) + 1))),
        head_(fromBytes, 8 * first_ + (fromBit - toBit)),
        tail_(fromBytes, 8 * last_ + (fromBit - toBit)) {
    const int64_t sourceBit = 8 * (first_ + 1) + (fromBit - toBit);
    sourceByte_ = sourceBit >> 3;
    shift_ = static_cast<int>(sourceBit & 7);
    whole_ = last_ - first_ - 1;
  }

  void Apply(uint8_t* to, const uint8_t* from) const {
    if (n_ <= 0) return;
    if (first_ == last_) {
      Merge(to + first_, headMask_ & tailMask_, head_(from));
      return;
    }
    Merge(to + first_, headMask_, head_(from));
    const uint8_t* source = from + sourceByte_;
    uint8_t* target = to + first_ + 1;
    if (shift_ == 0) {
      std::memcpy(target, source, static_cast<std::size_t>(whole_));
    } else {
      // Every source bit read here comes before the last copied one, so both
      // bytes lie inside the source row. Eight bytes at a time: the source's
      // bytes i to i + 7 as one big-endian word, shifted, and the top of byte
      // i + 8 below them.
      const int shift = shift_;
      int64_t i = 0;
      for (; i + 8 <= whole_; i += 8) {
        const uint64_t word =
            LoadBigEndian(source + i) << shift | uint64_t{source[i + 8]} >> (8 - shift);
        StoreBigEndian(target + i, word);
      }
      for (; i < whole_; ++i)
        target[i] = static_cast<uint8_t>(source[i] << shift | source[i + 1] >> (8 - shift));
    }
    Merge(to + last_, tailMask_, tail_(from));
  }

 private:
  // The bits of the target byte that `mask` selects take `bits`.
  static void Merge(uint8_t* byte, uint8_t mask, uint8_t bits) {
    *byte = static_cast<uint8_t>((*byte & ~mask) | (bits & mask));
  }

  int64_t n_;
  int64_t first_;
  int64_t last_;
  uint8_t headMask_;
  uint8_t tailMask_;
  Read8At head_;
  Read8At tail_;
  int64_t sourceByte_ = 0;
  int shift_ = 0;
  int64_t whole_ = 0;
};

// A run of target columns whose source columns follow one another; a
// source column of -1 stands for columns outside the source picture, which
// are set.
struct ColumnRun {
  int64_t targetX;
  int64_t sourceX;
  int64_t length;
};

}  // namespace

void SetPixels(uint8_t* row, int64_t x, int64_t n) {
  if (n <= 0) return;
  const int64_t first = x >> 3;
  const int64_t last = (x + n - 1) >> 3;
  const uint8_t headMask = static_cast<uint8_t>(0xFFu >> (x & 7));
  const uint8_t tailMask = static_cast<uint8_t>(0xFF00u >> (((x + n - 1) & 7) + 1));
  if (first == last) {
    row[first] |= headMask & tailMask;
    return;
  }
  row[first] |= headMask;
  std::memset(row + first + 1, 0xFF, static_cast<std::size_t>(last - first - 1));
  row[last] |= tailMask;
}

void CopyUnscaled(MonoBitmap& target, int64_t x, int64_t y, const MonoBitmap& source) {
  const int64_t x0 = std::max<int64_t>(x, 0);
  const int64_t x1 = std::min<int64_t>(x + source.width(), target.width());
  const int64_t y0 = std::max<int64_t>(y, 0);
  const int64_t y1 = std::min<int64_t>(y + source.height(), target.height());
  if (x0 >= x1 || y0 >= y1) return;
  const RowBitCopy copy(x0, source.rowBytes(), x0 - x, x1 - x0);
  for (int64_t ty = y0; ty < y1; ++ty)
    copy.Apply(target.Row(static_cast<int>(ty)), source.Row(static_cast<int>(ty - y)));
}

void CopyStretched(MonoBitmap& target, const PixelRect& to, const MonoBitmap& source,
                   const PixelRect& from) {
  const int64_t tw = to.right - to.left, th = to.bottom - to.top;
  const int64_t sw = from.right - from.left, sh = from.bottom - from.top;
  if (tw <= 0 || th <= 0 || sw <= 0 || sh <= 0) return;
  const int64_t y0 = std::max<int64_t>(to.top, 0),
                y1 = std::min<int64_t>(to.bottom, target.height());
  const int64_t x0 = std::max<int64_t>(to.left, 0),
                x1 = std::min<int64_t>(to.right, target.width());
  // The target columns in runs that read consecutive source columns (or
  // none): a stretch by a little more than 1 gives a few long runs, so each
  // row is copied a run at a time.
  std::vector<ColumnRun> runs;
  for (int64_t tx = x0; tx < x1; ++tx) {
    int64_t sx = from.left + (tx - to.left) * sw / tw;
    if (sx < 0 || sx >= source.width()) sx = -1;
    ColumnRun* run = runs.empty() ? nullptr : &runs.back();
    if (run != nullptr &&
        (sx < 0 ? run->sourceX < 0 : run->sourceX >= 0 && sx == run->sourceX + run->length))
      ++run->length;
    else
      runs.push_back({tx, sx, 1});
  }
  // Each run takes the same bits of every source row.
  std::vector<RowBitCopy> copies;
  copies.reserve(runs.size());
  for (const ColumnRun& run : runs)
    copies.emplace_back(run.targetX, source.rowBytes(), std::max<int64_t>(run.sourceX, 0),
                        run.sourceX < 0 ? 0 : run.length);
  for (int64_t ty = y0; ty < y1; ++ty) {
    const int64_t sy = from.top + (ty - to.top) * sh / th;
    uint8_t* targetRow = target.Row(static_cast<int>(ty));
    if (sy < 0 || sy >= source.height()) {
      SetPixels(targetRow, x0, x1 - x0);
      continue;
    }
    const uint8_t* sourceRow = source.Row(static_cast<int>(sy));
    for (std::size_t r = 0; r < runs.size(); ++r) {
      if (runs[r].sourceX < 0)
        SetPixels(targetRow, runs[r].targetX, runs[r].length);
      else
        copies[r].Apply(targetRow, sourceRow);
    }
  }
}

}  // namespace qv
