#include "design/HostTables.h"

#include "design/detail/ValueKinds.h"
#include "store/engine/Table.h"
#include "store/engine/ValueConversion.h"
#include "store/paradox/PxTable.h"

namespace design {

HostTables::HostTables(store::Session& session)
    : contact_(std::make_unique<store::Table>(session)), events_(std::make_unique<store::Table>(session))
{
    contact_->SetTableName(QStringLiteral("CONTACT.DB"));
    events_->SetTableName(QStringLiteral("EVENT.DB"));
}

HostTables::~HostTables() = default;

void HostTables::setAlias(const QString& alias)
{
    events_->SetDatabaseName(alias);
    contact_->SetDatabaseName(alias);
}

QStringList HostTables::contactFieldNames()
{
    contact_->Open();
    events_->Open();
    QStringList names;
    for (int i = 0; i < contact_->FieldCount(); ++i)
        names << contact_->Fields(i).FieldName();
    contact_->Close();
    events_->Close();
    return names;
}

std::optional<rules::ValueKind> HostTables::contactFieldKind(const QString& name)
{
    contact_->Open();
    if (const std::optional<store::FieldType> type = contact_->FieldTypeOf(name))
        return detail::ValueKindOf(*type);
    return std::nullopt;
}

namespace {

// The position of the column name in the table's records; a missing column
// raises the engine's own error.
std::size_t ColumnOf(store::Table& table, const QString& name)
{
    for (int i = 0; i < table.FieldCount(); ++i)
        if (table.Fields(i).FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return std::size_t(i);
    table.FieldByName(name);
    return 0; // not reached: FieldByName throws for a missing column
}

} // namespace

UserFieldLabels::UserFieldLabels(store::Session& session, const QString& alias, int most)
    : table_(std::make_unique<store::Table>(session))
{
    table_->SetTableName(QStringLiteral("DATABASE.DB"));
    table_->SetDatabaseName(alias);
    table_->Open();
    path_ = table_->filePath();
    // The records are read from the file up to what is shown, not all of them.
    std::vector<std::vector<px::Value>> records = px::TableFile::open(path_).readRecords(most + 1);
    more_ = int(records.size()) > most;
    if (more_)
        records.resize(std::size_t(most));
    records_.reserve(records.size());
    for (const std::vector<px::Value>& record : records) {
        QStringList texts;
        texts.reserve(qsizetype(record.size()));
        for (const px::Value& value : record)
            texts << store::detail::textOf(value);
        records_.push_back(std::move(texts));
    }
}

UserFieldLabels::~UserFieldLabels() = default;

int UserFieldLabels::count() const
{
    return int(records_.size());
}

QString UserFieldLabels::value(int record, const QString& column)
{
    return records_[std::size_t(record)][qsizetype(ColumnOf(*table_, column))];
}

} // namespace design
