#pragma once

#include "store/engine/IndexOrder.h"
#include "store/engine/Table.h"
#include "store/engine/TableLock.h"
#include "store/paradox/PxTable.h"

#include <map>
#include <optional>
#include <unordered_map>
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

    // The rows in the order they were read or added; a keyed table's cursors order
    // them by its key.
    const std::vector<detail::Row>& rows();
    // The row with that id, or nullptr when it is gone.
    const detail::Row* rowById(quint64 id);
    // Changes with every change of the rows.
    quint64 version() const { return version_; }

    // Changes to the rows in memory: adding or changing a row costs a look-up in the
    // key index, removing one a pass over the rows. A duplicate primary key is refused with "Key
    // violation."; on any failure nothing changes. The table on disk follows at flush().
    quint64 insertRow(std::vector<px::Value> values);
    void updateRow(quint64 id, std::vector<px::Value> values);
    void removeRow(quint64 id);
    void removeAllRows();

    // Writes the rows as the whole table, in primary-key order, when they changed since
    // they were last written; held exclusively, only while the table is still
    // this session's (requireUnreplaced). On failure the rows stay in memory, still to be written.
    void flush();

    // Before a report is written from the rows: throws when the table on disk is no
    // longer the one this session last read or wrote, or when another holder took
    // its lock over (on a mount whose locks stay on one machine).
    void requireUnreplaced() const;

    // The table was just written empty from these definitions.
    void define(const px::TableDefinition& definition, std::vector<FieldDef> fields, std::vector<IndexDef> indexes);

private:
    // Orders primary keys exactly, as the key index of the table does.
    struct KeyLess {
        bool operator()(const std::vector<px::Value>& a, const std::vector<px::Value>& b) const;
    };
    using KeyMap = std::map<std::vector<px::Value>, quint64, KeyLess>;

    // The table file's identity, changed by every write (each write replaces the file).
    struct FileIdentity {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    static std::optional<FileIdentity> identityOf(const QString& path);
    void noteOnDisk() { onDisk_ = identityOf(path_); }

    void readHeader();
    void changed();
    std::vector<px::Value> keyOf(const std::vector<px::Value>& values) const;
    const KeyMap& keys();
    void reindex();

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
    bool dirty_ = false; // the rows differ from the table on disk
    std::vector<detail::Row> rows_;
    std::unordered_map<quint64, std::size_t> places_; // row id -> index in rows_
    bool keysBuilt_ = false;
    KeyMap keys_; // primary key -> row id, built when a change first needs it
    std::optional<FileIdentity> onDisk_; // as last read or written here
    quint64 version_ = 1;
    quint64 lastRowId_ = 0;
};

} // namespace store
