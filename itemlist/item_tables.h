// The report's item tables: one walk that either collects the items and
// their counts (nothing written) or copies the table to the page with an
// encyclopedia link and a weight/price note behind every item number.
#pragma once

#include <cstdint>
#include <string>

#include "config/page_settings.h"
#include "itemlist/data_files.h"
#include "itemlist/page_run.h"

namespace qv {

enum class WalkMode { kCollect, kAnnotate };

// Walks from the line after the current one up to and including the first
// line that ends the table (tested on the current line before each read):
// one that holds "</table>" in the older layout, "</TABLE></TD></TR></TABLE>"
// in the newer one (run.layout). A bank walk also counts the items as lying
// in the bank.
void WalkItemTable(PageRun& run, WalkMode mode, bool bank);

// The opening anchor that replaces an item's "#number": a rune limit above
// 0 makes it a Trinigan rune link; `coloured` adds the watched colour.
std::string ItemAnchor(const PageSettings& settings, int number, int runeLimit, bool coloured);
// The same appended to `out`.
void AppendItemAnchor(std::string& out, const PageSettings& settings, int number, int runeLimit,
                      bool coloured);

// The note behind an item: " [<SPAN TITLE=...>total weight/total price</SPAN>]".
std::string ItemNote(const PageSettings& settings, const ItemRecord& item, int count);
// The same appended to `out`.
void AppendItemNote(std::string& out, const PageSettings& settings, const ItemRecord& item,
                    int count);

// value / 100 with exactly two decimals and "." as the point: 450 -> "4.50".
std::string Hundredths(std::int64_t value);
void AppendHundredths(std::string& out, std::int64_t value);

}  // namespace qv
