#include "rtfkit/prologue.h"

#include <string_view>

#include "text/cp1250.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

void Lines(RtfWriter& out, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) out.Line(line);
}

// Font table, colour table, stylesheet, page set-up and the opening of the
// footer group, up to the turn-number line.
void WriteDocumentHead(const PrologueFonts& fonts, RtfWriter& out) {
  Lines(out, {
                 R"({\rtf1\ansi\ansicpg1250\uc1 \deff0\deflang1033\deflangfe1038)",
                 "{",
                 R"(\fonttbl)",
                 R"({\f2\froman\fcharset2\fprq2 Symbol;})",
             });
  out.Line(R"({\f4\froman\fcharset238\fprq2 )" + fonts.times + ";}");
  out.Line(R"({\f5\fswiss\fcharset238\fprq2 )" + fonts.arial + ";}");
  out.Line(R"({\f6\fswiss\fcharset238\fprq2 )" + fonts.footer + ";}");
  out.Line(R"({\f11\fmodern\fcharset238\fprq1 )" + fonts.fixed + ";}");
  Lines(
      out,
      {
          "}",
          "{",
          R"(\colortbl;)",
          R"(\red0\green0\blue0;)",
          "}",
          "{",
          R"(\stylesheet)",
          R"({\widctlpar \f4\fs20\lang1038 \snext0 Normal;})",
          R"({\*\cs10 \additive Default Paragraph Font;})",
          R"({\s15\widctlpar\tqc\tx4703\tqr\tx9406 \f4\fs20\lang1038\sbasedon0\snext15 footer;})",
          R"({\*\cs16 \additive\sbasedon10 page number;})",
          R"({\s17\widctlpar\tqc\tx4703\tqr\tx9406 \f4\fs20\lang1038 \sbasedon0\snext17 header;})",
          "}",
          "",
          R"(\paperw11906\paperh16838\margl851\margr849\margt851\margb993)",
          "",
          R"(\deftab709\widowctrl\ftnbj\aenddoc\hyphhotz425\hyphcaps0\formshade)",
          R"(\fet0\sectd)",
          R"(\linex0\headery709\footery907\colsx709\endnhere)",
          "{",
          R"(\footer)",
          R"(\pard\plain)",
          R"(\s15\tqc\tx4703\tqr\tx9406\pvpara\phmrg\posxc\posy0)",
      });
}

// The rest of the footer and the outline-numbering levels.
void WriteFooterTail(RtfWriter& out) {
  Lines(out,
        {
            // The bullet is the character itself and the page number carries its
            // formatting outside the field and a result: readers other than Word
            // show a SYMBOL field as an empty box and drop formatting inside a code.
            R"({\cs16\b\f6\fs20 \'95} {\cs16\b\f6\fs20 {\field{\*\fldinst PAGE }{\fldrslt 1}}})",
            R"({\cs16\b\f6\fs20\ . oldal <\par }\pard \s15\brdrt\brdrs\brdrw15\brsp20)",
            R"(\par)",
            "}",
            "",
            R"({\*\pnseclvl1\pnucrm\pnstart1\pnindent720\pnhang{\pntxta .}})",
            R"({\*\pnseclvl2\pnucltr\pnstart1\pnindent720\pnhang{\pntxta .}})",
            R"({\*\pnseclvl3\pndec\pnstart1\pnindent720\pnhang{\pntxta .}})",
            R"({\*\pnseclvl4\pnlcltr\pnstart1\pnindent720\pnhang{\pntxta )}})",
            R"({\*\pnseclvl5\pndec\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})",
            R"({\*\pnseclvl6\pnlcltr\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})",
            R"({\*\pnseclvl7\pnlcrm\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})",
            R"({\*\pnseclvl8\pnlcltr\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})",
            R"({\*\pnseclvl9\pnlcrm\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})",
            R"(\pard\plain)",
            "",
        });
}

// The two-column section: header block beside the boxed adventurer block.
void WriteHeaderColumns(const PrologueInput& in, RtfWriter& out) {
  Lines(
      out,
      {
          R"(\par)",
          "",
          R"(\widctlpar)",
          R"(\sect)",
          R"(\sectd)",
          R"(\sbknone\linex0\headery709\footery907\cols2\endnhere\colno1\colw5246\colsr283\colno2\colw3543)",
          "",
      });
  // The block keeps its own line ends, so this one line spans several.
  out.Line(R"({\f11\fs23 )" + in.headerBlock);
  Lines(out, {
                 R"(\column})",
                 R"({\f11\fs1\par })",
                 "",
                 R"(\trowd)",
                 R"(\trgaph71\trleft-71)",
                 R"(\trbrdrt\brdrs\brdrw15)",
                 R"(\trbrdrl\brdrs\brdrw15)",
                 R"(\trbrdrb\brdrs\brdrw15)",
                 R"(\trbrdrr\brdrs\brdrw15)",
                 R"(\clbrdrt\brdrs\brdrw15)",
                 R"(\clbrdrl\brdrs\brdrw15)",
                 R"(\clbrdrb\brdrs\brdrw15)",
                 R"(\clbrdrr\brdrs\brdrw15)",
                 R"(\cellx2552)",
                 R"(\pard)",
                 R"(\widctlpar\intbl)",
             });
  // No column break inside the cell: Word ignores one there, but other
  // readers break to a new page and push the box off page 1.
  out.Line(R"({\f11\fs23 )" + in.adventurerBlock + "}");
  Lines(out, {
                 R"(\cell)",
                 R"(\row)",
                 R"(\pard)",
                 "",
             });
}

// One-column sections: the framed box at the top right and the title.
void WriteTitle(const std::string& reportTitle, RtfWriter& out) {
  Lines(out,
        {
            R"(\pard)",
            R"(\fi142\ri-1287\widctlpar)",
            // A one-point paragraph after the box table keeps readers other than
            // Word from starting the next section on a new page.
            R"({\f11\fs2\par})",
            R"({\f11\fs23\sect})",
            R"(\sectd)",
            R"(\sbknone\linex0\headery709\footery907\endnhere)",
            R"(\pard\plain \widctlpar)",
            R"(\f4\fs20)",
            R"({\f5\fs36\par })",
            R"(\pard)",
            R"(\qc\widctlpar)",
            R"({\f5\fs36\sect})",
            R"(\sectd)",
            R"(\sbknone\linex0\headery709\footery907\endnhere)",
            R"(\pard\plain)",
            R"(\widctlpar\brdrb\brdrs\brdrw15\brsp20)",
            R"(\pvpara\phpg\posx11085\posy62\absh289\absw284\dxfrtext142\dfrmtxtx142\dfrmtxty0)",
            R"(\f4\fs20\lang1038)",
            R"(\par)",
            R"(\pard)",
            R"(\qc\widctlpar)",
        });
  out.Line(R"({\f5\fs36 )" + reportTitle + "}");
  Lines(out, {
                 R"(\par\pard {\f5\fs36\par})",
                 R"(\pard \qj\widctlpar)",
             });
}

}  // namespace

std::string TurnNumber(const std::string& headerBlock) {
  using report::kTurnBefore, report::kTurnAfter;
  const int start = Find(kTurnBefore, headerBlock);
  const int end = Find(kTurnAfter, headerBlock);
  if (start == 0 || end == 0) return "";
  const int first = start + static_cast<int>(kTurnBefore.size());
  if (end < first) return "";
  return Copy(headerBlock, first, end - first);
}

std::string WritePrologue(const PrologueInput& in, RtfWriter& out) {
  const std::string turn = TurnNumber(in.headerBlock);
  WritePrologueShowingTurn(in, turn, out);
  return turn;
}

void WritePrologueShowingTurn(const PrologueInput& in, std::string_view turn, RtfWriter& out) {
  WriteDocumentHead(in.fonts, out);
  out.Line(std::string(R"({\cs16\b\f6\fs20\lang1033 > )") + std::string(turn) +
           std::string(R"(. forduló })"_cp));
  WriteFooterTail(out);
  WriteBannerPicture(out);
  WriteHeaderColumns(in, out);
  WriteTitle(in.reportTitle, out);
}

}  // namespace qv
