#include "download/line_encoding.h"

#include "platform/encoding.h"

namespace qv {

std::string EncodeForWire(const std::string& text, TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 ? Cp1250ToUtf8(text) : Cp1250ToLatin1(text);
}

std::string DecodeFromWire(const std::string& bytes, TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 ? Utf8ToCp1250(bytes) : Latin1ToCp1250(bytes);
}

}  // namespace qv
