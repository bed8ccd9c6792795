#pragma once

#include "store/engine/Table.h"
#include "store/paradox/PxTable.h"

#include <QString>
#include <QStringList>

namespace store::detail {

// The path by which a session knows a table: absolute, the directory's links resolved.
QString canonicalTablePath(const QString& path);

// A table name as the engine takes it: without an extension, ".DB" is added.
QString withTableExtension(const QString& name);

// The files that belong to the table at tablePath besides the .DB itself: its
// primary index (.PX), memo file (.MB), validity checks (.VAL), secondary indexes
// (.Xnn, .Ynn) and our lock file. Paradox's own lock files belong to the directory
// and are never among them.
QStringList companionFilesOf(const QString& tablePath);

// Removes the files a former table at tablePath left that do not fit the table
// of those fields (indexes, and a memo file it does not use). The caller holds
// the table exclusively.
void removeUnusedCompanions(const QString& tablePath, const std::vector<px::FieldDesc>& fields);

// Writes an empty table, holding it exclusively meanwhile, and with Remove takes
// away what a former table and killed writers left (removeUnusedCompanions, the
// table's stale temporaries).
void writeEmptyTable(const QString& tablePath, const px::TableDefinition& definition, Leftovers leftovers);

// Removes the table and its companion files; a missing table is an error.
void removeTableFiles(const QString& tablePath);

} // namespace store::detail
