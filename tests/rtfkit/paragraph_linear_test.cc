// The paragraph writer's one-scan passes against the edit-by-edit passes they
// replaced (tests/rtfkit/paragraph_reference.cc), on random texts made of the
// tokens each pass reacts to; and the whole writer on lines of megabytes.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "rtfkit/brace_groups.h"
#include "rtfkit/emphasis.h"
#include "rtfkit/markup_scans.h"
#include "rtfkit/paragraph.h"
#include "tests/rtfkit/paragraph_reference.h"
#include "tests/support/lines.h"
#include "tests/support/rtf_words.h"
#include "tests/support/token_soup.h"
#include "text/cp1250.h"

namespace qv {
namespace {

namespace ref = test::reference;
using test::Repeated;
using test::TokenSoup;

constexpr int kRounds = 4000;
const std::string kOpenings[] = {R"({\b )", R"({\i )", R"({\b\i )"};

// --- Each pass against its reference ------------------------------------------

TEST(ParagraphScans, TagPairsAsEditedOneByOne) {
  TokenSoup soup({"<b>", "</b>", "<B>", "</B>", "<i>", "</i>", "<I>", "</I>", "<", ">", "/", "b",
                  "x", " ", "{", "}"},
                 1);
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = soup.Next();
    std::string bold = text;
    ref::PairTags(bold, "<b>", "</b>", R"({\b )");
    ASSERT_EQ(PairTags(text, "<b>", "</b>", R"({\b )"), bold) << text;
    std::string italic = bold;
    ref::PairTags(italic, "<i>", "</i>", R"({\i )");
    ASSERT_EQ(PairTags(bold, "<i>", "</i>", R"({\i )"), italic) << bold;
    const TagKind kinds[] = {{"<b>", "</b>", R"({\b )"}, {"<i>", "</i>", R"({\i )"}};
    ASSERT_EQ(PairTagKinds(text, kinds), italic) << text;
  }
}

// Tags in pairs all along, and the same text with one open tag left waiting
// at its end: every earlier edit is made again as it was.
TEST(ParagraphScans, TagPairsOfALongText) {
  const std::string text = Repeated("x<b>y <I>z</i></B><br>", 20000);
  const std::string paired = Repeated(R"(x{\b y {\i z}}<br>)", 20000);
  const TagKind kinds[] = {{"<b>", "</b>", R"({\b )"}, {"<i>", "</i>", R"({\i )"}};
  EXPECT_EQ(PairTagKinds(text, kinds), paired);
  EXPECT_EQ(PairTagKinds(text + "<b>", kinds), paired + "<b>");
  EXPECT_EQ(PairTagKinds("</i>" + text + "<i>", kinds), "</i>" + paired + "<i>");
}

TEST(ParagraphScans, TagPairsThatStartUnlike) {
  EXPECT_EQ(PairTags("a(b)c(d", "(", ")", "{"), "a{b}c(d");
  EXPECT_EQ(PairTags(")(x)(y", "(", ")", "{"), "){x}(y");
  EXPECT_EQ(PairTags("[B]x[/b]", "[b]", "[/b]", "{"), "{x}");
}

TEST(ParagraphScans, BlanksMoveBeforeBoldAsEditedOneByOne) {
  TokenSoup soup({R"({\b )", R"({\b)", "{", "\\", "b", " ", "  ", "x", R"(\b)", "}"}, 2);
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = soup.Next(60);
    std::string expected = text;
    ref::MoveBlankBeforeBold(expected);
    ASSERT_EQ(MoveBlankBeforeBold(text), expected) << text;
  }
}

TEST(ParagraphScans, SignedBonusesAndContinueMarksAsEditedOneByOne) {
  TokenSoup soup({" (+", "(+", "(", ")", "+", " ", "x", "<b>", " (Továbbmész...)"_cp,
                  "(Továbbmész...)"_cp, "Tovább"_cp},
                 3);
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = soup.Next();
    std::string bonuses = text;
    ref::MarkSignedBonuses(bonuses);
    ASSERT_EQ(MarkSignedBonuses(text), bonuses) << text;
    std::string marks = text;
    ref::BreakBeforeContinueMarks(marks);
    ASSERT_EQ(ReplaceOnePass(" (Továbbmész...)"_cp, " \r\n\\par\\par\r\n(Továbbmész...)"_cp, text),
              marks)
        << text;
  }
}

TEST(ParagraphScans, EmphasisGroupsAsEditedOneByOne) {
  TokenSoup soup({"(",
                  ")",
                  "[",
                  "]",
                  "+",
                  "-",
                  "1",
                  "42",
                  "x",
                  " ",
                  "  ",
                  R"({\b )",
                  "}",
                  ".",
                  "(Feltételes "_cp,
                  "(ld. enc.)",
                  "ld. enc.",
                  "(ld. enc.",
                  " életpontot sebeztél."_cp,
                  " életpontot vesztettél."_cp,
                  "életpontot"_cp,
                  " sebeztél."_cp,
                  "á"_cp},
                 4);
  const std::string_view phrases[] = {"(Feltételes "_cp, "(ld. enc.)"};
  const std::string_view combat[] = {" életpontot sebeztél."_cp, " életpontot vesztettél."_cp};
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = soup.Next();
    const std::string& g = kOpenings[soup.Below(3)];
    struct {
      char opener;
      bool (*accepts)(char);
      char closer;
    } const openers[] = {{'(', IsDigit, ')'}, {'(', IsSign, ')'}, {'[', IsSign, ']'}};
    for (const auto& o : openers) {
      std::string expected = text;
      ref::GroupAtOpener(expected, g, o.opener, o.accepts, o.closer);
      ASSERT_EQ(GroupAtOpener(text, g, o.opener, o.accepts, o.closer), expected) << text;
    }
    for (const std::string_view phrase : phrases) {
      std::string expected = text;
      ref::GroupAtPhrase(expected, g, phrase);
      ASSERT_EQ(GroupAtPhrase(text, g, phrase), expected) << text;
    }
    // The second phrase goes over the text the first one left.
    std::string expected = text;
    std::string got = text;
    for (const std::string_view phrase : combat) {
      ref::GroupCombatPhrase(expected, g, phrase);
      got = GroupCombatPhrase(got, g, phrase);
      ASSERT_EQ(got, expected) << text;
    }
  }
}

// The group passes copy the text between braces and backslashes in runs.
TEST(ParagraphScans, GroupBracesByTheRule) {
  EXPECT_EQ(PairLiteralBraceGroups(R"(ab {\i \{x\}} cd)"), R"(ab {\i \{x\}} cd)");
  EXPECT_EQ(PairLiteralBraceGroups(R"(long text {\i a\} b)"), R"(long text {\i a\}} b)");
  EXPECT_EQ(PairLiteralBraceGroups(R"(a}b {\i x)"), "ab x");
  EXPECT_EQ(PairLiteralBraceGroups(R"(a long line\)"), R"(a long line\)");
  EXPECT_EQ(BalanceGroups(R"(\}x{\{)"), R"(\}x{\{})");
  // A backslash keeps the byte after it and a lone one at the end goes; a
  // closing brace without an open group goes; open groups close at the end.
  TokenSoup soup({"\\", "{", "}", "x", "abcdefghij"}, 5);
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = soup.Next();
    std::string expected;
    std::size_t depth = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
      if (text[k] == '\\') {
        if (k + 1 < text.size()) expected.append(text, k++, 2);
      } else if (text[k] != '}' || depth > 0) {
        depth += text[k] == '{' ? 1 : text[k] == '}' ? -1 : 0;
        expected += text[k];
      }
    }
    ASSERT_EQ(BalanceGroups(text), expected + std::string(depth, '}')) << text;
  }
}

// --- The whole writer against the reference -----------------------------------

// Every token the writer reacts to, braces, backslashes and control bytes
// left out: the writer escapes or drops those, where the reference wrote them
// as they came.
std::vector<std::string_view> NarrativeTokens() {
  return {"<b>",
          "</b>",
          "<B>",
          "</B>",
          "<i>",
          "</I>",
          "<I>",
          "</i>",
          "<br>",
          "<BR>",
          "<Br>",
          "<p>",
          "<P>",
          "<p class=csata>",
          "<P CLASS=Csata>",
          "<BR> <P>",
          "<span>",
          "</SPAN>",
          "<",
          ">",
          "(",
          ")",
          "[",
          "]",
          "+",
          "-",
          "1",
          "7",
          " ",
          "  ",
          "&nbsp;",
          "&lt;",
          "&gt",
          "x",
          "Ork",
          "ÁRVÍZ"_cp,
          "ő"_cp,
          "(Feltételes "_cp,
          "(ld. enc.)",
          " (+",
          "(+2)",
          "[-1]",
          " életpontot sebeztél."_cp,
          " életpontot vesztettél."_cp,
          " (Továbbmész...)"_cp,
          "(Továbbmész...)"_cp,
          "<p>(Továbbmész...)"_cp,
          "Ebben a körben"_cp,
          "<B>Ebben a körben"_cp,
          "<BR><B>Ebben a körben"_cp,
          "pontot költhetsz el."_cp,
          "pontot használtál fel, van még"_cp,
          ".]</SPAN> </B>",
          "Több pontod maradt, mint amennyit a következő körre át tudsz vinni."_cp,
          "<b>enc.</b>",
          ". Egy ",
          "( ",
          " )",
          ".",
          "\t"};
}

// The ten keys from four states of each rule: off, bold, italic, both.
Emphasis EmphasisOf(int rules) {
  int k[10];
  for (int r = 0; r < 5; ++r) {
    const int state = (rules >> (2 * r)) & 3;
    k[2 * r] = state & 1;
    k[2 * r + 1] = (state >> 1) & 1;
  }
  return {k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7], k[8], k[9]};
}

// The reference's paragraph where it was sound; a sound one where a group
// brace of the reference went with a tag.
void ExpectSameOrMended(const std::string& got, const std::string& expected,
                        const std::string& input) {
  if (test::ParagraphFault(expected).empty())
    ASSERT_EQ(got, expected) << input;
  else
    ASSERT_EQ(test::ParagraphFault(got), "") << input;
}

TEST(ParagraphScans, WriterAsEditedOneByOneForEveryEmphasis) {
  TokenSoup soup(NarrativeTokens(), 5);
  const std::string labels[] = {"", "kut 2", "vesz 1"};
  for (int round = 0; round < 3 * 1024; ++round) {
    const int rules = round % 1024;
    for (const Layout layout : {Layout::kOlder, Layout::kNewer}) {
      ParagraphContext ctx;
      ctx.layout = layout;
      ctx.emphasis = EmphasisOf(rules);
      ctx.narrativeMode = soup.Below(8) != 0;
      ctx.commandLabel = labels[soup.Below(3)];
      const std::string text = soup.Next(30);

      RtfWriter expected = RtfWriter::InMemory();
      std::string narrative = text;
      ref::WriteNarrative(ctx, narrative, expected);
      RtfWriter got = RtfWriter::InMemory();
      narrative = text;
      WriteNarrative(ctx, narrative, got);
      ASSERT_NO_FATAL_FAILURE(ExpectSameOrMended(got.Text(), expected.Text(), text));

      RtfWriter expectedParagraph = RtfWriter::InMemory();
      ref::WriteParagraph(ctx, text, 40, expectedParagraph);
      RtfWriter gotParagraph = RtfWriter::InMemory();
      WriteParagraph(ctx, text, 40, gotParagraph);
      ASSERT_NO_FATAL_FAILURE(
          ExpectSameOrMended(gotParagraph.Text(), expectedParagraph.Text(), text));
    }
  }
}

// Words short and long (one of 45 letters, longer than some widths), line
// and paragraph marks (which the newer layout makes line ends inside words),
// every width from 1 to 70.
TEST(ParagraphScans, WrappingAsWrittenWordByWord) {
  const std::string longWord(45, 'y');
  TokenSoup soup({"x", "xxxxxxxxxx", longWord, " ", " ", "<br>", "<p>"}, 9);
  for (int i = 0; i < kRounds; ++i) {
    ParagraphContext ctx;
    ctx.layout = i % 2 == 0 ? Layout::kOlder : Layout::kNewer;
    const std::string text = soup.Next(60);
    const int width = 1 + i % 70;
    RtfWriter expected = RtfWriter::InMemory();
    ref::WriteParagraph(ctx, text, width, expected);
    RtfWriter got = RtfWriter::InMemory();
    WriteParagraph(ctx, text, width, got);
    ASSERT_EQ(got.Text(), expected.Text()) << width << ": " << text;
  }
}

// --- Lines of megabytes ---------------------------------------------------------

// Each line takes a fraction of a second in a release build; edited one by
// one, the first took minutes. The bound only catches a pass gone quadratic
// again, loaded machine and sanitizers included.
TEST(ParagraphScans, LinesOfMegabytes) {
  struct Line {
    Layout layout;
    std::string text;
  };
  const Line lines[] = {
      {Layout::kOlder, Repeated("&nbsp;<b>x</b> ", 300000)},
      {Layout::kOlder, Repeated("<b>", 1000000)},
      {Layout::kOlder, Repeated("&nbsp;", 1000000)},
      {Layout::kOlder, Repeated("<b>&nbsp;", 200000) + Repeated("</b>", 200000)},
      {Layout::kOlder,
       Repeated("(1) [+1] (Feltételes x) (ld. enc.) 7 életpontot sebeztél. "_cp, 50000)},
      {Layout::kOlder, Repeated("(1 [+1 (Feltételes (ld. enc. 7 életpontot vesztettél."_cp, 50000)},
      {Layout::kOlder, Repeated("x (Továbbmész...)<br>{a} "_cp, 100000)},
      {Layout::kNewer, Repeated(" (+1) (+2 <p>x", 200000)},
  };
  ParagraphContext ctx;
  ctx.narrativeMode = true;
  ctx.emphasis = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  for (const Line& line : lines) {
    ctx.layout = line.layout;
    const auto start = std::chrono::steady_clock::now();
    RtfWriter out = RtfWriter::InMemory();
    std::string narrative = line.text;
    WriteNarrative(ctx, narrative, out);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 30.0) << line.text.substr(0, 40);
    EXPECT_EQ(test::ParagraphFault(out.Text()), "") << line.text.substr(0, 40);
  }
}

}  // namespace
}  // namespace qv
