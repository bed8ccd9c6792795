#include "store/engine/SharedTable.h"

#include "base/EngineError.h"
#include "store/engine/TableSchema.h"

#include <QCoreApplication>
#include <QFile>
#include <exception>
#include <sys/stat.h>

namespace store {
namespace {

bool sameFields(const std::vector<px::FieldDesc>& a, const std::vector<px::FieldDesc>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].code != b[i].code || a[i].size != b[i].size)
            return false;
    return true;
}

} // namespace

SharedTable::SharedTable(QString path) : path_(std::move(path)), lock_(path_) {}

void SharedTable::attach(bool exclusive)
{
    using Level = detail::TableLock::Level;
    const Level before = lock_.level();
    lock_.hold(exclusive || exclusive_ > 0 ? Level::Exclusive : Level::Shared);
    if (openCount() == 0) {
        try {
            readHeader();
        } catch (...) {
            lock_.hold(before);
            throw;
        }
    }
    ++(exclusive ? exclusive_ : shared_);
}

void SharedTable::detach(bool exclusive)
{
    using Level = detail::TableLock::Level;
    // The last cursor to close leaves the whole table on disk, while the lock still keeps others out.
    std::exception_ptr failure;
    if (openCount() == 1) {
        try {
            flush();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    --(exclusive ? exclusive_ : shared_);
    lock_.hold(exclusive_ > 0 ? Level::Exclusive : (shared_ > 0 ? Level::Shared : Level::None));
    if (openCount() == 0) {
        // The next open reads the table anew; until then its rows need no memory.
        std::vector<detail::Row>().swap(rows_);
        places_.clear();
        keys_.clear();
        keysBuilt_ = false;
        loaded_ = false;
        dirty_ = false;
        ++version_;
    }
    if (failure)
        std::rethrow_exception(failure);
}

void SharedTable::readHeader()
{
    // Opened anew by the first cursor: what another program changed meanwhile is seen.
    const px::Header header = px::TableFile::open(path_).header();
    if (defined_ && (!sameFields(header.fields, definition_.fields) || header.keyFieldCount != definition_.keyFieldCount))
        defined_ = false; // replaced by someone else: no longer ours to change
    header_ = header;
    noteOnDisk();
    loaded_ = false;
    rows_.clear();
    places_.clear();
    keys_.clear();
    keysBuilt_ = false;
    ++version_;
}

void SharedTable::requireWritable() const
{
    if (!defined_)
        throw base::EngineError(
            QCoreApplication::translate("Engine",
                                        "Table is read only: %1\nOnly tables that this program created can be changed.")
                .arg(path_));
}

std::vector<FieldDef> SharedTable::fieldDefs() const
{
    return defined_ ? fieldDefs_ : detail::fieldDefsOf(header_);
}

std::vector<IndexDef> SharedTable::indexDefs() const
{
    if (defined_)
        return indexDefs_;
    if (header_.keyFieldCount > 0)
        return {detail::primaryIndexOf(header_)};
    return {};
}

bool SharedTable::required(int column) const
{
    return defined_ && column < int(fieldDefs_.size()) && fieldDefs_[column].required;
}

std::optional<IndexDef> SharedTable::findIndex(const QString& name) const
{
    const std::vector<IndexDef> indexes = indexDefs();
    for (const IndexDef& index : indexes) {
        if (name.isEmpty() ? index.primary : index.name.compare(name, Qt::CaseInsensitive) == 0)
            return index;
    }
    if (name.isEmpty()) {
        IndexDef storageOrder; // a table without a key is walked in its stored order
        storageOrder.primary = true;
        return storageOrder;
    }
    return std::nullopt;
}

const std::vector<detail::Row>& SharedTable::rows()
{
    if (!loaded_) {
        const px::TableFile file = px::TableFile::open(path_);
        if (!sameFields(file.header().fields, header_.fields))
            throw base::EngineError(
                QCoreApplication::translate(
                    "Engine", "Table has changed on disk since it was opened: %1\nClose it and open it again.")
                    .arg(path_));
        std::vector<std::vector<px::Value>> records = file.readRecords();
        noteOnDisk();
        rows_.clear();
        rows_.reserve(records.size());
        for (std::vector<px::Value>& values : records) {
            values.resize(header_.fields.size());
            rows_.push_back(detail::Row{++lastRowId_, std::move(values)});
        }
        reindex();
        keys_.clear();
        keysBuilt_ = false;
        loaded_ = true;
        ++version_;
    }
    return rows_;
}

const detail::Row* SharedTable::rowById(quint64 id)
{
    rows();
    const auto found = places_.find(id);
    return found == places_.end() ? nullptr : &rows_[found->second];
}

bool SharedTable::KeyLess::operator()(const std::vector<px::Value>& a, const std::vector<px::Value>& b) const
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (const int c = detail::compareValues(a[i], b[i], false); c != 0)
            return c < 0;
    return false;
}

std::vector<px::Value> SharedTable::keyOf(const std::vector<px::Value>& values) const
{
    return {values.begin(), values.begin() + header_.keyFieldCount};
}

const SharedTable::KeyMap& SharedTable::keys()
{
    rows();
    if (!keysBuilt_ && header_.keyFieldCount > 0) {
        keys_.clear();
        for (const detail::Row& row : rows_)
            keys_.emplace(keyOf(row.values), row.id);
        keysBuilt_ = true;
    }
    return keys_;
}

void SharedTable::reindex()
{
    places_.clear();
    places_.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i)
        places_.emplace(rows_[i].id, i);
}

void SharedTable::changed()
{
    dirty_ = true;
    ++version_;
}

quint64 SharedTable::insertRow(std::vector<px::Value> values)
{
    requireWritable();
    values.resize(header_.fields.size());
    const quint64 id = lastRowId_ + 1;
    keys(); // reads the rows first
    if (header_.keyFieldCount > 0 && !keys_.try_emplace(keyOf(values), id).second)
        throw base::EngineError(QCoreApplication::translate("Engine", "Key violation."));
    rows_.push_back(detail::Row{id, std::move(values)});
    places_.emplace(id, rows_.size() - 1);
    lastRowId_ = id;
    changed();
    return id;
}

void SharedTable::updateRow(quint64 id, std::vector<px::Value> values)
{
    requireWritable();
    values.resize(header_.fields.size());
    rows();
    const auto place = places_.find(id);
    if (place == places_.end())
        throw base::EngineError(QCoreApplication::translate("Engine", "Record/key deleted."));
    detail::Row& row = rows_[place->second];
    if (header_.keyFieldCount > 0) {
        std::vector<px::Value> oldKey = keyOf(row.values);
        std::vector<px::Value> newKey = keyOf(values);
        if (KeyLess()(oldKey, newKey) || KeyLess()(newKey, oldKey)) {
            keys();
            if (!keys_.try_emplace(std::move(newKey), id).second)
                throw base::EngineError(QCoreApplication::translate("Engine", "Key violation."));
            keys_.erase(oldKey);
        }
    }
    row.values = std::move(values);
    changed();
}

void SharedTable::removeRow(quint64 id)
{
    requireWritable();
    rows();
    const auto place = places_.find(id);
    if (place == places_.end())
        return;
    if (keysBuilt_)
        keys_.erase(keyOf(rows_[place->second].values));
    rows_.erase(rows_.begin() + std::ptrdiff_t(place->second));
    reindex();
    changed();
}

void SharedTable::removeAllRows()
{
    requireWritable();
    rows();
    rows_.clear();
    places_.clear();
    keys_.clear();
    keysBuilt_ = true;
    changed();
}

void SharedTable::flush()
{
    if (!dirty_)
        return;
    // A copy that lost the table it held (one that slept while another took it over) writes nothing into it; its
    // rows stay in memory.
    if (lock_.level() == detail::TableLock::Level::Exclusive)
        requireUnreplaced();
    std::vector<int> order = detail::orderBy(rows_, detail::keyColumns(header_.keyFieldCount), false);
    px::writeTable(path_, definition_, std::int64_t(order.size()),
                   [&](std::int64_t index) { return rows_[order[std::size_t(index)]].values; });
    noteOnDisk();
    dirty_ = false;
}

std::optional<SharedTable::FileIdentity> SharedTable::identityOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                        qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

void SharedTable::requireUnreplaced() const
{
    const bool lockTaken = lock_.level() == detail::TableLock::Level::Exclusive && !lock_.stillOurs();
    if (!lockTaken && (!onDisk_ || identityOf(path_) == onDisk_))
        return;
    throw base::EngineError(
        QCoreApplication::translate(
            "Engine", "Table was replaced by another copy of the program: %1\nThis copy no longer holds it, so "
                      "nothing was written from it. One person at a time designs reports in a folder: close the "
                      "program, and start it again when the other person has finished.")
            .arg(path_));
}

void SharedTable::define(const px::TableDefinition& definition, std::vector<FieldDef> fields, std::vector<IndexDef> indexes)
{
    definition_ = definition;
    fieldDefs_ = std::move(fields);
    indexDefs_ = std::move(indexes);
    // The definitions hold the names as the table has them.
    for (std::size_t i = 0; i < fieldDefs_.size(); ++i)
        fieldDefs_[i].name = definition.fields[i].name;
    header_ = px::Header{};
    header_.fields = definition.fields;
    header_.keyFieldCount = definition.keyFieldCount;
    header_.codePage = definition.codePage;
    noteOnDisk();
    defined_ = true;
    loaded_ = true;
    dirty_ = false;
    rows_.clear();
    places_.clear();
    keys_.clear();
    keysBuilt_ = true;
    ++version_;
}

} // namespace store
