#include "store/engine/Table.h"

#include "base/EngineError.h"
#include "base/Paths.h"
#include "store/engine/Session.h"
#include "store/engine/TableFiles.h"
#include "store/engine/TableImpl.h"
#include "store/engine/TableSchema.h"
#include "store/report/StaleTemporaries.h"

#include <QCoreApplication>

namespace store {

void Table::Impl::announce()
{
    if (disableCount == 0)
        emit q->changed();
}

void Table::Impl::requireActive() const
{
    if (state == TableState::Inactive)
        throw base::EngineError(
            QCoreApplication::translate("Engine", "Cannot perform this operation on a closed dataset"));
}

void Table::Impl::requireInactive() const
{
    if (state != TableState::Inactive)
        throw base::EngineError(
            QCoreApplication::translate("Engine", "Cannot perform this operation on an open dataset"));
}

void Table::Impl::requireColumn(int column) const
{
    requireActive();
    if (column < 0 || column >= int(shared->fields().size()))
        throw base::EngineError(QCoreApplication::translate("Engine", "Field index out of range: %1").arg(column));
}

QString Table::Impl::path() const
{
    if (tableName.isEmpty())
        throw base::EngineError(QCoreApplication::translate("Engine", "Table name is missing"));
    const QString directory = alias.isEmpty() ? QString() : session.aliasDirectory(alias);
    return base::JoinPath(directory, detail::withTableExtension(tableName));
}

Table::Table(Session& session, QObject* parent) : QObject(parent), d(std::make_unique<Impl>(this, session)) {}

Table::~Table()
{
    d->disableCount = 1; // nobody listens any more
    try {
        Close();
    } catch (const base::EngineError&) {
        // Closing only gives up the lock; a failure to downgrade it ends with the process.
    }
}

void Table::SetDatabaseName(const QString& alias)
{
    d->requireInactive();
    d->alias = alias;
}

QString Table::DatabaseName() const
{
    return d->alias;
}

void Table::SetTableName(const QString& name)
{
    d->requireInactive();
    d->tableName = name;
}

QString Table::TableName() const
{
    return d->tableName;
}

Session& Table::session() const
{
    return d->session;
}

void Table::SetExclusive(bool exclusive)
{
    d->requireInactive();
    d->exclusive = exclusive;
}

bool Table::Exclusive() const
{
    return d->exclusive;
}

QString Table::filePath() const
{
    return d->path();
}

std::vector<FieldDef>& Table::FieldDefs()
{
    return d->fieldDefs;
}

std::vector<IndexDef>& Table::IndexDefs()
{
    return d->indexDefs;
}

void Table::CreateTable(Leftovers leftovers)
{
    d->requireInactive();
    const px::TableDefinition definition = detail::definitionOf(d->fieldDefs, d->indexDefs);
    const QString path = detail::canonicalTablePath(d->path());
    const std::shared_ptr<SharedTable> table = d->session.sharedTable(path);
    if (table->openCount() > 0)
        throw base::EngineError(QCoreApplication::translate("Engine", "Table is in use: %1").arg(path));
    detail::writeEmptyTable(path, definition, leftovers);
    table->define(definition, d->fieldDefs, d->indexDefs);
}

void Table::RemoveLeftovers()
{
    const QString path = detail::canonicalTablePath(d->path());
    const std::shared_ptr<SharedTable> table = d->session.sharedTable(path);
    table->attach(true);
    try {
        RemoveStaleTableTemporaries(path);
        detail::removeUnusedCompanions(path, table->fields());
    } catch (...) {
        table->detach(true);
        throw;
    }
    table->detach(true);
}

void Table::DeleteTable()
{
    d->requireInactive();
    const QString path = detail::canonicalTablePath(d->path());
    if (d->session.sharedTable(path)->openCount() > 0)
        throw base::EngineError(QCoreApplication::translate("Engine", "Table is in use: %1").arg(path));
    d->session.forgetTable(path);
    detail::removeTableFiles(path);
}

void Table::Open()
{
    if (d->state != TableState::Inactive)
        return;
    const std::shared_ptr<SharedTable> table = d->session.sharedTable(detail::canonicalTablePath(d->path()));
    table->attach(d->exclusive);
    d->shared = table;
    d->constraintsResolved = false;
    d->openedExclusive = d->exclusive;
    try {
        d->selectIndex(d->indexName);
    } catch (...) {
        d->shared.reset();
        table->detach(d->openedExclusive);
        throw;
    }
    d->fieldDefs = table->fieldDefs();
    d->indexDefs = table->indexDefs();
    d->positioned = false;
    d->state = TableState::Browse;
    d->announce();
}

void Table::Close()
{
    if (d->state == TableState::Inactive)
        return;
    d->buffer.clear();
    d->modified = false;
    d->state = TableState::Inactive;
    d->order.clear();
    d->orderBuilt = false;
    d->positioned = false;
    const std::shared_ptr<SharedTable> table = std::move(d->shared);
    table->detach(d->openedExclusive);
    d->announce();
}

bool Table::Active() const
{
    return d->state != TableState::Inactive;
}

int Table::FieldCount() const
{
    return d->state == TableState::Inactive ? 0 : int(d->shared->fields().size());
}

Field Table::Fields(int index)
{
    d->requireColumn(index);
    return Field(this, index);
}

Field Table::FieldByName(const QString& name)
{
    d->requireActive();
    const int column = detail::columnOf(d->shared->fields(), name);
    if (column < 0)
        throw base::EngineError(QCoreApplication::translate("Engine", "Field '%1' not found").arg(name));
    return Field(this, column);
}

std::optional<FieldType> Table::FieldTypeOf(const QString& name) const
{
    if (d->state == TableState::Inactive)
        return std::nullopt;
    const int column = detail::columnOf(d->shared->fields(), name);
    if (column < 0)
        return std::nullopt;
    return detail::fieldTypeOf(d->shared->fields()[column].code);
}

void Table::SetRequired(const QString& name, bool required)
{
    d->constraints[name.toUpper()].required = required;
    d->constraintsResolved = false;
}

void Table::SetRange(const QString& name, double minValue, double maxValue)
{
    auto& range = d->constraints[name.toUpper()].range;
    d->constraintsResolved = false;
    if (minValue == 0 && maxValue == 0)
        range.reset();
    else
        range = std::make_pair(minValue, maxValue);
}

void Table::SetDisplayLabel(const QString& name, const QString& label)
{
    d->constraints[name.toUpper()].label = label;
    d->constraintsResolved = false;
}

void Table::DisableControls()
{
    ++d->disableCount;
}

void Table::EnableControls()
{
    if (d->disableCount > 0 && --d->disableCount == 0)
        d->announce();
}

bool Table::ControlsDisabled() const
{
    return d->disableCount > 0;
}

} // namespace store
