#pragma once

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

// Writes an empty table and removes the files a former table of that name left
// that no longer fit (indexes, and a memo file the new table does not use).
// Holds the table exclusively meanwhile.
void writeEmptyTable(const QString& tablePath, const px::TableDefinition& definition);

// Removes the table and its companion files; a missing table is an error.
void removeTableFiles(const QString& tablePath);

} // namespace store::detail
