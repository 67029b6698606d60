// The tables built from the collected items: the item groups of the
// settings and the table of watched items and spells.
#pragma once

#include <string>
#include <vector>

#include "itemlist/page_run.h"

namespace qv {

// One line per piece; nothing when CsoportokSzama is 0 or less.
void WriteGroupTables(PageRun& run);

// Builds the watched table from ArtoSpellek, FigyeltSpellek and
// FigyeltTargyak and writes it in one piece (with a line end behind) when it
// has at least one row. Fills run.watchedItems on the way.
void WriteWatchedTable(PageRun& run);

// The item numbers the two tables look up among the collected items: those
// of FigyeltTargyak and of the groups' entries, ascending, each once.
std::vector<int> ItemNumbersLookedUp(const PageSettings& settings,
                                     const std::vector<ItemGroup>& groups);

// The entries of a comma-separated list, left to right: the text before each
// ",", and the last entry with its blanks trimmed.
std::vector<std::string> ListEntries(const std::string& text);

}  // namespace qv
