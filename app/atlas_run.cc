#include "app/atlas_run.h"

#include <optional>

#include "atlas/atlas_document.h"
#include "atlas/atlas_file.h"
#include "atlas/atlas_page.h"
#include "atlas/build_atlas.h"
#include "platform/error.h"
#include "platform/input_file.h"

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

// The page to explore and the printable atlas, drawn with the documents'
// map pictures and fonts.
void WriteAtlasViews(Session& session, const AtlasWorld& world) {
  MapResources& resources = session.converters.mapResources;
  const MapPictures& pictures = resources.Pictures(session.ctx.programDir);
  WriteAtlasPage(world, pictures, kAtlasPageName);
  WriteAtlasDocument(world, pictures, resources.Font(), session.settings.Format().fonts,
                     kAtlasDocumentName);
}

// The atlas's files, named on the closing line.
std::string ViewNames() {
  return std::string("; megnyithato: ") + kAtlasPageName + ", nyomtathato: " + kAtlasDocumentName;
}

// A console that drops its lines: after a download the atlas's own lines
// are summed up in one.
class QuietConsole final : public Console {
 public:
  void Line(const std::string&) override {}
  void ErrorLine(const std::string&) override {}
  void SetMessagesToErrorStream(bool) override {}
  bool MessagesToErrorStream() const override { return false; }
};

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
  std::vector<std::string> lines = AtlasSummaryLines(build);
  lines.back() += ViewNames();
  for (const std::string& line : lines) console.Line(line);
}

void UpdateAtlasAfterDownload(Session& session, const std::string& report) {
  Console& console = session.ctx.console;
  if (!FileExists(kAtlasFileName)) return;
  try {
    QuietConsole quiet;
    const AtlasWorld stored = ReadAtlasFile(kAtlasFileName);
    const AtlasBuild build = BuildAtlas({report}, stored, std::nullopt, quiet);
    if (build.reportsRead == 0) {
      console.Line("Atlasz: " + std::string(kAtlasFileName) +
                   " nem valtozott: a letoltott jelentes nem olvashato hozza");
      return;
    }
    WriteAtlasFile(build.world, kAtlasFileName);
    WriteAtlasViews(session, build.world);
    console.Line("Atlasz frissitve: " + std::string(kAtlasFileName) + ", " + kAtlasPageName +
                 " es " + kAtlasDocumentName + " (" + std::to_string(build.world.cells.size()) +
                 " cella, " + std::to_string(build.world.conflicts.size()) + " ellentmondas)");
  } catch (const Error& e) {
    console.Line("Atlasz: nem frissult (" + e.kind() + ": " + e.text() + "); a letoltes rendben");
  }
}

}  // namespace qv
