// What a feature needs from the run it is part of: the console and the
// executable's directory (where settings and data files are looked for).
#pragma once

#include <string>

#include "platform/console.h"

namespace qv {

struct RunContext {
  Console& console;
  std::string programDir;  // with a trailing "/"
};

}  // namespace qv
