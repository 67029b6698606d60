#pragma once

#include "convert/run_state.h"

namespace qv {

// Reads the report header: the left column (from "Betáplálva:") into
// headerBlock, the right column (from "KALANDOZÓ:") into adventurerBlock,
// and the title line (" KALANDJAI") into reportTitle.
void ScanHeader(ConverterRun& run);

}  // namespace qv
