#pragma once

#include "store/WorkingColumns.h"
#include "store/engine/Table.h"

#include <QString>
#include <vector>

namespace store {

// The fourteen columns (Field, Order, Header, LDots, RDots, Total, Count,
// Average, Min, Max, DbType, Line, LPosition, RPosition), and the primary index
// "PrimaryField" on Field and the index "iOrder" on Line, then Order.
std::vector<FieldDef> WorkingTableFields();
std::vector<IndexDef> WorkingTableIndexes();

// Points the closed table at TRDATA.DB of the alias and gives it the working
// table's columns and indexes.
void DefineWorkingTable(Table& table, const QString& alias);

// Throws away any old working table (errors in closing or deleting it are
// ignored) and creates it anew, empty. The table is left closed. With Later the
// directory is not read: the old table's companion files and the table's stale
// temporaries stay until table.RemoveLeftovers().
void RecreateWorkingTable(Table& table, const QString& alias, Leftovers leftovers = Leftovers::Remove);

// Before a report is written from the open working table: throws when another
// copy of the program replaced the table on disk or took its lock over, as on a
// folder whose locks stay on one machine. A closed table passes.
void RequireOwnWorkingTable(Table& table);

// At the end of the program: closes the working table (what it holds is written
// first) and removes its lock file when nobody else holds it. Never throws.
void CloseWorkingTable(Table& table);

// Opens the table when it is closed, discards a pending edit and deletes every row.
void EmptyTable(Table& table);

// Puts the table into insert state with a new row for a field: its name, its
// column header, its place in the field order and all seven flags false. The
// caller sets the rest and posts.
void InsertFieldRow(Table& table, const QString& field, const QString& header, int order);

} // namespace store
