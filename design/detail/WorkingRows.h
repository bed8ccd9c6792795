#pragma once

#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "store/report/FieldRow.h"

#include <vector>

namespace design::detail {

// A column of the working table on the cursor's current row.
store::Field Column(store::Table& table, store::WorkingColumn column);

// The fourteen columns of the working table, found once: each reads and
// writes the row the cursor stands on.
struct Columns {
    explicit Columns(store::Table& table);

    // The row the cursor stands on, a pending edit as it stands.
    store::FieldRow row() const;
    // Puts the table into insert state with row; the caller posts it.
    void insert(store::Table& table, const store::FieldRow& row);

    store::Field field, order, header, leaders, trailers, total, count, average, minValue, maxValue, dbType, line,
        lposition, rposition;
};

// The row the cursor stands on.
store::FieldRow RowAt(store::Table& table);
// The rows as the cursor walks them; bound controls hear of the walk once, at its end.
std::vector<store::FieldRow> Walk(store::Table& table);
// Every stored row, walked with the cursor's bound controls quiet, the cursor
// put back on its row.
std::vector<store::FieldRow> StoredRows(store::Table& table);

} // namespace design::detail
