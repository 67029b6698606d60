#include "platform/exit_pause.h"

namespace qv {

// A terminal window outlives the programs started in it.
bool PauseBeforeExitWanted() { return false; }

}  // namespace qv
