// The two text encodings of the download connection. The tool's texts are
// Windows-1250 bytes; these turn them into the bytes sent and back.
#pragma once

#include <string>

namespace qv {

enum class TextEncoding {
  kEightBit,  // one byte per character: code points 0-255 as themselves, others "?"
  kUtf8,
};

// The bytes that stand for a Windows-1250 text on the wire. In 8-bit mode a
// character whose code point is above 255 (ő, ű, Š, €, ...) becomes "?".
std::string EncodeForWire(const std::string& text, TextEncoding encoding);

// The Windows-1250 text of received bytes. In 8-bit mode a byte is the
// character of the same code point; one that Windows-1250 lacks becomes "?".
std::string DecodeFromWire(const std::string& bytes, TextEncoding encoding);

}  // namespace qv
