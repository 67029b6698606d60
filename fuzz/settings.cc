// Fuzz target: the settings reader on any qvformat.ini, and everything the
// tool reads from it: the converters' FORMAT keys (and the document's
// prologue they go into), the item-list page's keys and item groups, and
// the site's domain. Each "key=value" line among the first 64 is also asked
// for in the section above it.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "config/format_settings.h"
#include "config/page_settings.h"
#include "config/site.h"
#include "fuzz/fuzz_support.h"
#include "platform/error.h"
#include "rtfkit/prologue.h"
#include "rtfkit/rtf_writer.h"
#include "tests/support/rtf_braces.h"
#include "tests/support/scratch_dir.h"
#include "text/settings.h"

namespace {

// Groups read per input. The count itself comes from the file; reading
// billions of groups is the page's own limit to set, not this target's.
constexpr int kGroupsTried = 64;
constexpr std::size_t kLinesAsked = 64;

std::string PrologueOf(const qv::PrologueFonts& fonts) {
  qv::RtfWriter out = qv::RtfWriter::InMemory();
  qv::WritePrologue(qv::PrologueInput{fonts, "", "", ""}, out);
  return out.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const qv::test::TempDir dir;
  const std::string text = qv::fuzz::AsText(data, size);
  const std::string path = dir.Write("qvformat.ini", text);
  try {
    const qv::IniFile ini(path);
    std::string section;
    const std::vector<std::string> lines = qv::fuzz::InputLines(text);
    for (std::size_t i = 0; i < lines.size() && i < kLinesAsked; ++i) {
      const std::string& line = lines[i];
      const std::size_t equals = line.find('=');
      if (!line.empty() && line[0] == '[') {
        section = line.substr(1, line.find(']') - 1);
      } else if (equals != std::string::npos) {
        const std::string value = ini.ReadString(section, line.substr(0, equals), "-");
        int number = 0;
        qv::ParseInteger(value, &number);
        ini.ReadInteger(section, line.substr(0, equals), 0);
      }
    }

    const qv::PageSettings page = qv::ReadPageSettings(ini, "www.fuzz.example");
    qv::ReadItemGroups(ini, std::min(page.groupCount, kGroupsTried));
    const qv::SiteSettings site = qv::ReadSiteSettings(ini, dir.path() + "/");

    const qv::FormatSettings format = qv::ReadFormatSettings(ini, site.host);
    const std::string prologue = PrologueOf(format.fonts);
    // Font names from the file leave the prologue's groups as the default
    // fonts do.
    if (qv::fuzz::ResultChecksOn() &&
        qv::test::BraceBalance(prologue) != qv::test::BraceBalance(PrologueOf(qv::PrologueFonts{})))
      qv::fuzz::CheckFailed("the font names unbalance the prologue");
  } catch (const qv::Error&) {
    // refused with a message
  }
  return 0;
}
