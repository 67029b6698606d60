#include "convert/run_state.h"

#include "platform/settings.h"
#include "text/text.h"

namespace qv {

FormatSettings ReadFormatSettings(const std::string& iniPath) {
  const IniFile ini(iniPath);
  FormatSettings s;
  PrologueFonts& f = s.fonts;
  f.times = ini.ReadString("FORMAT", "FontTimes", f.times);
  f.arial = ini.ReadString("FORMAT", "FontArial", f.arial);
  f.footer = ini.ReadString("FORMAT", "FontFooter", f.footer);
  f.fixed = ini.ReadString("FORMAT", "FontFixed", f.fixed);
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
