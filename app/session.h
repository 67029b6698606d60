// One run of the tool: its parameters, what every feature is given, and what
// the features keep from one report to the next. Owned by main.
#pragma once

#include <string>

#include "app/command_line.h"
#include "app/run_settings.h"
#include "convert/driver.h"
#include "itemlist/page_setup.h"
#include "platform/run_context.h"

namespace qv {

struct Session {
  Session(CommandLine params, Console& console, std::string programDir)
      : args(std::move(params)),
        ctx{console, std::move(programDir)},
        settings(console, ctx.programDir, args.OptionValue("/ini=")) {}

  CommandLine args;
  RunContext ctx;
  RunSettings settings;         // the settings file, read once; each feature's values
  ConverterSession converters;  // the maps' pictures
  PageSetupCache pages;         // the page's data files, read once; its maps' pictures
};

}  // namespace qv
