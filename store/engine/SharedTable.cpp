#include "SharedTable.h"

#include "EngineError.h"
#include "TableSchema.h"

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
    --(exclusive ? exclusive_ : shared_);
    lock_.hold(exclusive_ > 0 ? Level::Exclusive : (shared_ > 0 ? Level::Shared : Level::None));
    if (openCount() == 0) {
        // The next open reads the table anew; until then its rows need no memory.
        std::vector<detail::Row>().swap(rows_);
        loaded_ = false;
        ++version_;
    }
}

void SharedTable::readHeader()
{
    // Opened anew by the first cursor: what another program changed meanwhile is seen.
    const px::Header header = px::TableFile::open(path_).header();
    if (defined_ && (!sameFields(header.fields, definition_.fields) || header.keyFieldCount != definition_.keyFieldCount))
        defined_ = false; // replaced by someone else: no longer ours to change
    header_ = header;
    loaded_ = false;
    rows_.clear();
    ++version_;
}

void SharedTable::requireWritable() const
{
    if (!defined_)
        throw base::EngineError(
            QStringLiteral("Table is read only: %1\nOnly tables that this program created can be changed.")
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
                QStringLiteral("Table has changed on disk since it was opened: %1\nClose it and open it again.")
                    .arg(path_));
        std::vector<std::vector<px::Value>> records = file.readRecords();
        rows_.clear();
        rows_.reserve(records.size());
        for (std::vector<px::Value>& values : records) {
            values.resize(header_.fields.size());
            rows_.push_back(detail::Row{newRowId(), std::move(values)});
        }
        loaded_ = true;
        ++version_;
    }
    return rows_;
}

void SharedTable::store(std::vector<detail::Row> rows)
{
    requireWritable();
    detail::sortByKey(rows, definition_.keyFieldCount);
    std::vector<std::vector<px::Value>> records;
    records.reserve(rows.size());
    for (const detail::Row& row : rows)
        records.push_back(row.values);
    px::writeTable(path_, definition_, records);
    rows_ = std::move(rows);
    loaded_ = true;
    ++version_;
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
    defined_ = true;
    loaded_ = true;
    rows_.clear();
    ++version_;
}

} // namespace store
