#pragma once

#include "app/run_context.h"

namespace qv {

// Downloads one turn from the game's web site; reads its options from the
// command line.
void DownloadTurn(RunContext& ctx);

// The domain of the game's web site, as the usage text names it (settings
// section LETOLTES, key Szerver).
std::string SiteDomain(const std::string& programDir);
// The site's host: the domain with "www." in front.
std::string SiteHost(const std::string& programDir);

}  // namespace qv
