// What every mode of one run shares: the parameters, the console and the
// executable's directory (where settings and data files are looked for).
#pragma once

#include <string>

#include "app/command_line.h"
#include "platform/console.h"

namespace qv {

struct RunContext {
  CommandLine args;
  Console& console;
  std::string programDir;  // with a trailing "/"
};

}  // namespace qv
