#include "rtfkit/markup_scans.h"

#include <cstddef>
#include <cstring>
#include <vector>

#include "text/search.h"
#include "text/text.h"

namespace qv {

std::string ReplaceOnePass(std::string_view pattern, std::string_view replacement,
                           std::string text, bool anyCase) {
  auto find = [&](std::size_t from) {
    return anyCase ? FindLoweredFrom(text, pattern, from) : FindFrom(text, pattern, from);
  };
  std::size_t at = find(0);
  if (at == std::string::npos) return text;  // nothing to copy
  std::string out;
  out.reserve(RoomForEdits(text.size()));
  std::size_t from = 0;
  for (; at != std::string::npos; at = find(from)) {
    out.append(text, from, at - from);
    out += replacement;
    from = at + pattern.size();
  }
  out.append(text, from, std::string::npos);
  return out;
}

// Made one at a time, each open tag takes the first close tag after it that
// is still there. An open tag further right never takes an earlier close
// tag than one further left (that close tag would have been free for the
// left one too), so the partners come in order and one cursor over the close
// tags finds them all. The replacements hold no "<" and join nothing, so
// every tag is found where it stood.
std::string PairTags(std::string text, std::string_view open, std::string_view close,
                     std::string_view group) {
  std::vector<std::size_t> opens;
  std::vector<std::size_t> closes;
  std::size_t next = FindLoweredFrom(text, close);
  for (std::size_t at = FindLoweredFrom(text, open);
       at != std::string::npos && next != std::string::npos;
       at = FindLoweredFrom(text, open, at + 1)) {
    while (next != std::string::npos && next < at) next = FindLoweredFrom(text, close, next + 1);
    if (next == std::string::npos) break;  // no later open tag has a partner either
    opens.push_back(at);
    closes.push_back(next);
    next = FindLoweredFrom(text, close, next + 1);
  }
  if (opens.empty()) return text;

  std::string out;
  out.reserve(text.size() + opens.size() * group.size());
  std::size_t from = 0;
  for (std::size_t o = 0, c = 0; c < closes.size();) {
    if (o < opens.size() && opens[o] < closes[c]) {
      out.append(text, from, opens[o] - from);
      out += group;
      from = opens[o++] + open.size();
    } else {
      out.append(text, from, closes[c] - from);
      out += '}';
      from = closes[c++] + close.size();
    }
  }
  out.append(text, from, std::string::npos);
  return out;
}

std::string PairTagKinds(std::string text, std::span<const TagKind> kinds) {
  // Every tag of every kind, in text order, as the index of its kind's open
  // (2k) or close (2k + 1) tag.
  struct Tag {
    std::size_t at;
    std::size_t what;
  };
  if (text.find('<') == std::string::npos) return text;
  // A tag is compared in full only when the byte after its "<" could start
  // it: the same byte, or an ASCII capital of it (the lowering maps no other
  // byte to an ASCII one).
  auto mayStart = [&text](std::size_t at, std::string_view tag) {
    if (tag.size() < 2 || at + 1 >= text.size()) return true;
    const char c = text[at + 1];
    return c == tag[1] || (tag[1] >= 'a' && tag[1] <= 'z' && c == tag[1] - 'a' + 'A');
  };
  std::vector<Tag> tags;
  for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
    for (std::size_t k = 0; k < kinds.size(); ++k) {
      if (mayStart(at, kinds[k].open) && HoldsLoweredAt(text, at, kinds[k].open)) {
        tags.push_back({at, 2 * k});
        break;
      }
      if (mayStart(at, kinds[k].close) && HoldsLoweredAt(text, at, kinds[k].close)) {
        tags.push_back({at, 2 * k + 1});
        break;
      }
    }
  }
  // Pairing as PairTags: per kind, each open tag takes the first close tag
  // after it that no earlier open tag took; the partners come in order, so
  // an open tag waits in a queue until the next close tag of its kind.
  std::vector<char> paired(tags.size(), 0);
  std::vector<std::vector<std::size_t>> waiting(kinds.size());
  std::vector<std::size_t> head(kinds.size(), 0);
  bool any = false;
  for (std::size_t t = 0; t < tags.size(); ++t) {
    const std::size_t k = tags[t].what / 2;
    if (tags[t].what % 2 == 0) {
      waiting[k].push_back(t);
    } else if (head[k] < waiting[k].size()) {
      paired[waiting[k][head[k]++]] = 1;
      paired[t] = 1;
      any = true;
    }
  }
  if (!any) return text;

  std::string out;
  out.reserve(RoomForEdits(text.size()));
  std::size_t from = 0;
  for (std::size_t t = 0; t < tags.size(); ++t) {
    if (!paired[t]) continue;
    const TagKind& kind = kinds[tags[t].what / 2];
    const bool open = tags[t].what % 2 == 0;
    out.append(text, from, tags[t].at - from);
    if (open)
      out += kind.group;
    else
      out += '}';
    from = tags[t].at + (open ? kind.open : kind.close).size();
  }
  out.append(text, from, std::string::npos);
  return out;
}

// The edit "{\b " + blank -> blank + "{\b " can be made in any order with the
// same result, since no two occurrences overlap; the text is built left to
// right with no occurrence left in it. It is held as characters and, between
// them, runs of openings, so that a blank goes in front of a whole run at
// once. A blank right after "{\b" completes an opening of its own and joins
// the run next to it.
std::string MoveBlankBeforeBold(std::string text) {
  constexpr std::string_view kOpening = R"({\b )";
  constexpr std::string_view kStart = R"({\b)";
  if (FindFrom(text, kStart) == std::string::npos) return text;

  std::string chars;
  chars.reserve(text.size());
  struct Run {
    std::size_t before;  // the run stands in front of chars[before]
    std::size_t count;
  };
  std::vector<Run> runs;
  auto runOnTop = [&] { return !runs.empty() && runs.back().before == chars.size(); };
  auto takeRunOnTop = [&]() -> std::size_t {
    if (!runOnTop()) return 0;
    const std::size_t count = runs.back().count;
    runs.pop_back();
    return count;
  };
  // "{\b" as the last three characters, with no run between them.
  auto startOnTop = [&] {
    const std::size_t n = chars.size();
    return n >= kStart.size() && chars.compare(n - kStart.size(), kStart.size(), kStart) == 0 &&
           (runs.empty() || runs.back().before <= n - kStart.size());
  };

  // Only a blank can move an opening, and only one right after "{\b" or
  // right after a blank that moved openings (a run on top). A "{\b" on top
  // is one of the text's own: wherever openings were taken out a run stands,
  // or a blank. So the text goes on as one piece up to its next "{\b " or,
  // after a moving blank, up to the blank that follows it at once.
  const char* const d = text.data();
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t at = i;
    if (!runOnTop() || d[i] != ' ') {
      const std::size_t found = FindFrom(text, kOpening, i);
      at = found == std::string::npos ? n : found + kStart.size();
    }
    chars.append(d + i, at - i);
    if (at == n) break;
    i = at;
    const std::size_t passed = takeRunOnTop();  // the openings the blank goes in front of
    if (startOnTop()) {
      chars.resize(chars.size() - kStart.size());
      const std::size_t count = takeRunOnTop() + 1 + passed;
      runs.push_back({chars.size(), count});
    } else {
      chars += ' ';
      if (passed > 0) runs.push_back({chars.size(), passed});
    }
  }

  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (const Run& run : runs) {
    out.append(chars, from, run.before - from);
    for (std::size_t i = 0; i < run.count; ++i) out += kOpening;
    from = run.before;
  }
  out.append(chars, from, std::string::npos);
  return out;
}

// Every " (+" of the text is taken: the "<i><b>" parts only its own blank
// from its "(", and the closings go after a ")", where they part nothing.
// The groups waiting for a ")" all close at the next one.
std::string MarkSignedBonuses(std::string text) {
  constexpr std::string_view kBonus = " (+";
  constexpr std::string_view kOpening = "<i><b>";
  constexpr std::string_view kClosing = "</b></i>";
  std::size_t bonus = FindFrom(text, kBonus);
  if (bonus == std::string::npos) return text;
  std::string out;
  out.reserve(RoomForEdits(text.size()));
  std::size_t waiting = 0;
  auto close = [&] {
    for (; waiting > 0; --waiting) out += kClosing;
  };
  // The text goes out in runs between the openings (before the "(" of each
  // " (+") and the closings (after the first ")" while groups wait). The
  // next ")" is looked for again only once the text has passed it.
  std::size_t from = 0;
  std::size_t shut = 0;
  bool shutFound = false;
  for (;;) {
    const std::size_t open = bonus == std::string::npos ? bonus : bonus + 1;
    if (waiting > 0 && (!shutFound || (shut != std::string::npos && shut < from))) {
      shut = text.find(')', from);
      shutFound = true;
    }
    if (waiting > 0 && shut != std::string::npos && shut < open) {
      out.append(text, from, shut + 1 - from);
      close();
      from = shut + 1;
      continue;
    }
    if (open == std::string::npos) break;
    out.append(text, from, open - from);
    out += kOpening;
    ++waiting;
    from = open;
    bonus = FindFrom(text, kBonus, open);
  }
  out.append(text, from, std::string::npos);
  close();
  return out;
}

}  // namespace qv
