#include "download/credentials.h"

#include "platform/charset.h"
#include "rtfkit/text.h"

namespace qv {

std::string CommandLineTextToCp1250(const std::string& text, const std::string& charset) {
  bool ascii = true;
  for (const char ch : text) ascii = ascii && static_cast<unsigned char>(ch) < 0x80;
  const std::string set = AsciiUpperCase(charset);
  // The C locale says nothing about bytes above 127: they stay as typed.
  if (ascii || set.empty() || set == "ANSI_X3.4-1968" || set == "ASCII" || set == "US-ASCII" ||
      set == "CP1250" || set == "WINDOWS-1250")
    return text;
  return Transcode(text, charset.c_str(), "WINDOWS-1250");
}

}  // namespace qv
