// The settings of one run: the settings file is read once, when the first
// feature needs it, and each feature is handed the values it uses: the
// converter its FormatSettings, the item-list page its ItemListSettings
// (from the "/ini=" file when the command line names one), the download its
// SiteSettings, the usage text the site's domain. No feature reads a
// settings file.
#pragma once

#include <optional>
#include <string>

#include "config/format_settings.h"
#include "config/page_settings.h"
#include "config/site.h"
#include "platform/console.h"
#include "text/settings.h"

namespace qv {

class RunSettings {
 public:
  // iniOption: the "/ini=" value, empty without one. Characters
  // Windows-1250 lacks in a settings file are warned about on console.
  RunSettings(Console& console, std::string programDir, std::string iniOption = "");

  // Each read at its first call and kept. A settings file that cannot be
  // read, a font name that would break the document, too many item groups
  // and a "/ini=" file found nowhere throw qv::Error (again at the next
  // call: nothing is kept from a failed read).
  const SiteSettings& Site();
  const FormatSettings& Format();
  const ItemListSettings& ItemList();

  // Throws as ItemList() would when the "/ini=" file is found nowhere, so
  // that a run can stop before it writes anything.
  void CheckIniOption() const;

 private:
  const IniFile& File();

  Console& console_;
  std::string programDir_;
  std::string iniOption_;
  std::optional<IniFile> file_;  // the settings file (SettingsPath)
  std::optional<SiteSettings> site_;
  std::optional<FormatSettings> format_;
  std::optional<ItemListSettings> itemList_;
};

}  // namespace qv
