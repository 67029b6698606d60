// The game's item and spell lists, read from text files in the player's data
// directory or beside the executable (DataFilePath), saved in any form an
// editor gives (platform/edited_text.h). A line holds decimal numbers
// separated by blanks and then the name: the rest of the line after the
// last number, with the blank in front.
//
//   item:  number, two unused integers, selling price, buying price,
//          weight in hundredths of a kilogram, name
//   spell: number, one blank, a code character, three integers, name
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/console.h"

namespace qv {

struct ItemRecord {
  int number = 0;
  int unused1 = 0;
  int unused2 = 0;
  int sellPrice = 0;
  int buyPrice = 0;
  int weight = 0;  // hundredths of a kilogram
  std::string name;
};

struct SpellRecord {
  int number = 0;
  char code = ' ';
  int value = 0;  // the last of the three integers; unused by the page
  std::string name;
};

// False for a line that does not fit the format (an empty line, say).
bool ParseItemLine(std::string_view line, ItemRecord* item);
bool ParseSpellLine(std::string_view line, SpellRecord* spell);

// Records looked up by number; when a number occurs more than once, the
// last line read wins.
template <typename Record>
class Catalog {
 public:
  void Add(Record r) {
    index_[r.number] = records_.size();
    records_.push_back(std::move(r));
  }
  const Record* Find(int number) const {
    const auto it = index_.find(number);
    return it == index_.end() ? nullptr : &records_[it->second];
  }
  std::size_t size() const { return records_.size(); }

 private:
  std::vector<Record> records_;
  std::unordered_map<int, std::size_t> index_;
};

using ItemCatalog = Catalog<ItemRecord>;
using SpellCatalog = Catalog<SpellRecord>;

// The player's own data directory (platform/user_dirs.h) + preferred or +
// fallback, the first that exists; else dir + preferred when that exists,
// else dir + fallback. When none exists, throws qv::Error naming every
// place looked, in order.
std::string DataFilePath(const std::string& dir, const std::string& preferred,
                         const std::string& fallback);

// Read line by line to the end; lines that do not fit are passed over. A
// character Windows-1250 lacks reads as "?", and with a console the run is
// warned about it once. Throws qv::Error when the file cannot be read.
ItemCatalog ReadItemFile(const std::string& path, Console* console = nullptr);
SpellCatalog ReadSpellFile(const std::string& path, Console* console = nullptr);

// The warning when the item list (at itemsPath) knows none of a report's
// items, so that no item got its weight and prices: it names the list and
// the per-user data folder where the game's own lists belong.
std::string NoItemKnownWarning(const std::string& itemsPath);

}  // namespace qv
