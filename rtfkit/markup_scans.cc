#include "rtfkit/markup_scans.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "text/search.h"
#include "text/text.h"

namespace qv {

std::string ReplaceOnePass(std::string_view pattern, std::string_view replacement, std::string text,
                           bool anyCase) {
  const PatternFinder finder(text, pattern);
  auto find = [&](std::size_t from) {
    return anyCase ? FindLoweredFrom(text, pattern, from) : finder(from);
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

std::string ReplaceMarksOnePass(std::span<const MarkReplacement> marks, std::string text) {
  std::string out;
  std::size_t from = 0;
  bool edited = false;
  ForEachByte(text, '<', [&](std::size_t at) {
    for (const MarkReplacement& mark : marks) {
      if (!HoldsLoweredAt(text, at, mark.lowered)) continue;
      if (!edited) out.reserve(RoomForEdits(text.size()));
      edited = true;
      out.append(text, from, at - from);
      out += mark.replacement;
      from = at + mark.lowered.size();
      return;
    }
  });
  if (!edited) return text;
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
  if (text.find('<') == std::string::npos) return text;
  // A tag is compared in full only when the byte after its "<" could start
  // it: the same byte, or an ASCII capital of it (the lowering maps no other
  // byte to an ASCII one).
  auto mayStart = [&text](std::size_t at, std::string_view tag) {
    if (tag.size() < 2 || at + 1 >= text.size()) return true;
    const char c = text[at + 1];
    return c == tag[1] || (tag[1] >= 'a' && tag[1] <= 'z' && c == tag[1] - 'a' + 'A');
  };
  // Calls visit(at, k, open) for every tag of every kind, in text order.
  auto forEachTag = [&](auto&& visit) {
    ForEachByte(text, '<', [&](std::size_t at) {
      for (std::size_t k = 0; k < kinds.size(); ++k) {
        if (mayStart(at, kinds[k].open) && HoldsLoweredAt(text, at, kinds[k].open)) {
          visit(at, k, true);
          return;
        }
        if (mayStart(at, kinds[k].close) && HoldsLoweredAt(text, at, kinds[k].close)) {
          visit(at, k, false);
          return;
        }
      }
    });
  };
  // Pairing as PairTags: per kind, each open tag takes the first close tag
  // after it that no earlier open tag took. The open tags waiting are taken
  // in the order they came, so a count stands for them: a close tag is
  // paired when one is waiting, and the paired open tags are the first of
  // their kind, as many as the pairs. Nothing is kept per tag.
  //
  // One scan makes the edits as if every open tag were paired, which holds
  // when none waits at the end, as in a well-formed text. Otherwise the
  // pairs it counted tell which open tags are, and a second scan makes the
  // edits again.
  std::vector<std::size_t> waiting(kinds.size(), 0), opened(kinds.size(), 0),
      pairs(kinds.size(), 0);
  std::string out;
  std::size_t from = 0;
  auto edit = [&](std::size_t at, std::size_t k, bool open) {
    if (from == 0) out.reserve(RoomForEdits(text.size()));  // the first edit
    out.append(text, from, at - from);
    if (open)
      out += kinds[k].group;
    else
      out += '}';
    from = at + (open ? kinds[k].open : kinds[k].close).size();
  };
  forEachTag([&](std::size_t at, std::size_t k, bool open) {
    if (open) {
      ++waiting[k];
    } else if (waiting[k] > 0) {
      --waiting[k], ++pairs[k];
    } else {
      return;
    }
    edit(at, k, open);
  });
  if (std::any_of(waiting.begin(), waiting.end(), [](std::size_t n) { return n > 0; })) {
    out.clear();
    from = 0;
    std::fill(waiting.begin(), waiting.end(), 0);
    std::fill(opened.begin(), opened.end(), 0);
    forEachTag([&](std::size_t at, std::size_t k, bool open) {
      bool paired = false;
      if (open) {
        paired = opened[k]++ < pairs[k];
        ++waiting[k];
      } else if (waiting[k] > 0) {
        paired = true;
        --waiting[k];
      }
      if (paired) edit(at, k, open);
    });
  }
  if (from == 0) return text;  // no tag paired: nothing to copy
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
  // Only a blank right after an opening ever moves, and a text without one
  // never gets one: such a text stays as it is.
  if (FindFrom(text, R"({\b  )") == std::string::npos) return text;

  // The text without the runs of openings is built in the text's own
  // storage: it never grows past what has been read.
  char* const d = text.data();
  const std::size_t n = text.size();
  std::size_t w = 0;  // the built characters: d[0, w)
  struct Run {
    std::size_t before;  // the run stands in front of d[before]
    std::size_t count;
  };
  // Each opening of the text adds at most one run.
  std::size_t openings = 0;
  for (std::size_t at = FindFrom(text, kOpening); at != std::string::npos;
       at = FindFrom(text, kOpening, at + kOpening.size()))
    ++openings;
  std::vector<Run> runs;
  runs.reserve(openings);
  auto runOnTop = [&] { return !runs.empty() && runs.back().before == w; };
  auto takeRunOnTop = [&]() -> std::size_t {
    if (!runOnTop()) return 0;
    const std::size_t count = runs.back().count;
    runs.pop_back();
    return count;
  };
  // "{\b" as the last three characters, with no run between them.
  auto startOnTop = [&] {
    return w >= kStart.size() && std::string_view(d + w - kStart.size(), kStart.size()) == kStart &&
           (runs.empty() || runs.back().before <= w - kStart.size());
  };

  // Only a blank can move an opening, and only one right after "{\b" or
  // right after a blank that moved openings (a run on top). A "{\b" on top
  // is one of the text's own: wherever openings were taken out a run stands,
  // or a blank. So the text goes on as one piece up to its next "{\b " or,
  // after a moving blank, up to the blank that follows it at once. What is
  // still to read, from i on, is the text as it came.
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t at = i;
    if (!runOnTop() || d[i] != ' ') {
      const std::size_t found = FindFrom(text, kOpening, i);
      at = found == std::string::npos ? n : found + kStart.size();
    }
    std::memmove(d + w, d + i, at - i);
    w += at - i;
    if (at == n) break;
    i = at;
    const std::size_t passed = takeRunOnTop();  // the openings the blank goes in front of
    if (startOnTop()) {
      w -= kStart.size();
      const std::size_t count = takeRunOnTop() + 1 + passed;
      runs.push_back({w, count});
    } else {
      d[w++] = ' ';
      if (passed > 0) runs.push_back({w, passed});
    }
  }

  // The runs go in from the back, each piece moving once to its place.
  std::size_t shift = 0;
  for (const Run& run : runs) shift += run.count * kOpening.size();
  text.resize(w + shift);
  char* const e = text.data();
  std::size_t end = w;
  for (std::size_t k = runs.size(); k > 0; --k) {
    const Run& run = runs[k - 1];
    std::memmove(e + run.before + shift, e + run.before, end - run.before);
    for (std::size_t c = 0; c < run.count; ++c) {
      shift -= kOpening.size();
      std::memcpy(e + run.before + shift, kOpening.data(), kOpening.size());
    }
    end = run.before;
  }
  return text;
}

// Every " (+" of the text is taken: the "<i><b>" parts only its own blank
// from its "(", and the closings go after a ")", where they part nothing.
// The groups waiting for a ")" all close at the next one.
std::string MarkSignedBonuses(std::string text) {
  constexpr std::string_view kBonus = " (+";
  constexpr std::string_view kOpening = "<i><b>";
  constexpr std::string_view kClosing = "</b></i>";
  const PatternFinder findBonus(text, kBonus);
  std::size_t bonus = findBonus(0);
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
    bonus = findBonus(open);
  }
  out.append(text, from, std::string::npos);
  close();
  return out;
}

}  // namespace qv
