#include "design/HostTables.h"

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

std::optional<store::FieldType> HostTables::contactFieldType(const QString& name)
{
    contact_->Open();
    return contact_->FieldTypeOf(name);
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
    records_ = px::TableFile::open(path_).readRecords(most + 1);
    more_ = int(records_.size()) > most;
    if (more_)
        records_.resize(std::size_t(most));
}

UserFieldLabels::~UserFieldLabels() = default;

int UserFieldLabels::count() const
{
    return int(records_.size());
}

QString UserFieldLabels::value(int record, const QString& column)
{
    return store::detail::textOf(records_[std::size_t(record)][ColumnOf(*table_, column)]);
}

} // namespace design
