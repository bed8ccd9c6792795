#pragma once

#include "IndexOrder.h"
#include "PxTable.h"
#include "Table.h"
#include "TableLock.h"

#include <optional>
#include <vector>

namespace store {

// What the cursors of one session on one table file share: the header, the rows
// (read when a cursor first needs them), the definitions the session created the
// table with, and the lock that keeps other programs out.
class SharedTable {
public:
    explicit SharedTable(QString path);

    const QString& path() const { return path_; }

    // A cursor opens or closes the table. The first open reads the header; the lock
    // follows the strongest open (exclusive, else shared). Throws when the table
    // cannot be read or another holder is in the way.
    void attach(bool exclusive);
    void detach(bool exclusive);
    int openCount() const { return shared_ + exclusive_; }

    const std::vector<px::FieldDesc>& fields() const { return header_.fields; }
    int keyFieldCount() const { return header_.keyFieldCount; }

    // Tables this session created are known by their definitions and may be changed;
    // other tables (the host's) are only read.
    bool defined() const { return defined_; }
    void requireWritable() const;
    std::vector<FieldDef> fieldDefs() const;
    std::vector<IndexDef> indexDefs() const;
    bool required(int column) const;
    // The index of that name in any letter case; "" (or the primary index's name) is the primary index.
    std::optional<IndexDef> findIndex(const QString& name) const;

    const std::vector<detail::Row>& rows();
    // Changes with every change of the rows.
    quint64 version() const { return version_; }
    quint64 newRowId() { return ++lastRowId_; }

    // Writes rows to disk as the whole table, in primary-key order, and keeps them.
    // On failure nothing changes.
    void store(std::vector<detail::Row> rows);

    // The table was just written empty from these definitions.
    void define(const px::TableDefinition& definition, std::vector<FieldDef> fields, std::vector<IndexDef> indexes);

private:
    void readHeader();

    QString path_;
    detail::TableLock lock_;
    int shared_ = 0;
    int exclusive_ = 0;
    px::Header header_;
    bool defined_ = false;
    px::TableDefinition definition_;
    std::vector<FieldDef> fieldDefs_;
    std::vector<IndexDef> indexDefs_;
    bool loaded_ = false;
    std::vector<detail::Row> rows_;
    quint64 version_ = 1;
    quint64 lastRowId_ = 0;
};

} // namespace store
