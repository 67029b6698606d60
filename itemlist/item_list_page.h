#pragma once

#include <string>

#include "app/run_context.h"
#include "itemlist/page_setup.h"

namespace qv {

// Writes the item-list page of one report beside it: the report's own HTML
// with a style line, the watched items and spells, the mind-skill tables,
// the item groups, and an encyclopedia link and a weight/price note behind
// every item. The settings and data files are those of the process
// (ProcessPageSetup()).
void BuildItemListPage(RunContext& ctx, const std::string& fileName);

// The same with the given setup cache (tests hand in their own).
void BuildItemListPageWith(RunContext& ctx, const std::string& fileName, PageSetupCache& setup);

// The page's name: every "_" of the report's own name replaced by "r"; a
// directory in front stays as typed. 1234_57.htm gives 1234r57.htm.
std::string ItemListPageName(const std::string& reportName);

}  // namespace qv
