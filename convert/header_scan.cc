#include "convert/header_scan.h"

#include "rtfkit/cp1250.h"
#include "rtfkit/text.h"

namespace qv {
namespace {

const std::string kLineEnd = std::string(R"(\par )") + "\r\n";

std::string Lower(const std::string& s) { return AsciiLowerCase(s); }

// Deletes everything in front of marker (nothing when it is absent).
void DeleteBefore(std::string& line, std::string_view marker) {
  const int p = Find(marker, line);
  if (p > 0) Delete(line, 1, p - 1);
}

// "SZÁMLA :" gets three blanks before its colon, as the other labels have.
void AlignAccountLabel(std::string& block) {
  const int p = Find("SZÁMLA :"_cp, block);
  if (p > 0) Insert("  ", block, p + 6);
}

void ScanHeaderRtf(ConverterRun& run) {
  std::string& line = run.currentLine;
  while (!run.Eof() && !Contains(line, " KALANDJAI")) {
    run.ReadLine();
    if (Contains(line, "Betáplálva:"_cp)) {
      DeleteBefore(line, "Betáplálva:"_cp);
      run.headerBlock = StripTags(line) + kLineEnd;
      while (!run.Eof() && !Contains(Lower(line), "</td>")) {
        run.ReadLine();
        if (!Contains(Lower(line), "</td>")) run.headerBlock += StripTags(line) + kLineEnd;
      }

      run.ReadLine();
      DeleteBefore(line, "KALANDOZÓ:"_cp);
      run.adventurerBlock = StripTags(line) + kLineEnd;
      while (!run.Eof() && !Contains(Lower(line), "</td>")) {
        run.ReadLine();
        const int extra = Find("Extra forduló"_cp, line);
        if (extra > 0) {
          // The note runs to the next "</td>", its tags kept.
          const int end = PosFrom("</td>", Lower(line), extra);
          const std::string note = end > 0 ? Copy(line, extra, end - extra) : std::string();
          run.adventurerBlock += R"({\f11\fs16 )" + note + "} \r\n";
        }
        if (!Contains(Lower(line), "</td>")) run.adventurerBlock += StripTags(line) + kLineEnd;
      }
      AlignAccountLabel(run.adventurerBlock);
    }
    if (Contains(line, " KALANDJAI")) {
      std::string title = line;
      const int h1 = Find("<H1>", title);
      Delete(title, 1, h1 > 0 ? h1 + 3 : 3);
      run.reportTitle = StripTags(NormalizeBlanks(title));
    }
  }
}

void ScanHeaderRtfUj(ConverterRun& run) {
  static constexpr std::string_view kColumnBreak = R"(</TD><TD CLASS="t1" VALIGN=TOP>)";
  static constexpr std::string_view kHeaderEnd = "</TD></TR></TABLE>";
  std::string& line = run.currentLine;
  while (!run.Eof() && !Contains(line, " KALANDJAI")) {
    run.ReadLine();
    if (Contains(line, "Betáplálva:"_cp)) {
      DeleteBefore(line, "Betáplálva:"_cp);
      run.headerBlock = StripTags(line) + kLineEnd;
      while (!run.Eof() && !Contains(line, kColumnBreak)) {
        run.ReadLine();
        if (!Contains(line, kColumnBreak)) run.headerBlock += StripTags(line) + kLineEnd;
      }

      // The right column starts on the line that ended the left one.
      DeleteBefore(line, "KALANDOZÓ:"_cp);
      run.adventurerBlock = StripTags(line) + kLineEnd;
      while (!run.Eof() && !Contains(line, kHeaderEnd)) {
        run.ReadLine();
        const int extra = Find("Extra forduló"_cp, line);
        if (extra > 0) {
          const int end = PosFrom("</TD>", line, extra);
          const std::string note = end > 0 ? Copy(line, extra, end - extra) : std::string();
          run.adventurerBlock += R"({\f11\fs16 )" + note + "} \r\n";
        }
        if (!Contains(line, kHeaderEnd)) run.adventurerBlock += StripTags(line) + kLineEnd;
      }
      AlignAccountLabel(run.adventurerBlock);
    }
    if (Contains(line, " KALANDJAI")) {
      std::string title = line;
      const int h2 = Find("<P><center><h2>", title);
      Delete(title, 1, h2 > 0 ? h2 + 14 : 14);
      run.reportTitle = NormalizeBlanks(title);
    }
  }
}

}  // namespace

void ScanHeader(ConverterRun& run) {
  if (run.variant == Variant::kRtf)
    ScanHeaderRtf(run);
  else
    ScanHeaderRtfUj(run);
}

}  // namespace qv
