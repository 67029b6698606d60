#pragma once

#include <string>

#include "itemlist/page_setup.h"
#include "platform/run_context.h"
#include "text/report_reader.h"
#include "text/turn_report.h"

namespace qv {

// Writes the item-list page of one report beside it (named by
// ItemListPageName): the report's own HTML with a style line, the watched
// items and spells, the mind-skill tables, the item groups, and an
// encyclopedia link and a weight/price note behind every item. The data
// files come from `setup`, read at its first page and kept with the settings
// given then (the run's). Behind
// every map applet goes the map's picture, drawn with the pictures and the
// font that `setup` keeps (AddMapPictures). The report is read from `report`,
// open at its start; its `layout` (TurnReportLayout's choice) decides how
// its item tables, active spells and map parameters are read.
void BuildItemListPage(RunContext& ctx, PageSetupCache& setup, ReportReader& report, Layout layout,
                       const ItemListSettings& settings);

}  // namespace qv
