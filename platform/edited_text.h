// Text files that players write in an editor (qvformat.ini, item.txt,
// spell.txt), read in whatever form the editor saved them and turned into
// the tool's Windows-1250. Notepad saves Windows-1250 ("ANSI"), UTF-8 with
// or without a byte-order mark, and UTF-16 ("Unicode") with one; lines may
// end with CR LF, LF or a lone CR.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/console.h"
#include "platform/input_file.h"

namespace qv {

// A real settings file or data list is some kilobytes; ten thousand item
// groups take about a megabyte.
inline constexpr std::int64_t kMaxEditedTextBytes = std::int64_t{16} << 20;

enum class TextForm { kCp1250, kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be };

struct EditedText {
  std::string text;  // Windows-1250, every line ended by "\n" (the last one may have none)
  TextForm form = TextForm::kCp1250;
  int firstLostLine = 0;  // first line (from 1) where a character became "?"; 0: none
  int lostLines = 0;      // lines where one did
};

// A byte-order mark tells UTF-8, UTF-16 LE or UTF-16 BE. Without one the
// bytes are UTF-8 when they are valid UTF-8 and at least one multi-byte
// sequence stands for a character Windows-1250 has (á, ő, „, €); else they
// are Windows-1250 as they are. A Windows-1250 text is valid UTF-8 only by
// accident: a capital letter before a sign of 80-BF ("Ő”" is D5 94, "Ó…"
// D3 85, "É„" C9 84) reads as a Latin Extended-B, Greek, Cyrillic,
// Armenian, Hebrew, Arabic or Syriac letter, none of which Windows-1250
// has, and a small letter (E0-FF) stands before a plain letter, which no
// UTF-8 sequence takes. In UTF-8 and UTF-16 a character Windows-1250 lacks,
// and a broken sequence, becomes "?".
EditedText DecodeEditedText(std::string_view bytes);

// Reads the whole regular file at path (ReadRegularFile, at most
// kMaxEditedTextBytes) and decodes it; false with *problem filled in when it
// cannot be read.
bool ReadEditedText(const std::string& path, EditedText* text, InputProblem* problem);

// The warning about characters that became "?", naming the file and the
// first such line; empty when there were none. Hungarian without accents,
// like the tool's other console lines.
std::string LostCharactersWarning(const std::string& path, const EditedText& text);

// Shows that warning, if any, once per run (Console::WarningLine).
void WarnLostCharacters(Console& console, const std::string& path, const EditedText& text);

}  // namespace qv
