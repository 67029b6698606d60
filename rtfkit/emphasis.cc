#include "rtfkit/emphasis.h"

#include <cstddef>

#include "text/cp1250.h"
#include "text/report_markers.h"
#include "text/search.h"
#include "text/text.h"

// Each pass copies the text into a new one and adds its groups on the way,
// which gives the text that inserting them one by one would give.

namespace qv {
namespace {

// "{" + "\b" + "\i" + blank, each style only when its key is 1; empty when
// both are off, and the rule is then skipped.
std::string GroupOpening(int bold, int italic) {
  if (bold != 1 && italic != 1) return std::string();
  std::string opening = "{";
  if (bold == 1) opening += R"(\b)";
  if (italic == 1) opening += R"(\i)";
  opening += ' ';
  return opening;
}

// Copies the group that starts at text[at] up to and including the first
// closer at or after it and closes it; a group whose closer never comes is
// closed at the end of the text. Returns where the copying goes on.
std::size_t CopyGroup(const std::string& text, std::size_t at, char closer, std::string& out) {
  const std::size_t found = text.find(closer, at);
  const std::size_t end = found == std::string::npos ? text.size() : found + 1;
  out.append(text, at, end - at);
  out += '}';
  return end;
}

}  // namespace

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

std::string GroupAtOpener(std::string text, std::string_view opening, char opener,
                          bool (*accepts)(char), char closer) {
  // Openers not followed by an accepted character stay as they are, so the
  // copying starts at the first one that is.
  std::size_t first = text.find(opener);
  while (first != std::string::npos && !(first + 1 < text.size() && accepts(text[first + 1])))
    first = text.find(opener, first + 1);
  if (first == std::string::npos) return text;
  std::string out;
  out.reserve(RoomForEdits(text.size()));
  std::size_t from = 0;  // text[0, from) is in out
  for (std::size_t at = first; at != std::string::npos; at = text.find(opener, at + 1)) {
    if (!(at + 1 < text.size() && accepts(text[at + 1]))) continue;
    out.append(text, from, at - from);
    out += opening;
    from = CopyGroup(text, at, closer, out);
    if (from == text.size()) break;
    at = from - 1;  // the search goes on behind the group
  }
  out.append(text, from, std::string::npos);
  return out;
}

std::string GroupAtPhrase(std::string text, std::string_view opening, std::string_view phrase) {
  const PatternFinder find(text, phrase);
  if (find(0) == std::string::npos) return text;
  std::string out;
  out.reserve(RoomForEdits(text.size()));
  std::size_t from = 0;
  for (std::size_t at; (at = find(from)) != std::string::npos;) {
    out.append(text, from, at - from);
    out += opening;
    from = CopyGroup(text, at, ')', out);
  }
  out.append(text, from, std::string::npos);
  return out;
}

// The phrases start with a blank, hold another one, and no two of their
// occurrences overlap. The blank in front of an occurrence is looked for in
// the text not yet copied; when there is none, it is the last blank already
// copied, which is inside the phrase grouped last, a few characters back.
// Only the first occurrence can find no blank at all (or stand at the start)
// and stay as it is.
std::string GroupCombatPhrase(std::string text, std::string_view opening, std::string_view phrase) {
  const PatternFinder find(text, phrase);
  if (find(0) == std::string::npos) return text;
  std::string out;
  out.reserve(RoomForEdits(text.size()));
  std::size_t copied = 0;  // text[0, copied) is in out
  for (std::size_t at = find(0); at != std::string::npos; at = find(at + 1)) {
    if (at == 0) continue;
    std::size_t blank = at;
    while (blank > copied && text[blank - 1] != ' ') --blank;
    if (blank > copied) {
      out.append(text, copied, blank - 1 - copied);
      out += opening;
      out.append(text, blank - 1, at - (blank - 1));
    } else {
      const std::size_t inOut = out.rfind(' ');
      if (inOut == std::string::npos) continue;
      out.insert(inOut, opening);
      out.append(text, copied, at - copied);
    }
    out += phrase;
    out += '}';
    copied = at + phrase.size();
  }
  out.append(text, copied, std::string::npos);
  return out;
}

std::string AddEmphasis(const Emphasis& e, std::string text) {
  if (const std::string g = GroupOpening(e.harcFelkover, e.harcDolt); !g.empty()) {
    text = GroupAtOpener(std::move(text), g, '(', IsDigit, ')');
    text = GroupCombatPhrase(std::move(text), g, prose::kDamageDealt);
    text = GroupCombatPhrase(std::move(text), g, prose::kDamageTaken);
  }
  if (const std::string g = GroupOpening(e.kerekZarojelFelkover, e.kerekZarojelDolt); !g.empty())
    text = GroupAtOpener(std::move(text), g, '(', IsSign, ')');
  if (const std::string g = GroupOpening(e.szogletesZarojelFelkover, e.szogletesZarojelDolt);
      !g.empty())
    text = GroupAtOpener(std::move(text), g, '[', IsSign, ']');
  if (const std::string g = GroupOpening(e.feltetelesFelkover, e.feltetelesDolt); !g.empty())
    text = GroupAtPhrase(std::move(text), g, prose::kConditional);
  if (const std::string g = GroupOpening(e.encyclopediaFelkover, e.encyclopediaDolt); !g.empty())
    text = GroupAtPhrase(std::move(text), g, prose::kSeeEncyclopedia);
  return text;
}

}  // namespace qv
