#include "app/atlas_run.h"

#include <optional>

#include "atlas/atlas_file.h"
#include "atlas/build_atlas.h"
#include "platform/error.h"

namespace qv {
namespace {

// The character of "/kar=", when given: digits only.
std::optional<AtlasNumber> OnlyCharacter(const CommandLine& args) {
  const std::string value = args.OptionValue("/kar");
  if (value.empty()) return std::nullopt;
  AtlasNumber n = 0;
  for (const char c : value) {
    if (c < '0' || c > '9' || value.size() > 18)
      throw Error(error_kind::kCommandLine,
                  "a /kar= utan karakterszam all, nem ez: '" + value + "'");
    n = n * 10 + (c - '0');
  }
  return n;
}

// The drawn views of the atlas are written from the merged world here,
// after atlasz.txt and before the closing lines.
void WriteAtlasViews(Session& /*session*/, const AtlasWorld& /*world*/) {}

}  // namespace

void RunAtlas(Session& session, const std::vector<std::string>& reports) {
  Console& console = session.ctx.console;
  const std::optional<AtlasNumber> only = OnlyCharacter(session.args);
  const AtlasWorld stored = ReadAtlasFile(kAtlasFileName);
  const AtlasBuild build = BuildAtlas(reports, stored, only, console);
  if (build.reportsRead == 0)
    throw Error(error_kind::kReport, "az atlaszhoz egy fordulojelentes sem olvashato; " +
                                         std::string(kAtlasFileName) + " nem valtozott");
  WriteAtlasFile(build.world, kAtlasFileName);
  console.Line("Atlasz fajl: " + std::string(kAtlasFileName));
  WriteAtlasViews(session, build.world);
  for (const std::string& line : AtlasSummaryLines(build)) console.Line(line);
}

}  // namespace qv
