#include "platform/edited_text.h"

#include "platform/encoding.h"

namespace qv {
namespace {

constexpr char32_t kBroken = 0xFFFFFFFF;  // a sequence that stands for no character

// Builds the Windows-1250 text character by character: every line end
// (CR LF, LF, CR) becomes "\n", and the lines where a character became "?"
// are counted.
class TextBuilder {
 public:
  explicit TextBuilder(EditedText* out, std::size_t size) : out_(out) { out_->text.reserve(size); }

  void Byte(char byte) {
    if (byte == '\n' && afterCr_) {
      afterCr_ = false;
      return;
    }
    afterCr_ = byte == '\r';
    if (byte == '\r' || byte == '\n') {
      out_->text += '\n';
      ++line_;
      lostHere_ = false;
      return;
    }
    out_->text += byte;
  }

  void CodePoint(char32_t cp) {
    char byte = '?';
    if (cp != kBroken && CodePointToCp1250(cp, &byte)) {
      Byte(byte);
      return;
    }
    afterCr_ = false;
    out_->text += '?';
    if (lostHere_) return;
    lostHere_ = true;
    if (out_->firstLostLine == 0) out_->firstLostLine = line_;
    ++out_->lostLines;
  }

 private:
  EditedText* out_;
  int line_ = 1;
  bool afterCr_ = false;
  bool lostHere_ = false;
};

bool Continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The code point of the UTF-8 sequence at bytes[*at], moving *at behind it;
// kBroken (and one byte on) for an invalid, overlong or cut-off sequence, a
// surrogate or a value above U+10FFFF.
char32_t NextUtf8(std::string_view bytes, std::size_t* at) {
  const std::size_t i = *at;
  const auto b0 = static_cast<unsigned char>(bytes[i]);
  *at = i + 1;
  if (b0 < 0x80) return b0;
  int length = 0;
  char32_t cp = 0, least = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, cp = b0 & 0x1F, least = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, cp = b0 & 0x0F, least = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, cp = b0 & 0x07, least = 0x10000;
  } else {
    return kBroken;
  }
  if (i + length > bytes.size()) return kBroken;
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if (!Continuation(b)) return kBroken;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return kBroken;
  *at = i + length;
  return cp;
}

// True when the bytes are valid UTF-8 and some multi-byte sequence stands
// for a character Windows-1250 has.
bool LooksLikeUtf8(std::string_view bytes) {
  bool knownLetter = false;
  for (std::size_t at = 0; at < bytes.size();) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80) {
      ++at;
      continue;
    }
    const char32_t cp = NextUtf8(bytes, &at);
    if (cp == kBroken) return false;
    char byte;
    knownLetter = knownLetter || CodePointToCp1250(cp, &byte);
  }
  return knownLetter;
}

void DecodeUtf8(std::string_view bytes, TextBuilder& out) {
  for (std::size_t at = 0; at < bytes.size();) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80)
      out.Byte(bytes[at++]);
    else
      out.CodePoint(NextUtf8(bytes, &at));
  }
}

void DecodeUtf16(std::string_view bytes, bool bigEndian, TextBuilder& out) {
  auto unit = [&](std::size_t at) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return bigEndian ? (first << 8) | second : (second << 8) | first;
  };
  std::size_t at = 0;
  for (; at + 1 < bytes.size(); at += 2) {
    const char32_t u = unit(at);
    if (u >= 0xD800 && u < 0xDC00 && at + 3 < bytes.size()) {
      const char32_t low = unit(at + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        out.CodePoint(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        at += 2;
        continue;
      }
    }
    out.CodePoint(u >= 0xD800 && u < 0xE000 ? kBroken : u);
  }
  if (at < bytes.size()) out.CodePoint(kBroken);  // half a unit at the end
}

}  // namespace

EditedText DecodeEditedText(std::string_view bytes) {
  EditedText result;
  TextBuilder out(&result, bytes.size());
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    result.form = TextForm::kUtf8Bom;
    DecodeUtf8(bytes.substr(3), out);
  } else if (bytes.starts_with("\xFF\xFE")) {
    result.form = TextForm::kUtf16Le;
    DecodeUtf16(bytes.substr(2), false, out);
  } else if (bytes.starts_with("\xFE\xFF")) {
    result.form = TextForm::kUtf16Be;
    DecodeUtf16(bytes.substr(2), true, out);
  } else if (LooksLikeUtf8(bytes)) {
    result.form = TextForm::kUtf8;
    DecodeUtf8(bytes, out);
  } else {
    for (const char byte : bytes) out.Byte(byte);
  }
  return result;
}

bool ReadEditedText(const std::string& path, EditedText* text, InputProblem* problem) {
  std::string bytes;
  if (!ReadRegularFile(path, kMaxEditedTextBytes, &bytes, problem)) return false;
  *text = DecodeEditedText(bytes);
  return true;
}

std::string LostCharactersWarning(const std::string& path, const EditedText& text) {
  if (text.lostLines == 0) return "";
  std::string where = std::to_string(text.firstLostLine) + ". soraban";
  if (text.lostLines > 1) where += " (es meg " + std::to_string(text.lostLines - 1) + " soraban)";
  return WarningText(
      "'" + path + "' " + where +
      " olyan betu all, amely nincs meg a Windows-1250 kodlapban: \"?\" lett belole");
}

void WarnLostCharacters(Console& console, const std::string& path, const EditedText& text) {
  const std::string warning = LostCharactersWarning(path, text);
  if (!warning.empty()) console.WarningLine(warning);
}

}  // namespace qv
