#pragma once

#include <string>

#include "itemlist/page_setup.h"
#include "site/run_context.h"
#include "text/layout.h"

namespace qv {

// Writes the item-list page of one report beside it (named by
// ItemListPageName): the report's own HTML with a style line, the watched
// items and spells, the mind-skill tables, the item groups, and an
// encyclopedia link and a weight/price note behind every item. The settings
// and data files come from `setup`, read at its first page and kept. Behind
// every map applet goes the map's picture, its parameters read as the
// report's `layout` holds them, drawn with the pictures and the font that
// `setup` keeps (AddMapPictures).
void BuildItemListPage(RunContext& ctx, PageSetupCache& setup, const std::string& fileName,
                       Layout layout);

}  // namespace qv
