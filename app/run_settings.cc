#include "app/run_settings.h"

#include "config/settings_file.h"

namespace qv {

RunSettings::RunSettings(Console& console, std::string programDir, std::string iniOption)
    : console_(console), programDir_(std::move(programDir)), iniOption_(std::move(iniOption)) {}

const IniFile& RunSettings::File() {
  if (!file_) file_.emplace(SettingsPath(programDir_), &console_);
  return *file_;
}

const SiteSettings& RunSettings::Site() {
  if (!site_) site_ = ReadSiteSettings(File(), programDir_);
  return *site_;
}

const FormatSettings& RunSettings::Format() {
  if (!format_) format_ = ReadFormatSettings(File(), Site().host);
  return *format_;
}

const ItemListSettings& RunSettings::ItemList() {
  if (itemList_) return *itemList_;
  const std::string& host = Site().host;
  if (iniOption_.empty()) {
    itemList_ = ReadItemListSettings(File(), host);
  } else {
    const IniFile pageFile(PageSettingsPath(iniOption_, programDir_), &console_);
    itemList_ = ReadItemListSettings(pageFile, host);
  }
  return *itemList_;
}

void RunSettings::CheckIniOption() const {
  if (!iniOption_.empty()) PageSettingsPath(iniOption_, programDir_);
}

}  // namespace qv
