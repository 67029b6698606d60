#include "convert/closing_sections.h"

namespace qv {

void ConvertClosingSections(ConverterRun& run) {
  run.rtf.Line("}");
  // Everything reaches the disk before success is announced, so a full disk
  // is reported as the failure it is.
  run.rtf.Close();
  run.Console("RTF file keszitese sikeresen befejezodott!");
  run.Console("");
}

}  // namespace qv
