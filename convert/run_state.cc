#include "convert/run_state.h"

namespace qv {

void ConverterRun::FlushNarrative() {
  if (narrative.empty()) return;  // it would write nothing
  ParagraphContext p;
  p.layout = layout;
  p.emphasis = settings.emphasis;
  p.narrativeMode = narrativeMode;
  p.commandLabel = commandLabel;
  WriteNarrative(p, narrative, rtf);
}

}  // namespace qv
