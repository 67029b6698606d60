#include "text/text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "text/byte_words.h"
#include "text/cp1250.h"
#include "text/search.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qv {

namespace {}  // namespace

// --- Basic edits -----------------------------------------------------------

int Find(std::string_view pattern, std::string_view text) {
  if (pattern.empty()) return 0;
  const std::size_t at = FindFrom(text, pattern);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

bool Contains(std::string_view text, std::string_view pattern) { return Find(pattern, text) > 0; }

void Insert(std::string_view x, std::string& text, int p) {
  if (p < 1) p = 1;
  if (p > Length(text)) p = Length(text) + 1;
  text.insert(static_cast<std::size_t>(p - 1), x);
}

void Delete(std::string& text, int p, int n) {
  if (p < 1 || p > Length(text) || n <= 0) return;
  text.erase(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(n));
}

std::string Copy(std::string_view text, int p, int n) {
  if (n <= 0) return std::string();
  if (p < 1) p = 1;
  if (p > Length(text)) return std::string();
  return std::string(text.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(n)));
}

std::string AsciiLowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string AsciiUpperCase(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// --- Filling to a width ------------------------------------------------------

namespace {

std::string PadFront(std::string text, int width, char fill) {
  if (width > Length(text)) text.insert(0, static_cast<std::size_t>(width - Length(text)), fill);
  return text;
}

}  // namespace

std::string PadRight(std::string text, int width) {
  if (width > Length(text)) text.append(static_cast<std::size_t>(width - Length(text)), ' ');
  return text;
}

std::string PadLeft(std::string text, int width) { return PadFront(std::move(text), width, ' '); }

std::string PadZeros(std::string text, int width) { return PadFront(std::move(text), width, '0'); }

// --- Searching and replacing -------------------------------------------------

namespace {

// The text split at a gap: `left_` holds the characters before the gap;
// after it come `front_` (the few characters that the edits put back or
// inserted) and then the unread rest of the original text, `text_` from
// `pos_` on, which is never copied until the gap passes it.
class GapText {
 public:
  explicit GapText(std::string_view text) : text_(text) {
    left_.reserve(RoomForEdits(text.size()));
  }

  std::size_t LeftSize() const { return left_.size(); }

  // Moves the gap forward to the next start of the pattern; when none is
  // left, to the end, and false.
  bool ForwardTo(std::string_view pattern) {
    if (!front_.empty()) {
      // An occurrence that starts in `front_` may run on into the rest.
      const std::size_t reach = std::min(pattern.size() - 1, text_.size() - pos_);
      window_.assign(front_);
      window_.append(text_.substr(pos_, reach));
      const std::size_t at = window_.find(pattern);
      if (at != std::string::npos && at < front_.size()) {
        left_.append(front_, 0, at);
        front_.erase(0, at);
        return true;
      }
      left_ += front_;
      front_.clear();
    }
    const std::size_t at = FindFrom(text_, pattern, pos_);
    const std::size_t to = at == std::string::npos ? text_.size() : at;
    left_.append(text_.substr(pos_, to - pos_));
    pos_ = to;
    return at != std::string::npos;
  }
  void Back(std::size_t n) {
    front_.insert(0, left_, left_.size() - n, n);
    left_.resize(left_.size() - n);
  }
  void InsertAtGap(std::string_view x) { front_.insert(0, x); }
  void DeleteAtGap(std::size_t n) {
    const std::size_t fromFront = std::min(n, front_.size());
    front_.erase(0, fromFront);
    pos_ += n - fromFront;
  }

  std::string Take() {
    left_ += front_;
    left_.append(text_.substr(pos_));
    return std::move(left_);
  }

 private:
  std::string left_;
  std::string front_;
  std::string window_;  // `front_` and the start of the rest, reused
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

// Each round inserts the replacement at the first occurrence p and deletes
// the first occurrence q of the changed text. No occurrence starts before the
// gap (the invariant); an edit at the gap can only create occurrences that
// start fewer than len(pattern) characters before it, so stepping back that
// far and scanning forward again finds the same first occurrence as a search
// from position 1 would, and the whole run stays linear.
namespace {

// The same rounds edited in place: each edit moves the rest of the text, so
// this is for short texts (report lines, table cells), where it saves the
// gap's reversed copies.
std::string ReplaceAllInPlace(std::string_view pattern, std::string_view replacement,
                              std::string text, std::size_t p) {
  const std::size_t stepBack = pattern.size() - 1;
  auto backFrom = [&](std::size_t at) { return at > stepBack ? at - stepBack : 0; };
  while (p != std::string::npos) {
    text.insert(p, replacement);
    // the occurrence just replaced still follows, so q exists
    const std::size_t q = FindFrom(text, pattern, backFrom(p));
    text.erase(q, pattern.size());
    p = FindFrom(text, pattern, backFrom(q));
  }
  return text;
}

constexpr std::size_t kShortReplaceText = 256;

// Whether the rounds come to one pass from left to right: no occurrence
// starts inside the replacement, whatever follows it (with the occurrence
// still following, that one is each round's first to delete; once it is
// deleted, none is formed with the rest), and none starts before it and
// runs into it. Then every round replaces the original text's next
// occurrence.
// An empty replacement joins its two sides and is left to the rounds.
bool RoundsAreOnePass(std::string_view pattern, std::string_view replacement) {
  const std::size_t m = pattern.size(), r = replacement.size();
  if (replacement.find(pattern) != std::string_view::npos) return false;
  for (std::size_t k = r > m ? r - m + 1 : 0; k < r; ++k)
    if (pattern.starts_with(replacement.substr(k))) return false;
  for (std::size_t j = 1; j < m; ++j) {
    const std::size_t n = std::min(m - j, r);
    if (pattern.substr(j, n) == replacement.substr(0, n)) return false;
  }
  return r > 0;
}

// Whether some proper start of the pattern is also its end ("aba", "aa"):
// only then can two occurrences overlap.
bool OverlapsItself(std::string_view pattern) {
  for (std::size_t k = 1; k < pattern.size(); ++k)
    if (pattern.starts_with(pattern.substr(pattern.size() - k))) return true;
  return false;
}

// Whether the rounds only shorten occurrences of a pattern that cannot
// overlap itself: the replacement is a shorter start of the pattern ("( "
// to "(", "<br>" to ""), or its last character alone (" )" to ")"). Then
// the rounds come to this: the text is copied left to right, and whenever
// the copy ends with the pattern, that end becomes the replacement (again,
// while it ends so). The copy never holds an occurrence but at its end, so
// each is taken as it completes; with occurrences that never overlap, the
// order of taking them does not change the result.
bool RoundsOnlyShorten(std::string_view pattern, std::string_view replacement) {
  if (replacement.size() >= pattern.size() || OverlapsItself(pattern)) return false;
  return pattern.starts_with(replacement) ||
         (replacement.size() == 1 && pattern.back() == replacement.front());
}

// The copying of RoundsOnlyShorten, jumping between the text's own
// occurrences: an occurrence that a shortening joins ends within the
// pattern's length less one after it, so only those characters are copied
// one at a time; after them every occurrence is one of the text's own.
std::string ShortenAll(std::string_view pattern, std::string_view replacement,
                       const std::string& text, std::size_t first) {
  const std::size_t n = pattern.size();
  const PatternFinder find(text, pattern);
  std::string out;
  out.reserve(text.size());
  auto endsWithPattern = [&] {
    return out.size() >= n && std::string_view(out).substr(out.size() - n) == pattern;
  };
  auto shorten = [&] {
    while (endsWithPattern()) {
      out.resize(out.size() - n);
      out.append(replacement);
    }
  };
  std::size_t i = 0;  // text[0, i) is copied
  for (std::size_t at = first; at != std::string::npos;) {
    out.append(text, i, at + n - i);
    i = at + n;
    shorten();
    // The characters that may complete an occurrence begun in the copy.
    std::size_t settled = i;  // where the text's own occurrences start again
    for (std::size_t zoneEnd = std::min(i + n - 1, text.size()); i < zoneEnd;) {
      out += text[i++];
      if (endsWithPattern()) {
        shorten();
        settled = i;
        zoneEnd = std::min(i + n - 1, text.size());
      }
    }
    at = find(std::max(settled, i + 1 > n ? i + 1 - n : 0));
  }
  out.append(text, i, std::string::npos);
  return out;
}

}  // namespace

std::string ReplaceAll(std::string_view pattern, std::string_view replacement, std::string text) {
  if (pattern.empty() || pattern == replacement) return text;
  const PatternFinder find(text, pattern);
  const std::size_t first = find(0);
  if (first == std::string::npos) return text;
  if (text.size() < kShortReplaceText)
    return ReplaceAllInPlace(pattern, replacement, std::move(text), first);
  if (RoundsAreOnePass(pattern, replacement)) {
    std::string out;
    out.reserve(replacement.size() > pattern.size() ? RoomForEdits(text.size()) : text.size());
    std::size_t from = 0;
    for (std::size_t at = first; at != std::string::npos; at = find(from)) {
      out.append(text, from, at - from);
      out += replacement;
      from = at + pattern.size();
    }
    out.append(text, from, std::string::npos);
    return out;
  }
  if (RoundsOnlyShorten(pattern, replacement)) return ShortenAll(pattern, replacement, text, first);

  GapText gap(text);
  const std::size_t stepBack = pattern.size() - 1;
  // Moves the gap forward to the next occurrence; false when none is left.
  auto scan = [&] { return gap.ForwardTo(pattern); };
  auto back = [&] { gap.Back(std::min(stepBack, gap.LeftSize())); };

  while (scan()) {
    gap.InsertAtGap(replacement);
    back();
    scan();  // the occurrence just replaced still follows, so q exists
    gap.DeleteAtGap(pattern.size());
    back();
  }
  return gap.Take();
}

int PosFrom(std::string_view pattern, std::string_view text, int start) {
  if (start > Length(text)) return 0;
  if (start < 1) start = 1;
  if (pattern.empty()) return 0;
  const std::size_t at = FindFrom(text, pattern, static_cast<std::size_t>(start - 1));
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

int CharPosFrom(std::string_view text, char c, int start) {
  if (start > Length(text)) return 0;
  if (start < 1) start = 1;
  const std::size_t at = text.find(c, static_cast<std::size_t>(start - 1));
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

int CharPosBackFrom(std::string_view text, char c, int start) {
  if (start > Length(text) || start < 1) return 0;
  const std::size_t at = text.rfind(c, static_cast<std::size_t>(start - 1));
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  // An empty suffix is never found, like any empty pattern.
  return !suffix.empty() && text.ends_with(suffix);
}

// --- Blanks and tags -----------------------------------------------------------

namespace {

// The first blank from i on that stands first in the text or right after a
// blank (or, with lineEnds, right after an LF), in the text as it was;
// `before` is the byte in front of text[i] (a blank at the start). Only
// such a blank can be dropped by the blank rules: any other blank follows a
// byte that is kept and is neither a blank nor the LF of a line end. The
// bytes are looked at eight at a time.
std::size_t NextDroppableBlank(const char* d, std::size_t n, std::size_t i, char before,
                               bool lineEnds) {
  auto marks = [lineEnds](char c) { return c == ' ' || (lineEnds && c == '\n'); };
  bool afterMark = marks(before);
#if defined(__SSE2__)
  // Sixteen bytes a step where the processor has SSE2: one bit a byte.
  {
    const __m128i blank = _mm_set1_epi8(' ');
    const __m128i lf = _mm_set1_epi8(lineEnds ? '\n' : ' ');
    for (; i + 16 <= n; i += 16) {
      const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
      const auto blanks = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(w, blank)));
      const unsigned marked =
          blanks | static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(w, lf)));
      const unsigned hits = blanks & ((marked << 1) | (afterMark ? 1u : 0u));
      if (hits != 0) return i + static_cast<std::size_t>(std::countr_zero(hits));
      afterMark = (marked >> 15) != 0;
    }
  }
#endif
  if constexpr (byte_words::kUsable) {
    using byte_words::BytesEqual;
    for (; i + 8 <= n; i += 8) {
      const std::uint64_t w = byte_words::Load(d + i);
      const std::uint64_t blanks = BytesEqual(w, ' ');
      const std::uint64_t marked = lineEnds ? blanks | BytesEqual(w, '\n') : blanks;
      const std::uint64_t hits = blanks & ((marked << 8) | (afterMark ? 0x80 : 0));
      if (hits != 0) return i + byte_words::FirstMarked(hits);
      afterMark = (marked >> 63) != 0;
    }
  }
  for (; i < n; ++i) {
    if (d[i] == ' ' && afterMark) return i;
    afterMark = marks(d[i]);
  }
  return n;
}

// The blank rule of CollapseBlanks and NormalizeBlanks, in place: the text
// between droppable blanks moves forward a run at a time; each droppable
// blank is judged by the text kept before it. NormalizeBlanks also drops a
// blank after a CR LF (dropping only blanks never joins a CR to an LF, so
// the test on the kept text is exact).
std::size_t KeepBlanks(char* const d, const std::size_t n, bool lineEnds) {
  std::size_t out = 0;
  for (std::size_t i = 0;;) {
    // In front of text[i] stood a blank, or nothing.
    const std::size_t j = NextDroppableBlank(d, n, i, ' ', lineEnds);
    if (out != i) std::char_traits<char>::move(d + out, d + i, j - i);
    out += j - i;
    if (j == n) break;
    const bool drop = out == 0 || d[out - 1] == ' ' ||
                      (lineEnds && out >= 2 && d[out - 2] == '\r' && d[out - 1] == '\n');
    if (!drop) d[out++] = ' ';
    i = j + 1;
  }
  return out;
}

}  // namespace

std::string CollapseBlanks(std::string text) {
  // Leading blanks go, and a blank right after a kept blank goes.
  text.resize(KeepBlanks(text.data(), text.size(), false));
  return text;
}

void AppendCollapsed(std::string& out, std::string_view text, std::string_view tail) {
  const std::size_t base = out.size();
  out.append(text).append(tail);
  out.resize(base + KeepBlanks(out.data() + base, out.size() - base, false));
}

std::string NormalizeBlanks(std::string text) {
  // A blank goes at the start, after a kept blank and after a CR LF; then a
  // trailing blank (at most one is left) goes too.
  std::size_t out = KeepBlanks(text.data(), text.size(), true);
  if (out > 0 && text[out - 1] == ' ') --out;
  text.resize(out);
  return text;
}

namespace {

// The tag rule of RemoveTags: hands `keep` each run of text outside the
// removed tags, in order, the rest of the text last. A tag runs from a "<"
// to the next ">"; a ">" met before any "<" ends the removing, as does a
// "<" that no ">" follows. Removing a tag leaves no "<" or ">" before it,
// so the next tag is looked for only after the one removed. Returns whether
// any tag was removed.
template <typename Keep>
bool ForEachRunOutsideTags(std::string_view text, Keep keep) {
  // One scan over the "<" and ">": outside a tag a "<" opens one (a "<"
  // inside one is part of it) and a ">" ends the removing; inside a tag a
  // ">" closes it. A tag still open at the end is kept.
  std::size_t from = 0;  // the run being kept starts here
  std::size_t open = 0;  // the "<" of the tag being read
  bool inTag = false;
  bool ended = false;
  ForEachByteOf(text, "<>", [&](std::size_t at) {
    if (ended) return;
    if (text[at] == '<') {
      if (!inTag) open = at, inTag = true;
    } else if (!inTag) {
      ended = true;
    } else {
      keep(text.substr(from, open - from));
      from = at + 1;
      inTag = false;
    }
  });
  if (from == 0) return false;
  keep(text.substr(from));
  return true;
}

// The entities StripTags decodes.
std::string DecodeTagEntities(std::string text) {
  // Each entity starts with "&" and no replacement brings one in.
  // Every entity holds its only "&" in front and the replacements hold none,
  // so no two can overlap and none is made by another's replacing: one pass
  // over the "&"s, trying "&gt;" before "&gt" as the separate replacings do,
  // gives their result.
  std::size_t at = text.find('&');
  if (at == std::string::npos) return text;
  std::size_t kept = at;  // text[0, kept) is decoded in place
  std::size_t from = at;  // text[from, at) is still to be moved down
  for (; at != std::string::npos; at = text.find('&', at + 1)) {
    const std::string_view rest = std::string_view(text).substr(at);
    std::size_t length = 0;
    char decoded = 0;
    if (rest.starts_with("&nbsp;")) {
      length = 6, decoded = ' ';
    } else if (rest.starts_with("&gt")) {
      length = rest.starts_with("&gt;") ? 4 : 3, decoded = '>';
    } else if (rest.starts_with("&lt")) {
      length = rest.starts_with("&lt;") ? 4 : 3, decoded = '<';
    } else {
      continue;
    }
    std::char_traits<char>::move(text.data() + kept, text.data() + from, at - from);
    kept += at - from;
    text[kept++] = decoded;
    from = at + length;
    at = from - 1;
  }
  std::char_traits<char>::move(text.data() + kept, text.data() + from, text.size() - from);
  text.resize(kept + text.size() - from);
  return text;
}

}  // namespace

std::string RemoveTags(std::string text) {
  // The kept runs move to the front in place; they never overtake the part
  // still to be read.
  std::size_t kept = 0;
  const bool removed = ForEachRunOutsideTags(text, [&](std::string_view run) {
    std::char_traits<char>::move(text.data() + kept, run.data(), run.size());
    kept += run.size();
  });
  if (removed) text.resize(kept);
  return text;
}

std::string StripTags(std::string text) { return DecodeTagEntities(RemoveTags(std::move(text))); }

std::string StripTagsOf(std::string_view text) {
  std::string kept;
  if (!ForEachRunOutsideTags(text, [&](std::string_view run) { kept.append(run); }))
    kept.assign(text);
  return DecodeTagEntities(std::move(kept));
}

namespace {

// The plain text of s[0, len) (the tags removed by the rule of RemoveTags,
// each blank judged by what was kept before it, as NormalizeBlanks does),
// written from d on; d may be s, since the writing never passes the byte
// being read. Returns its length, or npos at an "&" outside a tag: a decoded
// "&nbsp;" would be a blank to normalise, so such a text goes step by step.
std::size_t PlainTextInto(const char* const s, const std::size_t len, char* const d) {
  std::size_t n = 0;
  bool removing = true;
  for (std::size_t i = 0; i < len; ++i) {
    if constexpr (byte_words::kUsable) {
      // Bytes other than "<", ">", "&" and blanks are kept as they are,
      // eight at a time where the kept text lags far enough behind them.
      while (i + 8 <= len && (s != d || n == i || n + 8 <= i)) {
        const std::uint64_t w = byte_words::Load(s + i);
        const std::uint64_t marks = byte_words::BytesEqual(w, '<') |
                                    byte_words::BytesEqual(w, '>') |
                                    byte_words::BytesEqual(w, ' ') | byte_words::BytesEqual(w, '&');
        if (d + n != s + i) std::memcpy(d + n, &w, 8);
        const std::size_t kept = marks == 0 ? 8 : byte_words::FirstMarked(marks);
        n += kept;
        i += kept;
        if (kept < 8) break;
      }
      if (i == len) break;
    }
    const char c = s[i];
    if (c == '&') return std::string::npos;
    if (removing && c == '<') {
      std::size_t close = i + 1;
      while (close < len && s[close] != '>') ++close;
      if (close < len) {
        // An "&" inside a removed tag is gone with it, as in StripTagsOf.
        i = close;
        continue;
      }
      removing = false;  // no tag ends after this one
    } else if (c == '>') {
      removing = false;
    } else if (c == ' ' &&
               (n == 0 || d[n - 1] == ' ' || (n >= 2 && d[n - 2] == '\r' && d[n - 1] == '\n'))) {
      continue;
    }
    d[n++] = c;
  }
  if (n > 0 && d[n - 1] == ' ') --n;
  return n;
}

}  // namespace

void AppendPlainText(std::string& out, std::string_view text) {
  const std::size_t base = out.size();
  out.resize(base + text.size());
  const std::size_t n = PlainTextInto(text.data(), text.size(), out.data() + base);
  if (n != std::string::npos) {
    out.resize(base + n);
    return;
  }
  out.resize(base);
  out += NormalizeBlanks(StripTagsOf(text));
}

void KeepPlainText(std::string& text) {
  // Made in place, the text must not be found to hold an entity half way.
  if (text.find('&') != std::string::npos) {
    text = NormalizeBlanks(StripTags(std::move(text)));
    return;
  }
  text.resize(PlainTextInto(text.data(), text.size(), text.data()));
}

namespace {

constexpr std::string_view kUpperAlphabet = "AÁBCDEÉFGHIÍJKLMNOÓÖŐPQRSTUÚÜŰVWXYZ"_cp;
constexpr std::string_view kLowerAlphabet = "aábcdeéfghiíjklmnoóöőpqrstuúüűvwxyz"_cp;
static_assert(kUpperAlphabet.size() == 35 && kLowerAlphabet.size() == 35);

constexpr std::array<unsigned char, 256> MakeLowerTable() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = static_cast<unsigned char>(b);
  for (std::size_t i = 0; i < kUpperAlphabet.size(); ++i)
    table[static_cast<unsigned char>(kUpperAlphabet[i])] =
        static_cast<unsigned char>(kLowerAlphabet[i]);
  return table;
}

constexpr std::array<unsigned char, 256> kLowerTable = MakeLowerTable();

}  // namespace

std::string HungarianLowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(kLowerTable[static_cast<unsigned char>(c)]);
  return text;
}

bool HoldsLoweredAt(std::string_view text, std::size_t at, std::string_view lowered) {
  if (at > text.size() || lowered.size() > text.size() - at) return false;
  for (std::size_t i = 0; i < lowered.size(); ++i)
    if (kLowerTable[static_cast<unsigned char>(text[at + i])] !=
        static_cast<unsigned char>(lowered[i]))
      return false;
  return true;
}

std::size_t FindLoweredFrom(std::string_view text, std::string_view lowered, std::size_t from) {
  const std::size_t n = lowered.size();
  if (n == 0 || from > text.size() || n > text.size() - from) return std::string_view::npos;
  auto lower = [](char c) { return static_cast<char>(kLowerTable[static_cast<unsigned char>(c)]); };
  auto holdsAt = [&](std::size_t at) {
    for (std::size_t i = 0; i < n; ++i)
      if (lower(text[at + i]) != lowered[i]) return false;
    return true;
  };
  const std::size_t end = text.size() - n + 1;  // starts up to here are tried
  const char first = lowered.front();
  if (kLowerAlphabet.find(first) != std::string_view::npos) {
    for (; from < end; ++from)
      if (holdsAt(from)) return from;
    return std::string_view::npos;
  }
  // No other byte lowers to a first character outside the lower-case
  // alphabet (the "<" of a tag), so its occurrences are the candidates.
  // Tags often stand a few bytes apart: the next bytes are looked at in
  // place before memchr is called for a longer stretch.
  constexpr std::size_t kNear = 16;
  while (from < end) {
    std::size_t at = from;
    const std::size_t near = std::min(end, from + kNear);
    while (at < near && text[at] != first) ++at;
    if (at == near) {
      if (near == end) break;
      const void* hit = std::memchr(text.data() + near, first, end - near);
      if (hit == nullptr) break;
      at = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
    }
    if (holdsAt(at)) return at;
    from = at + 1;
  }
  return std::string_view::npos;
}

}  // namespace qv
