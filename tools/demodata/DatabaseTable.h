#pragma once

#include "store/paradox/PxTable.h"

#include <vector>

namespace demo {

// DATABASE.DB: one record per host database, its name in "DB" and the user's
// labels for the thirty user fields (User1..User10, Date1..Date10, Num1..Num5,
// Money1..Money5) in columns of the same names.
px::TableDefinition databaseTableDefinition();
std::vector<std::vector<px::Value>> databaseRecords();

} // namespace demo
