#include "rtfkit/paragraph.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/support/rtf_words.h"
#include "tests/support/token_soup.h"
#include "text/cp1250.h"

namespace qv {
namespace {

// In the expected texts "|" stands for CR LF.
std::string Crlf(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '|')
      out += "\r\n";
    else
      out += c;
  }
  return out;
}

ParagraphContext Ctx(Layout layout, Emphasis emphasis = {}, std::string label = "") {
  ParagraphContext ctx;
  ctx.layout = layout;
  ctx.emphasis = emphasis;
  ctx.narrativeMode = true;
  ctx.commandLabel = std::move(label);
  return ctx;
}

std::string Narrative(const ParagraphContext& ctx, std::string_view text) {
  RtfWriter out = RtfWriter::InMemory();
  std::string narrative(text);
  WriteNarrative(ctx, narrative, out);
  EXPECT_TRUE(narrative.empty());
  return out.Text();
}

std::string Paragraph(const ParagraphContext& ctx, std::string_view text, int width = 130) {
  RtfWriter out = RtfWriter::InMemory();
  WriteParagraph(ctx, std::string(text), width, out);
  return out.Text();
}

constexpr Layout kLayouts[] = {Layout::kOlder, Layout::kNewer};
const char* Name(Layout v) { return v == Layout::kOlder ? "RTF" : "RTFuj"; }

// --- WriteNarrative ----------------------------------------------------------

TEST(NarrativeBoth, EmptyWritesNothing) {
  for (const Layout v : kLayouts) EXPECT_EQ(Narrative(Ctx(v), ""), "") << Name(v);
}

TEST(NarrativeBoth, CombatExampleOnOneLine) {
  Emphasis e;
  e.harcFelkover = 1;
  e.feltetelesDolt = 1;
  const auto input =
      "<b>Ork</b> támad (12 sebzés). Eltaláltad, 7 életpontot sebeztél. "
      "{Kard fejlődés: 1} (Feltételes parancs)"_cp;
  const std::string rtf = Narrative(Ctx(Layout::kOlder, e), input);
  EXPECT_EQ(rtf,
            Crlf(R"(\qj {\b Ork} támad {\b (12 sebzés)}. Eltaláltad,{\b  7 életpontot sebeztél.} )"
                 R"({\i \{Kard fejlődés: 1\}} {\i (Feltételes parancs)}|)"_cp));
  EXPECT_EQ(rtf.size(), 128u + 2);
  // The newer layout makes no group of the braces: they are literal.
  EXPECT_EQ(Narrative(Ctx(Layout::kNewer, e), input),
            Crlf(R"(\qj {\b Ork} támad {\b (12 sebzés)}. Eltaláltad,{\b  7 életpontot sebeztél.} )"
                 R"(\{Kard fejlődés: 1\} {\i (Feltételes parancs)}|)"_cp));
}

TEST(NarrativeOlder, LiteralBracesBecomeItalicGroups) {
  const ParagraphContext ctx = Ctx(Layout::kOlder);
  EXPECT_EQ(Narrative(ctx, "Fejlődtél {Lőfegyver fejlődés: 2} ma."_cp),
            Crlf(R"(\qj Fejlődtél {\i \{Lőfegyver fejlődés: 2\}} ma.|)"_cp));
  // One pass each: " {" is replaced by a text that starts with " {".
  EXPECT_EQ(
      Narrative(ctx, "Fejlődés: {Kard fejlődés: 1; {Lőfegyver fejlődés: 2} vége"_cp),
      Crlf(R"(\qj Fejlődés: {\i \{Kard fejlődés: 1;\}} {\i \{Lőfegyver fejlődés: 2\}} vége|)"_cp));
  EXPECT_EQ(Narrative(ctx, "<b>Kard</b>{+1}<br>"), Crlf(R"(\qj {\b Kard} {\i \{+1\}} |\par|)"));
}

TEST(NarrativeNewer, BracesAreLiteral) {
  const ParagraphContext ctx = Ctx(Layout::kNewer);
  EXPECT_EQ(Narrative(ctx, "<b>Kard</b>{+1}<br>"), Crlf(R"(\qj {\b Kard}\{+1\}|)"));
  EXPECT_EQ(Narrative(ctx, "a {x} b"), Crlf(R"(\qj a \{x\} b|)"));
}

TEST(NarrativeOlder, LineAndParagraphMarks) {
  const ParagraphContext ctx = Ctx(Layout::kOlder);
  EXPECT_EQ(Narrative(ctx, "a<BR> <P>b"), Crlf(R"(\qj ab|)"));
  EXPECT_EQ(Narrative(ctx, "a<Br>b"), Crlf(R"(\qj a|\par b|)"));
  EXPECT_EQ(Narrative(ctx, "Harc:<P CLASS=csata>Ütés."_cp), Crlf(R"(\qj Harc:|\par Ütés.|)"_cp));
  EXPECT_EQ(Narrative(ctx, "a<p>b"), Crlf(R"(\qj ab|)"));
}

TEST(NarrativeNewer, LineAndParagraphMarks) {
  const ParagraphContext ctx = Ctx(Layout::kNewer);
  EXPECT_EQ(Narrative(ctx, "a<br>b<BR>c"), Crlf(R"(\qj ab|\par|c|)"));
  // A "<p>" right before a tag is only dropped.
  EXPECT_EQ(Narrative(ctx, "a<p>b<P><i>c</i>"), Crlf(R"(\qj a|\par||\par||b{\i c}|)"));
}

TEST(NarrativeBoth, NoBlanksInsideParentheses) {
  const auto input = "Ütés (  x  ) és ( +2 ), ( )."_cp;
  EXPECT_EQ(Narrative(Ctx(Layout::kOlder), input), Crlf(R"(\qj Ütés (x) és (+2), ().|)"_cp));
  EXPECT_EQ(Narrative(Ctx(Layout::kNewer), input),
            Crlf(R"(\qj Ütés (x) és {\i {\b (+2)}}, ().|)"_cp));
}

TEST(NarrativeBoth, ContinueMarkStartsAParagraph) {
  EXPECT_EQ(Narrative(Ctx(Layout::kOlder), "a (Továbbmész...) b (Továbbmész...)"_cp),
            Crlf(R"(\qj a |\par\par|(Továbbmész...) b |\par\par|(Továbbmész...)|)"_cp));
  EXPECT_EQ(Narrative(Ctx(Layout::kNewer), "Harc vége.<p>(Továbbmész...)"_cp),
            Crlf(R"(\qj Harc vége.|\par||\par||(Továbbmész...)|)"_cp));
  EXPECT_EQ(Narrative(Ctx(Layout::kNewer), "a (Továbbmész...)"_cp),
            Crlf(R"(\qj a (Továbbmész...)|)"_cp));
}

TEST(NarrativeNewer, SignedBonusBecomesBoldItalic) {
  const ParagraphContext ctx = Ctx(Layout::kNewer);
  EXPECT_EQ(Narrative(ctx, "Kard (+2) és (+1 (+3))"),
            Crlf(R"(\qj Kard {\i {\b (+2)}} és {\i {\b (+1 {\i {\b (+3)}}}})|)"));
  // Without a ")" the group runs to the end.
  EXPECT_EQ(Narrative(ctx, "Bónusz (+2 örökre"_cp), Crlf(R"(\qj Bónusz {\i {\b (+2 örökre}}|)"_cp));
}

TEST(NarrativeBoth, CarryOverSentence) {
  const auto input = "Kész. Több pontod maradt, mint amennyit a következő körre át tudsz vinni."_cp;
  // The older layout gets no break there: the mark comes after the "<br>"
  // conversion and is stripped.
  EXPECT_EQ(Narrative(Ctx(Layout::kOlder), input), Crlf(R"(\qj )" + std::string(input) + "|"));
  EXPECT_EQ(
      Narrative(Ctx(Layout::kNewer), input),
      Crlf(
          R"(\qj Kész. |\par|Több pontod maradt, mint amennyit a következő körre át tudsz vinni.|)"_cp));
}

TEST(NarrativeOlder, SpendablePointsBoldRun) {
  const ParagraphContext ctx = Ctx(Layout::kOlder);
  EXPECT_EQ(
      Narrative(ctx,
                "Fejlődés.<br><B>Ebben a körben 5 pontot költhetsz el. Használd jól!</B> Vége."_cp),
      Crlf(
          R"(\qj Fejlődés.|\par |{\b Ebben a körben 5 pontot költhetsz el.}|Használd jól! Vége.|)"_cp));
  // Without the sentence after the run's start only the line break is added.
  EXPECT_EQ(Narrative(ctx, "<B>Ebben a körben nincs mit költeni.</B> Vége."_cp),
            Crlf(R"(\qj |{\b Ebben a körben nincs mit költeni.} Vége.|)"_cp));
  EXPECT_EQ(Narrative(ctx, "Van 5 pontot költhetsz el. <B>Ebben a körben semmi.</B> Vége."_cp),
            Crlf(R"(\qj Van 5 pontot költhetsz el. |{\b Ebben a körben semmi.} Vége.|)"_cp));
}

TEST(NarrativeNewer, SpendablePointsBoldRunOnlyAfterLineMark) {
  const ParagraphContext ctx = Ctx(Layout::kNewer);
  EXPECT_EQ(
      Narrative(ctx,
                "Fejlődés.<BR><B>Ebben a körben 5 pontot költhetsz el. Használd jól!</B> Vége."_cp),
      Crlf(
          R"(\qj Fejlődés.|\par||{\b Ebben a körben 5 pontot költhetsz el.}|Használd jól! Vége.|)"_cp));
  EXPECT_EQ(
      Narrative(ctx,
                "Fejlődés. <B>Ebben a körben 5 pontot költhetsz el. Használd jól!</B> Vége."_cp),
      Crlf(R"(\qj Fejlődés. {\b Ebben a körben 5 pontot költhetsz el. Használd jól!} Vége.|)"_cp));
}

TEST(NarrativeBoth, StrayBoldEndAfterUsedPoints) {
  for (const Layout v : kLayouts) {
    EXPECT_EQ(
        Narrative(
            Ctx(v),
            "<B>Fejlődés: Ebben a körben 2 pontot használtál fel, van még [3.]</SPAN> </B> Vége."_cp),
        Crlf(R"(\qj Fejlődés: Ebben a körben 2 pontot használtál fel, van még [3.] Vége.|)"_cp))
        << Name(v);
    EXPECT_EQ(Narrative(Ctx(v),
                        "<B>Fejlődés: 2 pontot használtál fel, van még [3.]</SPAN> </B> Vége."_cp),
              Crlf(R"(\qj {\b Fejlődés: 2 pontot használtál fel, van még [3.] } Vége.|)"_cp))
        << Name(v);
  }
}

TEST(NarrativeBoth, TrailingBoldEndOfCommandResult) {
  for (const Layout v : kLayouts) {
    EXPECT_EQ(Narrative(Ctx(v), "Eredmény: <b>siker</b>"_cp),
              Crlf(R"(\qj Eredmény: {\b siker}|)"_cp))
        << Name(v);
    const ParagraphContext ctx = Ctx(v, {}, "vesz 2");
    EXPECT_EQ(Narrative(ctx, "Eredmény: <b>siker</b>"_cp), Crlf(R"(\qj Eredmény: siker|)"_cp))
        << Name(v);
    EXPECT_EQ(Narrative(ctx, "Eredmény: <b>siker</B>."_cp), Crlf(R"(\qj Eredmény: siker.|)"_cp))
        << Name(v);
    // Once before and once after the used-points step.
    EXPECT_EQ(Narrative(ctx, "x <b>y</b>z</b>"), Crlf(R"(\qj x yz|)")) << Name(v);
  }
}

// --- WriteParagraph ----------------------------------------------------------

TEST(ParagraphBoth, EmphasisExample) {
  Emphasis e;
  e.kerekZarojelFelkover = 1;
  e.szogletesZarojelDolt = 1;
  e.encyclopediaFelkover = 1;
  e.encyclopediaDolt = 1;
  for (const Layout v : kLayouts)
    EXPECT_EQ(Paragraph(Ctx(v, e), "<i>Ork</I> (+2) [-1] (ld. enc.)"),
              Crlf(R"(\qj {\i Ork} {\b (+2)} {\i [-1]} {\b\i (ld. enc.)}|)"))
        << Name(v);
}

TEST(ParagraphBoth, BoldAndItalicPairs) {
  for (const Layout v : kLayouts) {
    const ParagraphContext ctx = Ctx(v);
    EXPECT_EQ(Paragraph(ctx, "<b>x</B>"), Crlf(R"(\qj {\b x}|)")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, "<B>x"), Crlf(R"(\qj x|)")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, "<i>y</I>"), Crlf(R"(\qj {\i y}|)")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, "x<b> y</b>"), Crlf(R"(\qj x {\b y}|)")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, "<b>a<b>b</b>c</b>"), Crlf(R"(\qj {\b a{\b b}c}|)")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, "</B>a"), Crlf(R"(\qj a|)")) << Name(v);
    // The blank after nested bold openings moves in front of both (a
    // restarting replace would undo its own edit here for ever).
    EXPECT_EQ(Paragraph(ctx, "<b><b> x</b></b>"), Crlf(R"(\qj {\b {\b x}}|)")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, "x<b>   y</b>"), Crlf(R"(\qj x {\b y}|)")) << Name(v);
  }
}

TEST(ParagraphBoth, LineMarkAtTheEnd) {
  const ParagraphContext rtf = Ctx(Layout::kOlder);
  EXPECT_EQ(Paragraph(rtf, "x<BR>y<BR>"), Crlf(R"(\qj xy|)"));
  const ParagraphContext uj = Ctx(Layout::kNewer);
  EXPECT_EQ(Paragraph(uj, "x<BR>y<BR>"), Crlf(R"(\qj x|\par|y|)"));
  EXPECT_EQ(Paragraph(uj, "x<Br>y<Br>"), Crlf(R"(\qj xy|)"));
  EXPECT_EQ(Paragraph(uj, "a<br><BR>"), Crlf(R"(\qj a|)"));
  EXPECT_EQ(Paragraph(uj, "a<BR><br>"), Crlf(R"(\qj a|\par||)"));
}

TEST(ParagraphNewer, SearchCommandKeepsMarksOut) {
  EXPECT_EQ(Paragraph(Ctx(Layout::kNewer, {}, "kut 3"), "a<br>b<p>c<BR>d"), Crlf(R"(\qj abcd|)"));
  EXPECT_EQ(Paragraph(Ctx(Layout::kNewer, {}, "kut 3"), "a<br>b. Egy <b>x</b>"),
            Crlf(R"(\qj a|\par|b. Egy {\b x}|)"));
  EXPECT_EQ(Paragraph(Ctx(Layout::kNewer, {}, "vesz 3"), "a<br>b<p>c"),
            Crlf(R"(\qj a|\par|b\par\par|c|)"));
}

TEST(ParagraphBoth, EncyclopediaBold) {
  EXPECT_EQ(Paragraph(Ctx(Layout::kOlder), "lásd <b>enc.</b>"_cp),
            Crlf(R"(\qj lásd {\b enc.}|)"_cp));
  EXPECT_EQ(Paragraph(Ctx(Layout::kNewer), "lásd <b>enc.</b>"_cp), Crlf(R"(\qj lásd enc.|)"_cp));
}

TEST(ParagraphBoth, NoEmphasisWhenKeysOffOrOutsideNarrative) {
  const auto text =
      "ütés (+2) és (x) [+1] (Feltételes y) (ld. enc.), 3 életpontot sebeztél. (5)"_cp;
  Emphasis all;
  all.harcFelkover = all.harcDolt = all.kerekZarojelFelkover = all.kerekZarojelDolt = 1;
  all.szogletesZarojelFelkover = all.szogletesZarojelDolt = all.feltetelesFelkover = 1;
  all.feltetelesDolt = all.encyclopediaFelkover = all.encyclopediaDolt = 1;
  Emphasis twos = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2};  // only 1 switches a style on
  for (const Layout v : kLayouts) {
    const std::string plain = Crlf(R"(\qj )" + std::string(text) + "|");
    EXPECT_EQ(Paragraph(Ctx(v), text), plain) << Name(v);
    EXPECT_EQ(Paragraph(Ctx(v, twos), text), plain) << Name(v);
    ParagraphContext outside = Ctx(v, all);
    outside.narrativeMode = false;
    EXPECT_EQ(Paragraph(outside, text), plain) << Name(v);
  }
}

TEST(ParagraphBoth, SignedBrackets) {
  Emphasis k;
  k.kerekZarojelFelkover = k.kerekZarojelDolt = 1;
  Emphasis s;
  s.szogletesZarojelFelkover = 1;
  for (const Layout v : kLayouts) {
    EXPECT_EQ(Paragraph(Ctx(v, k), "ütés (+2) és (x) (-3) [+1]"_cp),
              Crlf(R"(\qj ütés {\b\i (+2)} és (x) {\b\i (-3)} [+1]|)"_cp))
        << Name(v);
    EXPECT_EQ(Paragraph(Ctx(v, s), "[+1] [x] (+2) [-2]"),
              Crlf(R"(\qj {\b [+1]} [x] (+2) {\b [-2]}|)"))
        << Name(v);
  }
}

TEST(ParagraphBoth, CombatResults) {
  Emphasis italic;
  italic.harcDolt = 1;
  Emphasis bold;
  bold.harcFelkover = 1;
  Emphasis both;
  both.harcFelkover = both.harcDolt = 1;
  for (const Layout v : kLayouts) {
    EXPECT_EQ(Paragraph(Ctx(v, italic), "Te 7 életpontot sebeztél. Ő 3 életpontot vesztettél."_cp),
              Crlf(R"(\qj Te{\i  7 életpontot sebeztél.} Ő{\i  3 életpontot vesztettél.}|)"_cp))
        << Name(v);
    // The blank in front of the first number is the one after "\qj".
    EXPECT_EQ(Paragraph(Ctx(v, bold), "7 életpontot sebeztél. 3 életpontot sebeztél."_cp),
              Crlf(R"(\qj{\b  7 életpontot sebeztél.}{\b  3 életpontot sebeztél.}|)"_cp))
        << Name(v);
    EXPECT_EQ(Paragraph(Ctx(v, both), "Kapott (3) sebzést (x), 7 életpontot vesztettél."_cp),
              Crlf(R"(\qj Kapott {\b\i (3)} sebzést (x),{\b\i  7 életpontot vesztettél.}|)"_cp))
        << Name(v);
  }
}

TEST(ParagraphBoth, UnclosedGroupsCloseAtTheEnd) {
  Emphasis e;
  e.harcFelkover = 1;
  e.kerekZarojelFelkover = 1;
  e.szogletesZarojelDolt = 1;
  e.feltetelesDolt = 1;
  for (const Layout v : kLayouts) {
    const ParagraphContext ctx = Ctx(v, e);
    EXPECT_EQ(Paragraph(ctx, "Bónusz (+2 örökre"_cp), Crlf(R"(\qj Bónusz {\b (+2 örökre}|)"_cp))
        << Name(v);
    EXPECT_EQ(Paragraph(ctx, "(+1 és (-2"_cp), Crlf(R"(\qj {\b (+1 és (-2}|)"_cp)) << Name(v);
    EXPECT_EQ(Paragraph(ctx, "[-1 x"), Crlf(R"(\qj {\i [-1 x}|)")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, "(Feltételes parancs"_cp), Crlf(R"(\qj {\i (Feltételes parancs}|)"_cp))
        << Name(v);
    EXPECT_EQ(Paragraph(ctx, "(5 pont"), Crlf(R"(\qj {\b (5 pont}|)")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, "vége ("_cp), Crlf(R"(\qj vége (|)"_cp)) << Name(v);
  }
}

TEST(ParagraphBoth, WrapsBeforeAWordThatWouldOverflow) {
  const std::string longWord(135, 'w');
  for (const Layout v : kLayouts) {
    const ParagraphContext ctx = Ctx(v);
    EXPECT_EQ(Paragraph(ctx, "aaa " + longWord + " bbb"),
              Crlf(R"(\qj aaa |)" + longWord + " |bbb|"))
        << Name(v);
    // A line holds at most 129 characters, its trailing blank included.
    const std::string x123(123, 'x'), x124(124, 'x');
    EXPECT_EQ(Paragraph(ctx, x123 + " z"), Crlf(R"(\qj )" + x123 + " z|")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, x124 + " z"), Crlf(R"(\qj )" + x124 + " |z|")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, "aa bb cc dd", 10), Crlf(R"(\qj aa |bb cc dd|)")) << Name(v);
  }
  // A line break inside a word does not reset the column.
  const std::string y(100, 'y'), z(20, 'z');
  EXPECT_EQ(Paragraph(Ctx(Layout::kNewer), "x<br>" + y + " " + z),
            Crlf(R"(\qj x|\par|)" + y + " |" + z + "|"));
}

TEST(ParagraphBoth, BracesStayBalanced) {
  Emphasis all;
  all.harcFelkover = all.harcDolt = all.kerekZarojelFelkover = all.kerekZarojelDolt = 1;
  all.szogletesZarojelFelkover = all.szogletesZarojelDolt = all.feltetelesFelkover = 1;
  all.feltetelesDolt = all.encyclopediaFelkover = all.encyclopediaDolt = 1;
  const std::string longWord(300, 'q');
  const std::string inputs[] = {
      "(1 (2 (3",
      std::string("(+ [- (Feltételes (ld. enc.x"_cp),
      std::string(" (+ (+ (+2) )) [+ ]] (( ) )"),
      "<b><b>x</b> <i>y",
      "</B><b>a<i>b</b>c</i><I><B>d",
      std::string("7 életpontot sebeztél. életpontot vesztettél. (4 életpontot sebeztél.)"_cp),
      std::string(" életpontot sebeztél. 1 életpontot sebeztél.(2 életpontot vesztettél."_cp),
      std::string("<B>Ebben a körben pontot költhetsz el.</B></B> (+1"_cp),
      std::string("pontot használtál fel, van még .]</SPAN> </B>Ebben a körben <b>x</b>"_cp),
      std::string("(Feltételes (+1 (ld. enc.)) [-2 (3)] <p>(Továbbmész...)<br>(Továbbmész...)"_cp),
      "<i><b>(+1)</i></b> (+2 " + longWord + " (3",
      "<BR><B>" + std::string("Ebben a körben"_cp) + "</b> x</b>",
  };
  for (const Layout v : kLayouts) {
    for (const std::string label : {"", "kut 1"}) {
      const ParagraphContext ctx = Ctx(v, all, label);
      for (const std::string& input : inputs) {
        EXPECT_EQ(test::ParagraphFault(Narrative(ctx, input)), "")
            << Name(v) << " narrative: " << input;
        EXPECT_EQ(test::ParagraphFault(Paragraph(ctx, input)), "")
            << Name(v) << " paragraph: " << input;
      }
    }
  }
  // Literal braces of the older layout, in pairs.
  for (const auto input : {"{a} {b}<br>{c}"_cp, "x {Kard fejlődés: 1; {Lőfegyver fejlődés: 2} y"_cp,
                           "<b>a</b>{b}<i>c</i> {d}"_cp})
    EXPECT_EQ(test::ParagraphFault(Narrative(Ctx(Layout::kOlder, all), input)), "") << input;
}

// --- Report text that is not markup --------------------------------------------

TEST(NarrativeOlder, LiteralBracesWithoutPartner) {
  const ParagraphContext ctx = Ctx(Layout::kOlder);
  // Any "}" closes the italic group, also one before a stop.
  EXPECT_EQ(Narrative(ctx, "Fejlődés {Kard: 1}. Vége"_cp),
            Crlf(R"(\qj Fejlődés {\i \{Kard: 1\}}. Vége|)"_cp));
  // A group never closed is not made; a closing with no group is dropped.
  EXPECT_EQ(Narrative(ctx, "a {b c"), Crlf(R"(\qj a \{b c|)"));
  EXPECT_EQ(Narrative(ctx, "a} b"), Crlf(R"(\qj a\} b|)"));
  EXPECT_EQ(Narrative(ctx, "x{a} b"), Crlf(R"(\qj x\{a\} b|)"));
  EXPECT_EQ(Narrative(ctx, "x {a {b} c} y"), Crlf(R"(\qj x {\i \{a {\i \{b\}} c\}} y|)"));
  EXPECT_EQ(Narrative(ctx, "{a} {b}<br>{c}"), Crlf(R"(\qj \{a\} {\i \{b\}} |\par {\i \{c\}}|)"));
}

TEST(ParagraphBoth, ReportBackslashesAndControlBytes) {
  for (const Layout v : kLayouts) {
    const ParagraphContext ctx = Ctx(v);
    EXPECT_EQ(Narrative(ctx, R"(C:\par\b x)"), Crlf(R"(\qj C:\\par\\b x|)")) << Name(v);
    EXPECT_EQ(Paragraph(ctx, R"(a {b} \ c)"), Crlf(R"(\qj a \{b\} \\ c|)")) << Name(v);
    // Control bytes go, the tab stays; nothing but control bytes is empty.
    EXPECT_EQ(Narrative(ctx, std::string("a\x01"
                                         "b\0c\x7f"
                                         "d\te",
                                         9)),
              Crlf("\\qj abcd\te|"))
        << Name(v);
    EXPECT_EQ(Narrative(ctx, std::string("\x01\0\r\n", 4)), "") << Name(v);
  }
}

TEST(ParagraphBoth, GroupBracesInsideTags) {
  for (const Layout v : kLayouts) {
    const ParagraphContext ctx = Ctx(v);
    // The "}" of the bold pair went with the tag: the group closes at the end.
    EXPECT_EQ(Narrative(ctx, "<b>x<span title='</b>'>y"), Crlf(R"(\qj {\b xy}|)")) << Name(v);
    // The "{\b " went with the tag: its "}" is dropped.
    EXPECT_EQ(Narrative(ctx, "<x <b>> y </b> z"), Crlf(R"(\qj y z|)")) << Name(v);
  }
  EXPECT_EQ(Narrative(Ctx(Layout::kNewer), "<a (+1> x)"), Crlf(R"(\qj x)|)"));
}

// Random texts of every token the writer reacts to, the report's braces,
// backslashes and control bytes among them: every paragraph is balanced and
// holds no control word but the writer's own.
TEST(ParagraphBoth, EveryParagraphBalanced) {
  test::TokenSoup soup({"<b>",
                        "</b>",
                        "<B>",
                        "</B>",
                        "<i>",
                        "</I>",
                        "<br>",
                        "<BR>",
                        "<p>",
                        "<P>",
                        "<p class=csata>",
                        "<",
                        ">",
                        "'",
                        "(",
                        ")",
                        "[",
                        "]",
                        "+",
                        "-",
                        "7",
                        " ",
                        "  ",
                        "&nbsp;",
                        "&lt;",
                        "&gt;",
                        "x",
                        "ő"_cp,
                        "{",
                        "}",
                        " {",
                        "} ",
                        "{x}",
                        R"(\)",
                        R"(\b)",
                        R"({\b )",
                        R"(\par)",
                        R"(\{)",
                        "\x01",
                        std::string_view("\0", 1),
                        "\r\n",
                        "\t",
                        "\x7f",
                        "(Feltételes "_cp,
                        "(ld. enc.)",
                        " (+",
                        " életpontot sebeztél."_cp,
                        " életpontot vesztettél."_cp,
                        " (Továbbmész...)"_cp,
                        "<p>(Továbbmész...)"_cp,
                        "; {Lőfegyver fejlődés:"_cp,
                        "<B>Ebben a körben"_cp,
                        "<BR><B>Ebben a körben"_cp,
                        "pontot költhetsz el."_cp,
                        "pontot használtál fel, van még"_cp,
                        ".]</SPAN> </B>",
                        ". Egy ",
                        "<b>enc.</b>"},
                       7);
  const std::string labels[] = {"", "kut 2", "vesz 1"};
  for (int round = 0; round < 10000; ++round) {
    ParagraphContext ctx =
        Ctx(round % 2 ? Layout::kOlder : Layout::kNewer, {}, labels[soup.Below(3)]);
    int k[10];
    for (int& key : k) key = soup.Below(2);
    ctx.emphasis = {k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7], k[8], k[9]};
    ctx.narrativeMode = soup.Below(4) != 0;
    const std::string input = soup.Next();
    ASSERT_EQ(test::ParagraphFault(Narrative(ctx, input)), "") << Name(ctx.layout) << " " << input;
    ASSERT_EQ(test::ParagraphFault(Paragraph(ctx, input, 20 + soup.Below(120))), "")
        << Name(ctx.layout) << " " << input;
  }
}

}  // namespace
}  // namespace qv
