#pragma once

#include <string>

#include "itemlist/page_setup.h"
#include "platform/run_context.h"
#include "text/layout.h"

namespace qv {

// Writes the item-list page of one report beside it (named by
// ItemListPageName): the report's own HTML with a style line, the watched
// items and spells, the mind-skill tables, the item groups, and an
// encyclopedia link and a weight/price note behind every item. The settings
// and data files come from `setup`, read at its first page and kept. Behind
// every map applet goes the map's picture, drawn with the pictures and the
// font that `setup` keeps (AddMapPictures). The report's `layout`
// (DetectLayout's choice) decides how its item tables, active spells and map
// parameters are read.
void BuildItemListPage(RunContext& ctx, PageSetupCache& setup, const std::string& fileName,
                       Layout layout);

}  // namespace qv
