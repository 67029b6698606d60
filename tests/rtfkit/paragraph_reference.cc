#include "tests/rtfkit/paragraph_reference.h"

#include <string>
#include <string_view>
#include <utility>

#include "text/cp1250.h"
#include "text/text.h"

// The paragraph writer as it stood before its passes became single scans:
// every rewrite is a literal edit of the whole text, in order, so a pass costs
// time in proportion to the text for each of its edits. Kept unchanged as the
// behaviour that the single scans must reproduce byte for byte; only the loops
// that stood inside other steps are named here, so that tests can call them.

namespace qv::test::reference {

constexpr std::string_view kCrLf = "\r\n";
constexpr int kNarrativeWidth = 130;

// The sentence that ends the bold "Ebben a körben" run of the development
// point report.
constexpr std::string_view kSpendable = "pontot költhetsz el."_cp;

// --- Shared edits ------------------------------------------------------------

// Replaces every occurrence of pattern found left to right in the text as it
// is now; a replacement is not searched again, so it may hold its own
// pattern. With anyCase the occurrences are found in a HungarianLowerCase
// copy (pattern given in lower case) and replaced in the text itself.
std::string ReplaceOnePass(std::string_view pattern, std::string_view replacement,
                           const std::string& text, bool anyCase = false) {
  const std::string lowered = anyCase ? HungarianLowerCase(text) : std::string();
  const std::string& searched = anyCase ? lowered : text;
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at; (at = searched.find(pattern, from)) != std::string::npos;
       from = at + pattern.size()) {
    out.append(text, from, at - from);
    out += replacement;
  }
  out.append(text, from, std::string::npos);
  return out;
}

// Inserts closing right after the first closer at or after from, and returns
// the position that follows the inserted text. A group whose closer never
// comes is closed at the end of the text, so the RTF stays balanced.
int CloseAfter(std::string& text, int from, char closer, std::string_view closing) {
  const int found = CharPosFrom(text, closer, from);
  const int at = found > 0 ? found + 1 : Length(text) + 1;
  Insert(closing, text, at);
  return at + Length(closing);
}

// --- WriteNarrative ----------------------------------------------------------

// Deleting the blank of the first "( " (or " )") until none is left is
// exactly what ReplaceAll does when it replaces the pair by the bracket alone.
void TrimInsideParentheses(std::string& text) {
  text = ReplaceAll("( ", "(", std::move(text));
  text = ReplaceAll(" )", ")", std::move(text));
}

void MarkCarryOverSentence(std::string& text) {
  const int at =
      Find("Több pontod maradt, mint amennyit a következő körre át tudsz vinni."_cp, text);
  if (at > 0) Insert("<br>", text, at);
}

// The bold run that starts at "<B>Ebben a körben" is made to end with the
// sentence about the points left to spend: a "</B>" goes right after it and
// the report's own "</B>" that follows is dropped. When that sentence does
// not come after the run's start, only the line break is added, so no text
// is lost.
void EndSpendableBoldRun(std::string& text) {
  const int run = Find("<B>Ebben a körben"_cp, text);
  if (run == 0) return;
  Insert(kCrLf, text, run);
  const int sentence = PosFrom(kSpendable, text, run);
  if (sentence == 0) return;
  Insert("</B>\r\n", text, sentence + Length(kSpendable));
  // From the 24th character of the sentence on: past the "</B>" just added.
  const int reportEnd = PosFrom("</B>", text, sentence + 23);
  if (reportEnd > 0) Delete(text, reportEnd, Length("</B>"));
}

// A command result ending in a bold end (or a bold end and one character)
// loses that bold end.
void DropTrailingBoldEnd(const ParagraphContext& ctx, std::string& text) {
  if (ctx.commandLabel.empty()) return;
  const std::string lowered = HungarianLowerCase(text);
  const int n = Length(text);
  constexpr std::string_view kBoldEnd = "</b>";
  const int k = Length(kBoldEnd);
  if (EndsWith(lowered, kBoldEnd))
    Delete(text, n - k + 1, k);
  else if (n >= k + 1 && Copy(lowered, n - k, k) == kBoldEnd)
    Delete(text, n - k, k);
}

// Drops the stray "</B>" of ".]</SPAN> </B>" after the last report of the
// development points used.
void DropBoldEndAfterUsedPoints(std::string& text) {
  if (!Contains(text, "Ebben a körben"_cp)) return;
  const std::size_t last = text.rfind("pontot használtál fel, van még"_cp);
  if (last == std::string::npos) return;
  const int first = static_cast<int>(last) + 1;
  constexpr std::string_view kStray = ".]</SPAN> </B>";
  const int found = PosFrom(kStray, text, first + 1);
  // The "</B>" is the marker's last four characters.
  if (found > 0) Delete(text, found + Length(kStray) - Length("</B>"), Length("</B>"));
}

void BreakBeforeContinueMarks(std::string& text) {
  for (int pos = 1, at; (at = PosFrom(" (Továbbmész...)"_cp, text, pos)) > 0; pos = at + 1)
    Insert("\r\n\\par\\par\r\n", text, at + 1);
}

void MarkSignedBonuses(std::string& text) {
  for (int pos = 1, at; (at = PosFrom(" (+", text, pos)) > 0; pos = at + 1) {
    Insert("<i><b>", text, at + 1);
    CloseAfter(text, at, ')', "</b></i>");
  }
}

// Layout RTF, steps up to the common tail.
void NarrativeOlder(std::string& text) {
  // Literal braces become "\{" and "\}", the text between them an italic group.
  text = ReplaceOnePass("; {Lőfegyver fejlődés:"_cp, ";} {Lőfegyver fejlődés:"_cp, text);
  text = ReplaceOnePass(" {", R"( {\i \{)", text);
  text = ReplaceOnePass("}<", "} <", text);
  text = ReplaceOnePass(">{", R"(> {\i \{)", text);
  text = ReplaceOnePass("} ", R"(\}} )", text);

  text = ReplaceAll("<BR> <P>", "", std::move(text));
  // The replacements hold no "<", so one pass sees every mark.
  text = ReplaceOnePass("<br>", "\r\n\\par ", text, true);
  text = ReplaceOnePass("<p class=csata>", "\r\n\\par ", text, true);

  // The inserted break parts the blank from the "(", so each phrase is taken
  // once and the loop ends; none is left before the scan position.
  BreakBeforeContinueMarks(text);

  TrimInsideParentheses(text);
  // The "<br>" lands after the "<br>" conversion above, so it gives no line
  // break: the tag stripping removes it.
  MarkCarryOverSentence(text);
  EndSpendableBoldRun(text);
}

// Layout RTFuj, steps up to the common tail.
void NarrativeNewer(std::string& text) {
  // Braces next to tags become literal; no italic group is made.
  text = ReplaceAll(">{", R"(>\{)", std::move(text));
  text = ReplaceAll("}<", R"(\} <)", std::move(text));

  text = ReplaceAll("<br>", "", std::move(text));
  // Inserting the break and deleting the "<p>" is one replacement; it holds
  // no "<p>(", so the loop of ReplaceAll ends.
  text = ReplaceAll("<p>(Továbbmész...)"_cp, "<br><br>\r\n(Továbbmész...)"_cp, std::move(text));

  // Each "<p>" becomes a double break unless a tag follows it at once.
  // Neither edit can form a new "<p>", so one pass left to right sees them all.
  {
    const std::string lowered = HungarianLowerCase(text);
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at; (at = lowered.find("<p>", from)) != std::string::npos;) {
      out.append(text, from, at - from);
      from = at + 3;
      if (from >= text.size() || text[from] != '<') out += "<br><br>\r\n";
    }
    out.append(text, from, std::string::npos);
    text = std::move(out);
  }

  TrimInsideParentheses(text);

  // Signed bonuses in parentheses become bold italic. The "<i><b>" parts the
  // blank from the "(", so every occurrence is handled once; one before the
  // scan position cannot remain.
  MarkSignedBonuses(text);

  MarkCarryOverSentence(text);  // becomes a paragraph break in WriteParagraph
  if (Contains(text, "<BR><B>Ebben a körben"_cp)) EndSpendableBoldRun(text);
}

// The tail that both variants share.
void NarrativeTail(const ParagraphContext& ctx, std::string& text, RtfWriter& out) {
  text = NormalizeBlanks(std::move(text));
  DropTrailingBoldEnd(ctx, text);
  DropBoldEndAfterUsedPoints(text);
  DropTrailingBoldEnd(ctx, text);
  text = NormalizeBlanks(std::move(text));
  reference::WriteParagraph(ctx, std::move(text), kNarrativeWidth, out);
}

// --- WriteParagraph ----------------------------------------------------------

// Turns each open tag that has a close tag after it (both in any case) into
// group and "}". An open tag without a partner stays for the tag stripping.
void PairTags(std::string& text, std::string_view open, std::string_view close,
              std::string_view group) {
  // Lowering the groups changes nothing, so the copy is edited alongside.
  std::string lowered = HungarianLowerCase(text);
  for (int scan = 1;;) {
    const int start = PosFrom(open, lowered, scan);
    if (start == 0) return;
    const int end = PosFrom(close, lowered, start);
    if (end > 0) {
      for (std::string* t : {&text, &lowered}) {
        Delete(*t, start, Length(open));
        Insert(group, *t, start);
        const int moved = end + Length(group) - Length(open);
        Delete(*t, moved, Length(close));
        Insert("}", *t, moved);
      }
    }
    scan = start + 1;
  }
}

// ReplaceAll("{\b  ", " {\b "): a blank that follows a bold opening moves in
// front of it. Each round of ReplaceAll swaps that blank with the opening,
// except where the opening follows another "{\b ": there the blank it puts
// in front makes an earlier occurrence, which it deletes instead, restoring
// the text, and it never ends. Swapping in place is the same edit in every
// other case and goes on to the outer opening there. A swap can create an
// occurrence only four characters further back, so the search resumes there.
void MoveBlankBeforeBold(std::string& text) {
  constexpr std::string_view kOpening = R"({\b  )";
  for (std::size_t from = 0, at; (at = text.find(kOpening, from)) != std::string::npos;
       from = at >= 4 ? at - 4 : 0)
    text.replace(at, kOpening.size(), R"( {\b )");
}

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

// Groups every opener whose next character passes accepts, up to the first
// closer at or after it.
void GroupAtOpener(std::string& text, const std::string& opening, char opener,
                   bool (*accepts)(char), char closer) {
  for (int pos = 1, at; (at = CharPosFrom(text, opener, pos)) > 0;) {
    if (at < Length(text) && accepts(text[at])) {  // text[at] follows position at
      Insert(opening, text, at);
      pos = CloseAfter(text, at, closer, "}");
    } else {
      pos = at + 1;
    }
  }
}

// Groups every phrase (which starts with "(") up to the first ")" at or after it.
void GroupAtPhrase(std::string& text, const std::string& opening, std::string_view phrase) {
  for (int pos = 1, at; (at = PosFrom(phrase, text, pos)) > 0;) {
    Insert(opening, text, at);
    pos = CloseAfter(text, at, ')', "}");
  }
}

// Groups a combat phrase together with the number in front of it: the group
// opens at the last blank before the phrase and closes after its final ".".
void GroupCombatPhrase(std::string& text, const std::string& opening, std::string_view phrase) {
  for (int pos = 1, at; (at = PosFrom(phrase, text, pos)) > 0; pos = at + 1) {
    if (at == 1) continue;
    const int blank = CharPosBackFrom(text, ' ', at - 1);
    if (blank == 0) continue;
    Insert(opening, text, blank);
    at += Length(opening);
    Insert("}", text, at + Length(phrase));
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

// Rules H, K, S, F and E, in this order.
void AddEmphasis(const Emphasis& e, std::string& text) {
  if (const std::string g = GroupOpening(e.harcFelkover, e.harcDolt); !g.empty()) {
    GroupAtOpener(text, g, '(', IsDigit, ')');
    GroupCombatPhrase(text, g, " életpontot sebeztél."_cp);
    GroupCombatPhrase(text, g, " életpontot vesztettél."_cp);
  }
  if (const std::string g = GroupOpening(e.kerekZarojelFelkover, e.kerekZarojelDolt); !g.empty())
    GroupAtOpener(text, g, '(', IsSign, ')');
  if (const std::string g = GroupOpening(e.szogletesZarojelFelkover, e.szogletesZarojelDolt);
      !g.empty())
    GroupAtOpener(text, g, '[', IsSign, ']');
  if (const std::string g = GroupOpening(e.feltetelesFelkover, e.feltetelesDolt); !g.empty())
    GroupAtPhrase(text, g, "(Feltételes "_cp);
  if (const std::string g = GroupOpening(e.encyclopediaFelkover, e.encyclopediaDolt); !g.empty())
    GroupAtPhrase(text, g, "(ld. enc.)");
}

// Writes the text word by word (a word runs up to and including a blank) and
// starts a new source line before a word that would reach column width.
// Line breaks inside words are written as they are and do not reset the
// column.
void WrapAndWrite(const std::string& text, int width, RtfWriter& out) {
  int column = 1;
  for (std::size_t rest = 0; rest < text.size();) {
    const std::size_t blank = text.find(' ', rest);
    const std::size_t end = blank == std::string::npos ? text.size() : blank + 1;
    const std::string_view word(text.data() + rest, end - rest);
    rest = end;
    if (Length(word) + column > width) {
      out.Line("");
      column = 1;
    }
    out.Write(word);
    column += Length(word);
  }
  out.Line("");
}

void WriteNarrative(const ParagraphContext& ctx, std::string& narrative, RtfWriter& out) {
  if (narrative.empty()) return;
  if (ctx.layout == Layout::kOlder)
    NarrativeOlder(narrative);
  else
    NarrativeNewer(narrative);
  NarrativeTail(ctx, narrative, out);
  narrative.clear();
}

void WriteParagraph(const ParagraphContext& ctx, std::string text, int width, RtfWriter& out) {
  const bool uj = ctx.layout == Layout::kNewer;

  if (uj) text = NormalizeBlanks(std::move(text));
  const int k = Length("<BR>");
  if (EndsWith(text, "<BR>")) Delete(text, Length(text) - k + 1, k);
  if (EndsWith(text, "<br>")) Delete(text, Length(text) - k + 1, k);
  if (text.starts_with("</b>") || text.starts_with("</B>")) Delete(text, 1, Length("</b>"));
  if (uj) text = ReplaceAll("<b>enc.</b>", "enc.", std::move(text));

  PairTags(text, "<b>", "</b>", R"({\b )");
  PairTags(text, "<i>", "</i>", R"({\i )");

  // RTFuj only: line and paragraph marks become "\par", except in the
  // results of "kut " commands that hold no ". Egy {\b".
  if (uj && !(Contains(ctx.commandLabel, "kut ") && !Contains(text, R"(. Egy {\b)"))) {
    text = ReplaceAll("<BR>", "\r\n\\par\r\n", std::move(text));
    text = ReplaceAll("<br>", "\r\n\\par\r\n", std::move(text));
    text = ReplaceAll("<p>", "\\par\\par\r\n", std::move(text));
    text = ReplaceAll("<P>", "\\par\\par\r\n", std::move(text));
  }

  text = StripTags(std::move(text));
  Insert(R"(\qj )", text, 1);
  text = ReplaceAll("\r\n ", kCrLf, std::move(text));
  MoveBlankBeforeBold(text);
  text = NormalizeBlanks(std::move(text));

  if (ctx.narrativeMode) reference::AddEmphasis(ctx.emphasis, text);
  WrapAndWrite(text, width, out);
}

}  // namespace qv::test::reference
