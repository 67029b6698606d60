#include "rtfkit/paragraph.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "rtfkit/brace_groups.h"
#include "rtfkit/markup_scans.h"
#include "rtfkit/rtf_escape.h"
#include "text/cp1250.h"
#include "text/report_markers.h"
#include "text/search.h"
#include "text/text.h"

// Every rewrite below is a literal text edit; later edits see the results of
// earlier ones, so the order of the steps is part of the output. Positions
// are 1-based like those of the text helpers.
//
// The report text is escaped (RtfEscape) before the first edit, so its "\",
// "{" and "}" stand as "\\", "\{" and "\}" throughout, and every "\" or
// unescaped brace in the text is one that the edits wrote. The rules about
// the report's braces look for them in that form.

namespace qv {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr int kNarrativeWidth = 130;

// The sentence that ends the bold "Ebben a körben" run of the development
// point report.
using prose::kSpendable;

// --- WriteNarrative ----------------------------------------------------------

// Deleting the blank of the first "( " (or " )") until none is left is
// exactly what ReplaceAll does when it replaces the pair by the bracket alone.
void TrimInsideParentheses(std::string& text) {
  text = ReplaceAll("( ", "(", std::move(text));
  text = ReplaceAll(" )", ")", std::move(text));
}

void MarkCarryOverSentence(std::string& text) {
  const int at = Find(prose::kCarryOver, text);
  if (at > 0) Insert("<br>", text, at);
}

// The bold run that starts at "<B>Ebben a körben" is made to end with the
// sentence about the points left to spend: a "</B>" goes right after it and
// the report's own "</B>" that follows is dropped. When that sentence does
// not come after the run's start, only the line break is added, so no text
// is lost.
void EndSpendableBoldRun(std::string& text) {
  const int run = Find(prose::kBoldThisTurn, text);
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
  const int n = Length(text);
  constexpr std::string_view kBoldEnd = "</b>";
  const int k = Length(kBoldEnd);
  // The last k + 1 characters (all of a shorter text), lowered.
  const std::string tail = HungarianLowerCase(Copy(text, n - k, k + 1));
  if (EndsWith(tail, kBoldEnd))
    Delete(text, n - k + 1, k);
  else if (n >= k + 1 && Copy(tail, 1, k) == kBoldEnd)
    Delete(text, n - k, k);
}

// Drops the stray "</B>" of ".]</SPAN> </B>" after the last report of the
// development points used.
void DropBoldEndAfterUsedPoints(std::string& text) {
  if (!Contains(text, prose::kThisTurn)) return;
  const std::size_t last = FindLast(text, prose::kPointsUsed);
  if (last == std::string::npos) return;
  const int first = static_cast<int>(last) + 1;
  constexpr std::string_view kStray = ".]</SPAN> </B>";
  const int found = PosFrom(kStray, text, first + 1);
  // The "</B>" is the marker's last four characters.
  if (found > 0) Delete(text, found + Length(kStray) - Length("</B>"), Length("</B>"));
}

// The two layouts' narratives take different edits (braces made italic
// groups or kept literal, paragraph marks made breaks or dropped), so each
// has its own steps up to the common tail.

// Older layout, steps up to the common tail.
void NarrativeOlder(std::string& text) {
  // A literal "{" after a blank or a tag and a literal "}" before a blank or
  // a tag enclose an italic group; braces without a partner stay literal
  // braces only.
  static const std::string gunDevelopment(prose::kGunDevelopment);
  static const std::string gunPattern = R"(; \{)" + gunDevelopment;
  static const std::string gunGroups = R"(;\} \{)" + gunDevelopment;
  // Each pattern holds a brace (and each mark below a "<"): a text without
  // one has nothing for them to find.
  if (FindAnyByte(text, "{}") != std::string::npos) {
    text = ReplaceOnePass(gunPattern, gunGroups, std::move(text));
    text = ReplaceOnePass(R"( \{)", R"( {\i \{)", std::move(text));
    text = ReplaceOnePass(R"(\}<)", R"(\} <)", std::move(text));
    text = ReplaceOnePass(R"(>\{)", R"(> {\i \{)", std::move(text));
    text = ReplaceOnePass(R"(\} )", R"(\}} )", std::move(text));
  }
  text = PairLiteralBraceGroups(std::move(text));

  if (text.find('<') != std::string::npos) {
    text = ReplaceAll("<BR> <P>", "", std::move(text));
    static constexpr MarkReplacement kBreaks[] = {{"<br>", "\r\n\\par "},
                                                  {"<p class=csata>", "\r\n\\par "}};
    text = ReplaceMarksOnePass(kBreaks, std::move(text));
  }

  // A break after the leading blank of each " (Továbbmész...)": it parts the
  // blank from the "(", so every phrase is taken once.
  static const std::string goOn = " " + std::string(prose::kGoOn);
  static const std::string goOnBroken = " \r\n\\par\\par\r\n" + std::string(prose::kGoOn);
  text = ReplaceOnePass(goOn, goOnBroken, std::move(text));

  TrimInsideParentheses(text);
  // The "<br>" lands after the "<br>" conversion above, so it gives no line
  // break: the tag stripping removes it.
  MarkCarryOverSentence(text);
  EndSpendableBoldRun(text);
}

// Newer layout, steps up to the common tail.
void NarrativeNewer(std::string& text) {
  // Braces next to tags are literal; no italic group is made. The escaped
  // report text has them as "\{" and "\}" already, so only the blank after
  // a "}" in front of a tag is added.
  text = ReplaceAll(R"(\}<)", R"(\} <)", std::move(text));

  text = ReplaceAll("<br>", "", std::move(text));

  // Each "<p>" becomes a double break unless a tag follows it at once.
  // Neither edit can form a new "<p>", so one pass left to right sees them all.
  // A "<p>" right before "(Továbbmész...)" is one of them: the phrase that
  // tells the reader to go on starts after a double break.
  {
    std::string out;
    std::size_t from = 0;
    bool edited = false;
    ForEachByte(text, '<', [&](std::size_t at) {
      if (!HoldsLoweredAt(text, at, "<p>")) return;
      if (!edited) out.reserve(RoomForEdits(text.size()));
      edited = true;
      out.append(text, from, at - from);
      from = at + 3;
      if (from >= text.size() || text[from] != '<') out += "<br><br>\r\n";
    });
    if (edited) {
      out.append(text, from, std::string::npos);
      text = std::move(out);
    }
  }

  TrimInsideParentheses(text);

  // Signed bonuses in parentheses become bold italic; a group whose ")"
  // never comes is closed at the end, so the RTF stays balanced.
  text = MarkSignedBonuses(std::move(text));

  MarkCarryOverSentence(text);  // becomes a paragraph break in WriteParagraph
  static const std::string boldRunAfterBreak = "<BR>" + std::string(prose::kBoldThisTurn);
  if (Contains(text, boldRunAfterBreak)) EndSpendableBoldRun(text);
}

void WriteEscapedParagraph(const ParagraphContext& ctx, std::string text, int width, RtfWriter& out,
                           bool blanksNormalized);

// The tail that both layouts share.
void NarrativeTail(const ParagraphContext& ctx, std::string& text, RtfWriter& out) {
  text = NormalizeBlanks(std::move(text));
  const std::size_t before = text.size();
  DropTrailingBoldEnd(ctx, text);
  DropBoldEndAfterUsedPoints(text);
  DropTrailingBoldEnd(ctx, text);
  // The drops only delete: a text of the same length is the same text,
  // whose blanks are normalised already.
  if (text.size() != before) text = NormalizeBlanks(std::move(text));
  WriteEscapedParagraph(ctx, std::move(text), kNarrativeWidth, out, true);
}

// --- WriteParagraph ----------------------------------------------------------

// Writes the text word by word (a word runs up to and including a blank) and
// starts a new source line before a word that would reach column width.
// Line breaks inside words are written as they are and do not reset the
// column.
void WrapAndWrite(const std::string& text, int width, RtfWriter& out) {
  // The words of a source line go out together, when the next one starts a
  // new line.
  const std::string_view all(text);
  std::size_t lineStart = 0;
  std::size_t rest = 0;  // where the next word starts
  std::int64_t column = 1;
  auto word = [&](std::size_t end) {
    const auto length = static_cast<std::int64_t>(end - rest);
    if (length + column > width) {
      out.Line(all.substr(lineStart, rest - lineStart));
      lineStart = rest;
      column = 1;
    }
    rest = end;
    column += length;
  };
  ForEachByte(all, ' ', [&](std::size_t blank) { word(blank + 1); });
  if (rest < text.size()) word(text.size());
  out.Line(all.substr(lineStart));
}

// ReplaceAll of "<BR>" and "<br>" by a line's "\par", then of "<p>" and "<P>"
// by a paragraph's, in one pass: every mark starts with the only "<" in it
// and no replacement holds a "<" or starts with a letter, so no replacing
// makes or unmakes a later mark, and each "<" is looked at once.
std::string LineAndParagraphMarksToPar(std::string text) {
  static constexpr std::string_view kLine = "\r\n\\par\r\n";
  static constexpr std::string_view kParagraph = "\\par\\par\r\n";
  auto markAt = [&text](std::size_t at) -> std::pair<std::size_t, std::string_view> {
    const std::string_view rest = std::string_view(text).substr(at);
    if (rest.starts_with("<BR>") || rest.starts_with("<br>")) return {4, kLine};
    if (rest.starts_with("<p>") || rest.starts_with("<P>")) return {3, kParagraph};
    return {0, {}};
  };
  std::size_t at = text.find('<');
  while (at != std::string::npos && markAt(at).first == 0) at = text.find('<', at + 1);
  if (at == std::string::npos) return text;  // nothing to copy
  std::string out;
  out.reserve(RoomForEdits(text.size()));
  std::size_t from = 0;
  for (; at != std::string::npos; at = text.find('<', at + 1)) {
    const auto [length, replacement] = markAt(at);
    if (length == 0) continue;
    out.append(text, from, at - from);
    out += replacement;
    from = at + length;
    at = from - 1;
  }
  out.append(text, from, std::string::npos);
  return out;
}

// WriteParagraph on text escaped already; `blanksNormalized` when the text
// has just been through NormalizeBlanks, which a second time changes nothing.
void WriteEscapedParagraph(const ParagraphContext& ctx, std::string text, int width, RtfWriter& out,
                           bool blanksNormalized) {
  const bool newerLayout = ctx.layout == Layout::kNewer;

  if (newerLayout && !blanksNormalized) text = NormalizeBlanks(std::move(text));
  const int k = Length("<BR>");
  if (EndsWith(text, "<BR>")) Delete(text, Length(text) - k + 1, k);
  if (EndsWith(text, "<br>")) Delete(text, Length(text) - k + 1, k);
  if (text.starts_with("</b>") || text.starts_with("</B>")) Delete(text, 1, Length("</b>"));
  if (newerLayout) text = ReplaceAll("<b>enc.</b>", "enc.", std::move(text));

  static constexpr TagKind kBoldThenItalic[] = {{"<b>", "</b>", R"({\b )"},
                                                {"<i>", "</i>", R"({\i )"}};
  text = PairTagKinds(std::move(text), kBoldThenItalic);

  // Newer layout only: line and paragraph marks become "\par", except in
  // the results of "kut " commands that hold no ". Egy {\b".
  static const std::string findingInBold = std::string(prose::kSearchFinding) + R"( {\b)";
  if (newerLayout &&
      !(Contains(ctx.commandLabel, prose::kSearchOrder) && !Contains(text, findingInBold))) {
    text = LineAndParagraphMarksToPar(std::move(text));
  }

  text = StripTags(std::move(text));
  // A group brace that the tag pairing wrote inside a tag went with the tag;
  // the groups are balanced again.
  text = BalanceGroups(std::move(text));
  Insert(R"(\qj )", text, 1);
  // The blanks after each line end are left to NormalizeBlanks below, which
  // drops every blank after an LF: moving blanks in front of bold openings
  // takes none away from a line end, and one it moves to a line end goes.
  // ReplaceAll("{\b  ", " {\b "), but where a bold opening follows another
  // the blank goes on in front of the outer one, instead of the replacing
  // undoing its own edit for ever.
  text = MoveBlankBeforeBold(std::move(text));
  text = NormalizeBlanks(std::move(text));

  if (ctx.narrativeMode) text = AddEmphasis(ctx.emphasis, std::move(text));
  WrapAndWrite(text, width, out);
}

}  // namespace

void WriteNarrative(const ParagraphContext& ctx, std::string& narrative, RtfWriter& out) {
  // A long narrative is escaped where it stands and handed on: a second copy
  // of megabytes would fill fresh memory. A short one is copied, and the
  // narrative keeps its room for the next.
  constexpr std::size_t kLongNarrative = 256 * 1024;
  std::string text;
  if (narrative.size() >= kLongNarrative) {
    text = std::exchange(narrative, std::string());
    RtfEscapeInPlace(text);
  } else {
    text = RtfEscape(narrative);
    narrative.clear();
  }
  if (text.empty()) return;
  if (ctx.layout == Layout::kOlder)
    NarrativeOlder(text);
  else
    NarrativeNewer(text);
  NarrativeTail(ctx, text, out);
}

void WriteParagraph(const ParagraphContext& ctx, std::string text, int width, RtfWriter& out) {
  WriteEscapedParagraph(ctx, RtfEscape(text), width, out, false);
}

}  // namespace qv
