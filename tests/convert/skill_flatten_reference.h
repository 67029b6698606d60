// The skill tables' flattening as it stood before it became a few scans in
// place (skill_flatten_reference.cc), kept as the behaviour FlattenCells must
// reproduce byte for byte.
#pragma once

#include <string>

#include "convert/table_cells.h"

namespace qv::test::reference {

std::string Flatten(Layout v, CellTable table, std::string text);

}  // namespace qv::test::reference
