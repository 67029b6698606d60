#include "convert/encyclopedia.h"

#include <vector>

#include "rtfkit/rtf_escape.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

// Headed by the section's title as the report spells it.
const std::string kHeading = R"(\par\f4{\qj\keep\keepn\widctlpar {\b\fs20 )" +
                             std::string(report::kEncyclopediaTitle) + "}}";
constexpr std::string_view kRule =
    R"({\par\pard\keep\keepn\widctlpar\brdrb\brdrs\brdrw15\brsp20\fs8\par})";
constexpr std::string_view kNoteStart = R"(\pard\keep\keepn\sb120\widctlpar )";

void WriteHeading(ConverterRun& run) {
  run.Console("Encyclopedia Fantasia...");
  // Without a contact list before it, the heading needs a paragraph of its own.
  if (!run.contactListWritten) run.rtf.Write(R"(\par)");
  run.rtf.Line(kHeading);
  run.rtf.Line(kRule);
}

// The layouts lay the notes out differently (a note over many lines against
// one entry a line), so each has its own reader.

// Older layout: a note runs from one "</TABLE>" line to the next; the last
// one (ending on the character sheet's line) is not a note.
void OlderNotes(ConverterRun& run) {
  WriteHeading(run);
  std::vector<std::string> entries;
  while (!run.Eof() && !run.CurrentHolds(report::kSheetTitle)) {
    run.ReadLine();
    if (run.currentLine == older::kNoteSeparator || entries.empty()) entries.emplace_back();
    entries.back() += run.currentLine;
  }
  for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
    if (i > 0) run.rtf.Line(kRule);
    // Escaped before the paragraph break goes in; tags and blanks are
    // cleaned afterwards, which leaves the escapes whole.
    std::string note = RtfEscape(entries[i]);
    // The first "<BR>" ends the title and goes; a second one separates the
    // note's two paragraphs.
    constexpr std::string_view kBreak = older::kNoteBreak;
    const int first = Find(kBreak, note);
    if (first > 0) Delete(note, first, Length(kBreak));
    const int second = Find(kBreak, note);
    if (second > 0) {
      Delete(note, second, Length(kBreak));
      Insert("\r\n\\par\\pard\\qj\\widctlpar ", note, second);
    }
    run.rtf.Line(std::string(kNoteStart) + NormalizeBlanks(StripTags(note)));
  }
  run.rtf.Line(R"({\keep\keepn\widctlpar\brdrb\brdrs\brdrw15\brsp20\fs8\par})");
}

// Newer layout: one entry a line; a heading line opens a note.
void NewerNotes(ConverterRun& run) {
  using newer::kEncyclopediaEnd, newer::kNoteHeadingCell;
  WriteHeading(run);
  const std::string& siteHost = run.settings.siteHost;
  std::vector<std::string> entries;
  while (!run.Eof() && !run.CurrentHolds(kEncyclopediaEnd)) {
    run.ReadLine();
    if (IsSiteImageLine(run.currentLine, siteHost)) {
      // The picture goes; the line after it belongs to the entry before.
      run.ReadLine();
      if (entries.empty()) entries.emplace_back();
      entries.back() += run.currentLine;
    } else {
      entries.push_back(run.currentLine);
    }
  }
  bool firstHeading = true;
  for (const std::string& entry : entries) {
    run.currentLine = entry;
    const std::string text = RtfEscape(NormalizeBlanks(StripTags(entry)));
    if (Contains(AsciiLowerCase(entry), kNoteHeadingCell) && entry.size() >= 106) {
      if (!firstHeading) run.rtf.Line(kRule);
      firstHeading = false;
      run.rtf.Line(std::string(kNoteStart) + text);
      run.rtf.Write(R"(\par\pard\qj\widctlpar )");
    } else {
      run.rtf.Line(text + " ");
    }
  }
  run.rtf.Line(R"({\pard\widctlpar\fs2\par})");
  run.ReadUntilAny({report::kSheetTitle});
}

}  // namespace

bool IsSiteImageLine(const std::string& line, const std::string& siteHost) {
  for (const char* scheme : {"http://", "https://"})
    if (Contains(line, std::string(newer::kImageStart) + scheme + siteHost + "/")) return true;
  return false;
}

void WriteEncyclopediaNotes(ConverterRun& run) {
  if (run.layout == Layout::kOlder)
    OlderNotes(run);
  else
    NewerNotes(run);
}

}  // namespace qv
