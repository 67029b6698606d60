#include "config/format_settings.h"

#include <cstdio>

#include "platform/error.h"

namespace qv {
namespace {

// What in a font name would end or open something in the font table: a
// brace, a backslash, the ";" that ends the entry, or a control byte.
// Returns it as the message shows it; empty when the name is sound.
std::string FontTableBreaker(const std::string& name) {
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%02X", byte);
      return std::string("a ") + hex + " vezerlobajt";
    }
    if (c == '{' || c == '}' || c == '\\' || c == ';') return std::string("\"") + c + "\"";
  }
  return "";
}

// The font name of key, refused when it would break the document.
std::string ReadFontName(const IniFile& ini, const char* key, const std::string& fallback) {
  std::string name = ini.ReadString("FORMAT", key, fallback);
  const std::string breaker = FontTableBreaker(name);
  if (!breaker.empty()) {
    throw Error(error_kind::kSettings, "'" + ini.path() + "' [FORMAT] szakaszaban a " + key +
                                           " ertekeben " + breaker +
                                           " all, ami betukeszlet neveben nem allhat: elrontana a "
                                           "dokumentum betukeszlet-tablazatat");
  }
  return name;
}

}  // namespace

FormatSettings ReadFormatSettings(const IniFile& ini, const std::string& siteHost) {
  FormatSettings s;
  PrologueFonts& f = s.fonts;
  f.times = ReadFontName(ini, "FontTimes", f.times);
  f.arial = ReadFontName(ini, "FontArial", f.arial);
  f.footer = ReadFontName(ini, "FontFooter", f.footer);
  f.fixed = ReadFontName(ini, "FontFixed", f.fixed);
  // Each switch is held in one byte, as it always was.
  auto flag = [&](const char* key) {
    return static_cast<int>(static_cast<unsigned char>(ini.ReadInteger("FORMAT", key, 0)));
  };
  Emphasis& e = s.emphasis;
  e.harcFelkover = flag("HarcFelkover");
  e.harcDolt = flag("HarcDolt");
  e.kerekZarojelFelkover = flag("KerekZarojelFelkover");
  e.kerekZarojelDolt = flag("KerekZarojelDolt");
  e.szogletesZarojelFelkover = flag("SzogletesZarojelFelkover");
  e.szogletesZarojelDolt = flag("SzogletesZarojelDolt");
  e.feltetelesFelkover = flag("FeltetelesFelkover");
  e.feltetelesDolt = flag("FeltetelesDolt");
  e.encyclopediaFelkover = flag("EncyclopediaFelkover");
  e.encyclopediaDolt = flag("EncyclopediaDolt");
  s.siteHost = siteHost;
  return s;
}

}  // namespace qv
