#include "convert/run_state.h"

#include <cstdio>

#include "platform/error.h"
#include "text/settings.h"
#include "text/text.h"

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
std::string ReadFontName(const IniFile& ini, const std::string& iniPath, const char* key,
                         const std::string& fallback) {
  std::string name = ini.ReadString("FORMAT", key, fallback);
  const std::string breaker = FontTableBreaker(name);
  if (!breaker.empty()) {
    throw Error(error_kind::kSettings, "'" + iniPath + "' [FORMAT] szakaszaban a " + key +
                                           " ertekeben " + breaker +
                                           " all, ami betukeszlet neveben nem allhat: elrontana a "
                                           "dokumentum betukeszlet-tablazatat");
  }
  return name;
}

}  // namespace

FormatSettings ReadFormatSettings(const std::string& iniPath, Console* console) {
  const IniFile ini(iniPath, console);
  FormatSettings s;
  PrologueFonts& f = s.fonts;
  f.times = ReadFontName(ini, iniPath, "FontTimes", f.times);
  f.arial = ReadFontName(ini, iniPath, "FontArial", f.arial);
  f.footer = ReadFontName(ini, iniPath, "FontFooter", f.footer);
  f.fixed = ReadFontName(ini, iniPath, "FontFixed", f.fixed);
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
  return s;
}

void ConverterRun::FlushNarrative() {
  ParagraphContext p;
  p.layout = layout;
  p.emphasis = settings.emphasis;
  p.narrativeMode = narrativeMode;
  p.commandLabel = commandLabel;
  WriteNarrative(p, narrative, rtf);
}

}  // namespace qv
