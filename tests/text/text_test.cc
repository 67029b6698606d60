#include "text/text.h"
#include "text/line_cuts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "text/cp1250.h"
#include "text/hex_digits.h"

namespace qv {
namespace {

// --- Literal step-by-step versions of the rules, for comparison -------------

// Returns false when the rewriting did not end within the step limit.
bool NaiveReplaceAll(const std::string& p, const std::string& r, std::string& text) {
  if (p.empty() || p == r) return true;
  for (int steps = 0; text.find(p) != std::string::npos; ++steps) {
    if (steps > 10000) return false;
    text.insert(text.find(p), r);
    text.erase(text.find(p), p.size());
  }
  return true;
}

std::string NaiveCollapseBlanks(std::string t) {
  while (!t.empty() && t[0] == ' ') t.erase(0, 1);
  for (std::size_t at; (at = t.find("  ")) != std::string::npos;) t.erase(at, 1);
  return t;
}

std::string NaiveNormalizeBlanks(std::string t) {
  for (std::size_t at; (at = t.find("  ")) != std::string::npos;) t.erase(at, 1);
  while (!t.empty() && t[0] == ' ') t.erase(0, 1);
  while (!t.empty() && t.back() == ' ') t.pop_back();
  NaiveReplaceAll("\r\n ", "\r\n", t);
  return t;
}

std::string NaiveStripTagsOnly(std::string t) {
  for (;;) {
    const std::size_t open = t.find('<'), close = t.find('>');
    if (open == std::string::npos || close == std::string::npos || close < open) return t;
    t.erase(open, close - open + 1);
  }
}

std::string RandomText(std::mt19937& rng, std::string_view alphabet, int maxLength) {
  std::string s(std::uniform_int_distribution<int>(0, maxLength)(rng), ' ');
  for (char& c : s)
    c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
  return s;
}

// --- Hexadecimal digits ----------------------------------------------------------

// Every byte value in both letter cases, in runs whose length leaves each
// remainder of the sixteen- and four-byte steps.
TEST(PutHexDigits, EveryByteInBothCases) {
  std::vector<uint8_t> bytes(259);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
  for (const HexCase letters : {HexCase::kUpper, HexCase::kLower}) {
    // Lengths that end in each of the 16-, 4- and 1-byte steps.
    for (const std::size_t n : {0, 1, 3, 4, 7, 16, 20, 35, 259}) {
      std::string expected;
      char pair[3];
      for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(pair, sizeof pair, letters == HexCase::kUpper ? "%02X" : "%02x", bytes[i]);
        expected += pair;
      }
      std::string got(2 * n, '?');
      EXPECT_EQ(PutHex(std::span(bytes).first(n), got.data(), letters), got.data() + 2 * n);
      EXPECT_EQ(got, expected) << n;
    }
  }
}

// --- Basic edits -------------------------------------------------------------

TEST(TextEdits, FindAndContains) {
  EXPECT_EQ(Find("b", "abcb"), 2);
  EXPECT_EQ(Find("cb", "abcb"), 3);
  EXPECT_EQ(Find("x", "abc"), 0);
  EXPECT_EQ(Find("abcd", "abc"), 0);
  EXPECT_EQ(Find("", "abc"), 0);
  EXPECT_EQ(Find("B", "abc"), 0);
  EXPECT_TRUE(Contains("abc", "bc"));
  EXPECT_FALSE(Contains("abc", ""));
}

TEST(TextEdits, InsertClampsPosition) {
  auto insert = [](int p) {
    std::string t = "abc";
    Insert("X", t, p);
    return t;
  };
  EXPECT_EQ(insert(1), "Xabc");
  EXPECT_EQ(insert(2), "aXbc");
  EXPECT_EQ(insert(3), "abXc");
  EXPECT_EQ(insert(4), "abcX");
  EXPECT_EQ(insert(9), "abcX");
  EXPECT_EQ(insert(0), "Xabc");
  EXPECT_EQ(insert(-3), "Xabc");
}

TEST(TextEdits, DeleteOutsideDoesNothing) {
  auto del = [](int p, int n) {
    std::string t = "abcdef";
    Delete(t, p, n);
    return t;
  };
  EXPECT_EQ(del(2, 3), "aef");
  EXPECT_EQ(del(5, 10), "abcd");
  EXPECT_EQ(del(6, 1), "abcde");
  EXPECT_EQ(del(1, 6), "");
  EXPECT_EQ(del(0, 2), "abcdef");
  EXPECT_EQ(del(7, 1), "abcdef");
  EXPECT_EQ(del(2, 0), "abcdef");
  EXPECT_EQ(del(2, -1), "abcdef");
}

TEST(TextEdits, CopyEdges) {
  EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Copy("abcdef", 5, 10), "ef");
  EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
  EXPECT_EQ(Copy("abcdef", -4, 2), "ab");
  EXPECT_EQ(Copy("abcdef", 6, 1), "f");
  EXPECT_EQ(Copy("abcdef", 7, 1), "");
  EXPECT_EQ(Copy("abcdef", 2, 0), "");
  EXPECT_EQ(Copy("abcdef", 2, -1), "");
}

TEST(TextEdits, DeleteThroughAMarker) {
  std::string t = "ab<TD>cd<TD>e";
  DeleteThrough(t, "<TD>");
  EXPECT_EQ(t, "cd<TD>e");
  // A missing marker still takes its length less one off the front.
  t = "abcdef";
  DeleteThrough(t, "xyz");
  EXPECT_EQ(t, "cdef");
  t = "a";
  DeleteThrough(t, "xyz");
  EXPECT_EQ(t, "");
  std::string_view view = "x:y:z";
  EXPECT_EQ(DeleteThrough(view, ":"), "x:");
  EXPECT_EQ(DeleteThrough(view, "::::"), "y:z");
  EXPECT_EQ(view, "");
  EXPECT_EQ(TextBefore("12</TD>3</TD>", "</TD>"), "12");
  EXPECT_EQ(TextBefore("123", "</TD>"), "");
}

TEST(TextEdits, HoldsLowered) {
  // The pattern is given lowered; only ASCII letters of the line are lowered.
  EXPECT_TRUE(HoldsLowered("<TR><TD CLASS=tdb> 1 </TD>", "<td class=tdb"));
  EXPECT_TRUE(HoldsLowered("x</Table>", "</table>"));
  EXPECT_TRUE(HoldsLowered("<<TD", "<td"));
  EXPECT_TRUE(HoldsLowered("Összs"_cp, "Összs"_cp));
  EXPECT_TRUE(HoldsLowered("AbC", "abc"));
  EXPECT_FALSE(HoldsLowered("Összs"_cp, "összs"_cp));
  EXPECT_FALSE(HoldsLowered("<T D><TD", "<td>"));
  EXPECT_FALSE(HoldsLowered("<TD", "<TD"));
  EXPECT_FALSE(HoldsLowered("<t", "<td"));
  EXPECT_FALSE(HoldsLowered("", "<"));
  EXPECT_FALSE(HoldsLowered("abc", ""));
  // Against a lowered copy searched plainly, where tags end near every
  // sixteenth start and at the line's end.
  const std::string line =
      "<TD>x</Td> </TABLE><td></table>" + std::string(40, ' ') + "</TAB le></TABLE >x</TaBlE>";
  auto lowerAscii = [](std::string text) {
    for (char& c : text)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
  };
  for (std::size_t from = 0; from < line.size(); ++from)
    for (std::size_t to = from; to <= line.size(); ++to) {
      const std::string part = line.substr(from, to - from);
      for (const std::string pattern : {"</table>", "<td>", "<>", "> <", "</td> <"})
        ASSERT_EQ(HoldsLowered(part, pattern), lowerAscii(part).find(pattern) != std::string::npos)
            << "'" << pattern << "' in '" << part << "'";
    }
}

TEST(TextEdits, EndsWithAndAsciiCase) {
  EXPECT_TRUE(EndsWith("abc", "bc"));
  EXPECT_TRUE(EndsWith("abc", "abc"));
  EXPECT_FALSE(EndsWith("abc", "ab"));
  EXPECT_FALSE(EndsWith("bc", "abc"));
  EXPECT_FALSE(EndsWith("abc", ""));
  EXPECT_EQ(AsciiLowerCase(std::string("AbZ Á"_cp)), "abz Á"_cp);
  EXPECT_EQ(AsciiUpperCase(std::string("azB á"_cp)), "AZB á"_cp);
}

// --- Filling to a width --------------------------------------------------------

TEST(TextPad, NeverCuts) {
  EXPECT_EQ(PadRight("abc", 5), "abc  ");
  EXPECT_EQ(PadRight("abcdef", 5), "abcdef");
  EXPECT_EQ(PadRight("abc", 3), "abc");
  EXPECT_EQ(PadRight("abc", 0), "abc");
  EXPECT_EQ(PadRight("", 2), "  ");
  EXPECT_EQ(PadLeft("ab", 5), "   ab");
  EXPECT_EQ(PadLeft("abcdef", 5), "abcdef");
  EXPECT_EQ(PadZeros("7", 4), "0007");
  EXPECT_EQ(PadZeros("12345", 4), "12345");
  EXPECT_EQ(PadZeros("7", 0), "7");
}

// --- ReplaceAll ----------------------------------------------------------------

TEST(TextReplaceAll, RestartsFromTheBeginning) {
  EXPECT_EQ(ReplaceAll("  ", " ", "a     b"), "a b");
  EXPECT_EQ(ReplaceAll(" * ", "*", "a  * b"), "a* b");
  // Deleting "ab" from "aabb" joins a new "ab", which goes as well.
  EXPECT_EQ(ReplaceAll("ab", "", "xaabby"), "xy");
}

TEST(TextReplaceAll, PlainCases) {
  EXPECT_EQ(ReplaceAll("x", "x", "axb"), "axb");
  EXPECT_EQ(ReplaceAll("", "y", "abc"), "abc");
  EXPECT_EQ(ReplaceAll("a", "xyz", "bab"), "bxyzb");
  EXPECT_EQ(ReplaceAll("a", "b", "AaA"), "AbA");
  EXPECT_EQ(ReplaceAll("abc", "x", "ab"), "ab");
  EXPECT_EQ(ReplaceAll("<br>", "\\par ", "1<br>2<br>"), "1\\par 2\\par ");
  EXPECT_EQ(ReplaceAll("ab", "", ""), "");
}

// ReplaceAll against the literal rounds (where they end), counting the
// texts compared.
::testing::AssertionResult ReplacesByTheRule(const std::string& p, const std::string& r,
                                             const std::string& text, int& compared) {
  std::string expected = text;
  if (!NaiveReplaceAll(p, r, expected)) return ::testing::AssertionSuccess();
  ++compared;
  const std::string got = ReplaceAll(p, r, text);
  if (got == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pattern '" << p << "' replacement '" << r << "' text '"
                                       << text << "' gave '" << got << "'";
}

TEST(TextReplaceAll, MatchesLiteralRuleOnRandomTexts) {
  std::mt19937 rng(20240611);
  int compared = 0;
  for (int i = 0; i < 4000; ++i) {
    const std::string p = RandomText(rng, "ab ", 3);
    const std::string r = RandomText(rng, "ab ", 3);
    if (p.empty() || r.find(p) != std::string::npos) continue;
    const std::string text = RandomText(rng, "ab ", 24);
    ASSERT_TRUE(ReplacesByTheRule(p, r, text, compared));
  }
  EXPECT_GT(compared, 1000);
}

// Texts of 256 bytes and more are rewritten in one pass when the replacement
// can form no occurrence and through the gap otherwise, shorter ones in
// place; all follow the same rule.
TEST(TextReplaceAll, MatchesLiteralRuleOnLongRandomTexts) {
  std::mt19937 rng(77);
  int compared = 0;
  for (int i = 0; i < 300; ++i) {
    const std::string p = RandomText(rng, "ab ", 3);
    const std::string r = RandomText(rng, "ab ", 4);
    if (p.empty() || r.find(p) != std::string::npos) continue;
    const std::string text =
        RandomText(rng, "ab ", 60) + std::string(250, 'c') + RandomText(rng, "ab ", 60);
    ASSERT_TRUE(ReplacesByTheRule(p, r, text, compared));
  }
  EXPECT_GT(compared, 50);
}

// Replacings that only shorten the pattern ("( " to "(", " )" to ")", "<br>"
// to ""), on long texts where each taken occurrence can join a new one.
TEST(TextReplaceAll, ShorteningMatchesLiteralRule) {
  std::mt19937 rng(5);
  int compared = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::string p = RandomText(rng, "ab(", 4);
    if (p.empty()) continue;
    const std::size_t keep = rng() % p.size();
    const std::string r = rng() % 2 == 0 ? p.substr(0, keep) : p.substr(p.size() - 1);
    if (r.size() >= p.size()) continue;
    const std::string text =
        RandomText(rng, "ab( ", 200) + std::string(260, 'c') + RandomText(rng, "ab(", 200);
    ASSERT_TRUE(ReplacesByTheRule(p, r, text, compared));
  }
  EXPECT_GT(compared, 1000);
}

TEST(TextReplaceAll, LargeInputs) {
  std::string text, expected;
  for (int i = 0; i < 100000; ++i) {
    text += "xxxxxx<br>";
    expected += "xxxxxx\\par ";
  }
  ASSERT_EQ(text.size(), 1000000u);
  EXPECT_EQ(ReplaceAll("<br>", "\\par ", text), expected);

  std::string blanks, single;
  for (int i = 0; i < 100000; ++i) {
    blanks += "word      ";
    single += "word ";
  }
  EXPECT_EQ(ReplaceAll("  ", " ", blanks), single);
}

// --- Searches from a position ------------------------------------------------------

TEST(TextSearch, PosFrom) {
  EXPECT_EQ(PosFrom("ab", "xxabyyab", 4), 7);
  EXPECT_EQ(PosFrom("ab", "xxabyyab", 3), 3);
  EXPECT_EQ(PosFrom("ab", "ab", 3), 0);
  EXPECT_EQ(PosFrom("ab", "xab", 0), 2);
  EXPECT_EQ(PosFrom("ab", "xab", -5), 2);
  EXPECT_EQ(PosFrom("ab", "xabx", 3), 0);  // begins before start
  EXPECT_EQ(PosFrom("b", "ab", 2), 2);
  EXPECT_EQ(PosFrom("", "abc", 1), 0);
}

TEST(TextSearch, CharPositions) {
  EXPECT_EQ(CharPosFrom("a b c", ' ', 1), 2);
  EXPECT_EQ(CharPosFrom("a b c", ' ', 3), 4);
  EXPECT_EQ(CharPosFrom("a b c", ' ', 5), 0);
  EXPECT_EQ(CharPosFrom("a b c", ' ', 6), 0);
  EXPECT_EQ(CharPosFrom("abc", 'x', 1), 0);
  EXPECT_EQ(CharPosBackFrom("a b c", ' ', 3), 2);
  EXPECT_EQ(CharPosBackFrom("a b c", ' ', 1), 0);
  EXPECT_EQ(CharPosBackFrom("a b c", ' ', 4), 4);
  EXPECT_EQ(CharPosBackFrom("a b c", ' ', 5), 4);
  EXPECT_EQ(CharPosBackFrom("a b c", ' ', 6), 0);
}

// --- Blanks --------------------------------------------------------------------------

TEST(TextBlanks, Collapse) {
  EXPECT_EQ(CollapseBlanks("   a   b  "), "a b ");
  EXPECT_EQ(CollapseBlanks("   "), "");
  EXPECT_EQ(CollapseBlanks(""), "");
  EXPECT_EQ(CollapseBlanks("a\t\tb"), "a\t\tb");
  // Appended, the piece's own start counts as the start: the text before it
  // takes no part, and the tail is collapsed with the piece.
  std::string story = "x ";
  AppendCollapsed(story, "  a  b ", " ");
  AppendCollapsed(story, "", " ");
  AppendCollapsed(story, "c", " ");
  EXPECT_EQ(story, "x a b c ");
}

TEST(TextBlanks, Normalize) {
  EXPECT_EQ(NormalizeBlanks("  a  b \r\n  c  "), "a b \r\nc");
  EXPECT_EQ(NormalizeBlanks("   "), "");
  EXPECT_EQ(NormalizeBlanks("a\r\n \r\n b"), "a\r\n\r\nb");
  EXPECT_EQ(NormalizeBlanks("a\r \nb"), "a\r \nb");  // not a line break
  EXPECT_EQ(NormalizeBlanks("a\n b"), "a\n b");
  EXPECT_EQ(NormalizeBlanks("a\xA0\xA0 b"), "a\xA0\xA0 b");
}

// Longer texts too: the rules look at eight or sixteen bytes at a time.
TEST(TextBlanks, MatchLiteralRulesOnRandomTexts) {
  std::mt19937 rng(77);
  for (int i = 0; i < 6000; ++i) {
    const std::string text =
        i % 2 == 0 ? RandomText(rng, "a  \r\n", 16) : RandomText(rng, "ab   \r\n\n\xA0", 96);
    ASSERT_EQ(CollapseBlanks(text), NaiveCollapseBlanks(text)) << "'" << text << "'";
    ASSERT_EQ(NormalizeBlanks(text), NaiveNormalizeBlanks(text)) << "'" << text << "'";
  }
}

// --- Tags and entities -------------------------------------------------------------

TEST(TextTags, RemovesTagsThenDecodes) {
  EXPECT_EQ(StripTags("<b>x</b> 5 &gt; 3"), "x 5 > 3");
  EXPECT_EQ(StripTags("a&nbsp;&ltb&gt"), "a <b>");
  EXPECT_EQ(StripTags("<a <b>c"), "c");
  EXPECT_EQ(StripTags("x<unclosed"), "x<unclosed");
  EXPECT_EQ(StripTags("&lt;&gt;&gt;x&gtx"), "<>>x>x");
  EXPECT_EQ(StripTags("&amp;&quot;&#65;"), "&amp;&quot;&#65;");
}

// The entities decoded as five replacings in a row, on texts of entity
// pieces that run into each other ("&&gt;", "&lt&nbsp;;", a cut "&nbs").
TEST(TextTags, EntitiesDecodeAsReplacingsInTurn) {
  std::mt19937 rng(7);
  const std::vector<std::string> pieces = {"&",    "&nbsp;", "&nbs", "&gt", "&gt;", "&lt",
                                           "&lt;", ";",      "g",    "t",   "x",    " "};
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    const int n = static_cast<int>(rng() % 8);
    for (int k = 0; k < n; ++k) text += pieces[rng() % pieces.size()];
    std::string expected = text;
    for (const auto& [entity, decoded] :
         {std::pair{"&nbsp;", " "}, {"&gt;", ">"}, {"&gt", ">"}, {"&lt;", "<"}, {"&lt", "<"}})
      expected = ReplaceAll(entity, decoded, expected);
    ASSERT_EQ(StripTags(text), expected) << text;
  }
}

TEST(TextTags, LiteralGreaterThanStopsRemoval) {
  EXPECT_EQ(StripTags("a > b <i>c</i>"), "a > b <i>c</i>");
  EXPECT_EQ(StripTags("a<b>c>d<e>f"), "ac>d<e>f");
  EXPECT_EQ(StripTagsOf("a<b>c>d<e>f&gt;"), "ac>d<e>f>");
}

TEST(TextTags, MatchesLiteralRuleOnRandomTexts) {
  std::mt19937 rng(5);
  for (int i = 0; i < 6000; ++i) {
    // Longer texts with fewer brackets too: they are looked for eight bytes
    // at a time.
    const std::string text =
        i % 2 == 0 ? RandomText(rng, "ab<<>>", 16) : RandomText(rng, "abcdefgh<>", 48);
    ASSERT_EQ(StripTags(text), NaiveStripTagsOnly(text)) << "'" << text << "'";
    ASSERT_EQ(StripTagsOf(text), NaiveStripTagsOnly(text)) << "'" << text << "'";
  }
}

// The one-pass plain text of a line is the tag removal, the entities and the
// blank rule in that order, appended after what the buffer holds or made in
// place; texts of some words, so that runs of plain bytes are passed over
// whole, in place too where the kept text lags a few bytes behind.
TEST(TextTags, PlainTextIsStripThenNormalize) {
  std::string out = "x ";
  AppendPlainText(out, "<td> a &nbsp; <b>b</b>&gt; c </td>");
  EXPECT_EQ(out, "x a b> c");
  std::mt19937 rng(31);
  for (int i = 0; i < 8000; ++i) {
    const std::string text = i % 2 == 0
                                 ? RandomText(rng, "a  <>&\r\n", 16) + (i % 7 == 0 ? "&nbsp;" : "")
                                 : RandomText(rng, "abcdefgh <b>\r\n", 80);
    const std::string expected = NormalizeBlanks(StripTagsOf(text));
    std::string appended = "ab ";
    AppendPlainText(appended, text);
    ASSERT_EQ(appended, "ab " + expected) << "'" << text << "'";
    std::string kept = text;
    KeepPlainText(kept);
    ASSERT_EQ(kept, expected) << "'" << text << "'";
  }
}

// The control bytes go, read eight at a time: the bytes next to them in
// value (tab, blank, 126, 128, 255) and their places in a word are mixed.
TEST(TextControlBytes, DropsExactlyTheControlBytes) {
  const std::string alphabet("ab\t \x01\x1F\x7E\x7F\x80\xFF\x00\x20", 12);
  std::mt19937 rng(8);
  for (int i = 0; i < 3000; ++i) {
    const std::string text = RandomText(rng, i % 3 == 0 ? alphabet : "ab\t\x7E\x80 ", 40);
    std::string expected;
    for (const char c : text)
      if (!IsDroppedControl(static_cast<unsigned char>(c))) expected += c;
    std::string dropped = text;
    DropControlBytes(dropped);
    ASSERT_EQ(dropped, expected) << i;
  }
}

// --- Hungarian lower case ---------------------------------------------------------

TEST(TextLowerCase, HungarianLetters) {
  EXPECT_EQ(HungarianLowerCase(std::string("ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP <B>"_cp)),
            "árvíztűrő tükörfúrógép <b>"_cp);
  EXPECT_EQ(HungarianLowerCase(std::string("AÁBCDEÉFGHIÍJKLMNOÓÖŐPQRSTUÚÜŰVWXYZ"_cp)),
            "aábcdeéfghiíjklmnoóöőpqrstuúüűvwxyz"_cp);
  EXPECT_EQ(HungarianLowerCase("abc 123 </br>"), "abc 123 </br>");
  // Upper-case letters of other languages are not in the alphabet.
  EXPECT_EQ(HungarianLowerCase(std::string("ÄŠČÔ"_cp)), "ÄŠČÔ"_cp);
}

TEST(TextLowerCase, FindLoweredFromSearchesTheLoweredText) {
  EXPECT_EQ(FindLoweredFrom("x<B>y<b>", "<b>"), 1u);
  EXPECT_EQ(FindLoweredFrom("x<B>y<b>", "<b>", 2), 5u);
  EXPECT_EQ(FindLoweredFrom("ÉS és"_cp, "és"_cp), 0u);
  EXPECT_EQ(FindLoweredFrom("ÉS és"_cp, "és"_cp, 1), 3u);
  EXPECT_EQ(FindLoweredFrom("<P CLASS=Csata>", "<p class=csata>"), 0u);
  // A pattern with upper-case letters is never in a lowered text.
  EXPECT_EQ(FindLoweredFrom("<B>", "<B>"), std::string_view::npos);
  EXPECT_EQ(FindLoweredFrom("<b", "<b>"), std::string_view::npos);
  EXPECT_EQ(FindLoweredFrom("<b>", ""), std::string_view::npos);
  EXPECT_EQ(FindLoweredFrom("<b>", "<b>", 4), std::string_view::npos);

  std::mt19937 rng(12);
  const std::string_view alphabet = "aAbB<>/ Éé"_cp;
  for (int i = 0; i < 3000; ++i) {
    // Up to 60 bytes: candidates near the start and far from it.
    const std::string text = RandomText(rng, alphabet, 60);
    const std::string pattern = HungarianLowerCase(RandomText(rng, alphabet, 3));
    if (pattern.empty()) continue;
    const std::size_t from = std::uniform_int_distribution<std::size_t>(0, 61)(rng);
    ASSERT_EQ(FindLoweredFrom(text, pattern, from),
              std::string_view(HungarianLowerCase(text)).find(pattern, from))
        << "'" << text << "' '" << pattern << "' " << from;
  }
}

TEST(TextLowerCase, OtherBytesStay) {
  const std::string_view upper = "AÁBCDEÉFGHIÍJKLMNOÓÖŐPQRSTUÚÜŰVWXYZ"_cp;
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    if (upper.find(one) != std::string_view::npos) continue;
    EXPECT_EQ(HungarianLowerCase(one), one) << "byte " << b;
  }
}

}  // namespace
}  // namespace qv
