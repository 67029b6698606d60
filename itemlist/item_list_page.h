#pragma once

#include <string>

#include "app/run_context.h"

namespace qv {

// Writes the item-list page of one report beside it.
void BuildItemListPage(RunContext& ctx, const std::string& fileName);

}  // namespace qv
