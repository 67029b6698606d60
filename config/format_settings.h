// What the RTF converter is given of the settings: section FORMAT's fonts of
// the prologue and emphasis switches of the paragraph writer, and the game
// site's host.
#pragma once

#include <string>

#include "config/site.h"
#include "rtfkit/emphasis.h"
#include "rtfkit/prologue.h"
#include "text/settings.h"

namespace qv {

struct FormatSettings {
  PrologueFonts fonts;
  Emphasis emphasis;
  // The site's host (SiteSettings), whose pictures the encyclopedia leaves
  // out.
  std::string siteHost = SiteSettings().host;
};

// Reads the fourteen FORMAT keys of `settings`, in order, with their
// defaults, and takes the site's host. A font name holding "{", "}", "\",
// ";" or a control byte is refused with qv::Error naming the file, since
// the font table takes the names as they are.
FormatSettings ReadFormatSettings(const IniFile& settings, const std::string& siteHost);

}  // namespace qv
