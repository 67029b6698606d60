// One run of the tool: its parameters, what every feature is given, and what
// the features keep from one report to the next. Owned by main.
#pragma once

#include <string>

#include "app/command_line.h"
#include "convert/driver.h"
#include "itemlist/page_setup.h"
#include "platform/run_context.h"

namespace qv {

struct Session {
  Session(CommandLine params, Console& console, std::string programDir)
      : args(std::move(params)),
        ctx{console, std::move(programDir)},
        pages(args.OptionValue("/ini=")) {}

  CommandLine args;
  RunContext ctx;
  ConverterSession converters;  // the newer converter's settings, read once; the maps' pictures
  PageSetupCache pages;         // the page's settings and data files, read once; its maps' pictures
};

}  // namespace qv
