#pragma once

#include "store/engine/Table.h"
#include "store/paradox/PxTable.h"

#include <vector>

namespace store::detail {

// The engine's type of a Paradox column.
FieldType fieldTypeOf(px::FieldCode code);

// The field definitions and the primary index that a table file's header gives.
std::vector<FieldDef> fieldDefsOf(const px::Header& header);
IndexDef primaryIndexOf(const px::Header& header);

// Checks field and index definitions for CreateTable and turns them into what the
// codec writes, as a working table (not synced to disk). The primary index's
// columns must be the first columns, in order.
px::TableDefinition definitionOf(const std::vector<FieldDef>& fields, const std::vector<IndexDef>& indexes);

// Position of a column by name in any letter case, or -1.
int columnOf(const std::vector<px::FieldDesc>& fields, const QString& name);

// The positions of the columns of an index ("Line;Order"); throws when one is missing.
std::vector<int> indexColumns(const std::vector<px::FieldDesc>& fields, const IndexDef& index);

} // namespace store::detail
