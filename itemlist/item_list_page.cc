#include "itemlist/item_list_page.h"

#include "platform/error.h"
#include "rtfkit/report_reader.h"

namespace qv {

void BuildItemListPage(RunContext&, const std::string& fileName) {
  // Opening the report first makes a missing report fail as it always will.
  ReportReader report(fileName);
  throw Error("Not available", "the item-list page is not built yet ('" + fileName + "')");
}

}  // namespace qv
