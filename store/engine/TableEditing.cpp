#include <QCoreApplication>
#include <algorithm>

#include "base/EngineError.h"
#include "store/engine/TableImpl.h"

namespace store {

const Table::Impl::Constraint* Table::Impl::constraintOf(int column) const
{
    if (!constraintsResolved) {
        const std::vector<px::FieldDesc>& fields = shared->fields();
        columnConstraints.assign(fields.size(), nullptr);
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (const auto found = constraints.find(fields[i].name.toUpper()); found != constraints.end())
                columnConstraints[i] = &found->second;
        constraintsResolved = true;
    }
    return columnConstraints[column];
}

QString Table::Impl::displayName(int column) const
{
    const Constraint* constraint = constraintOf(column);
    return constraint && !constraint->label.isEmpty() ? constraint->label : shared->fields()[column].name;
}

detail::Column Table::Impl::columnOf(int column) const
{
    const px::FieldDesc& field = shared->fields()[column];
    const Constraint* constraint = constraintOf(column);
    return detail::Column{field.code, field.size, displayName(column),
                          constraint ? constraint->range : std::nullopt};
}

px::Value Table::Impl::read(int column)
{
    requireColumn(column);
    if (state == TableState::Edit || state == TableState::Insert)
        return buffer[column];
    const detail::Row* row = currentRow();
    return row ? row->values[column] : px::Value::null();
}

void Table::Impl::write(int column, const px::Value& value)
{
    requireColumn(column);
    if (state == TableState::Browse) {
        Quiet quiet(*this);
        q->Edit();
    }
    buffer[column] = value;
    modified = true;
    announce();
}

void Table::Edit()
{
    d->requireActive();
    if (d->state != TableState::Browse)
        return;
    const detail::Row* row = d->currentRow();
    if (!row) {
        Insert(); // editing an empty table starts a new row
        return;
    }
    d->shared->requireWritable();
    d->buffer = row->values;
    d->editId = row->id;
    d->modified = false;
    d->state = TableState::Edit;
    d->announce();
}

void Table::Insert()
{
    d->requireActive();
    d->checkBrowseMode();
    d->shared->requireWritable();
    if (!d->positioned)
        d->sync();
    d->beforeInsert = {d->pos, d->currentId, d->eof};
    d->buffer.assign(d->shared->fields().size(), px::Value::null());
    d->editId = 0;
    d->modified = false;
    d->state = TableState::Insert;
    d->announce();
}

void Table::Post()
{
    d->requireActive();
    if (d->state == TableState::Browse)
        return;
    for (int column = 0; column < int(d->buffer.size()); ++column) {
        const Impl::Constraint* constraint = d->constraintOf(column);
        const bool required = d->shared->required(column) || (constraint && constraint->required);
        if (required && d->buffer[column].isNull())
            throw base::EngineError(
                QCoreApplication::translate("Engine", "Field '%1' must have a value").arg(d->displayName(column)));
    }
    quint64 id = d->editId;
    if (d->state == TableState::Insert)
        id = d->shared->insertRow(d->buffer);
    else
        d->shared->updateRow(id, d->buffer);
    d->state = TableState::Browse;
    d->buffer.clear();
    d->modified = false;
    d->currentId = id;
    d->positioned = true;
    d->eof = false;
    d->announce();
}

void Table::Cancel()
{
    if (d->state != TableState::Edit && d->state != TableState::Insert)
        return;
    if (d->state == TableState::Insert) {
        d->pos = d->beforeInsert.pos;
        d->currentId = d->beforeInsert.id;
        d->eof = d->beforeInsert.eof;
        d->orderBuilt = false; // find the row again, wherever it stands now
    }
    d->state = TableState::Browse;
    d->buffer.clear();
    d->modified = false;
    d->announce();
}

void Table::Delete()
{
    d->requireActive();
    if (d->state == TableState::Insert) {
        Cancel(); // the new row was never stored
        return;
    }
    if (d->state == TableState::Edit) {
        d->state = TableState::Browse;
        d->buffer.clear();
        d->modified = false;
    }
    const detail::Row* row = d->currentRow();
    if (!row)
        throw base::EngineError(
            QCoreApplication::translate("Engine", "Cannot perform this operation on an empty dataset"));
    d->shared->requireWritable();
    const quint64 id = row->id;
    d->sync();
    const bool wasLast = d->pos + 1 == int(d->order.size());
    d->shared->removeRow(id);
    d->sync(); // the row that followed takes the deleted one's place
    d->eof = wasLast;
    d->announce();
}

void Table::EmptyTable()
{
    d->requireActive();
    if (d->state == TableState::Edit || d->state == TableState::Insert)
        Cancel();
    d->shared->removeAllRows();
    d->sync();
    d->eof = true;
    d->announce();
}

void Table::FlushBuffers()
{
    d->requireActive();
    d->shared->flush();
}

TableState Table::State() const
{
    return d->state;
}

bool Table::Modified() const
{
    return d->modified;
}

} // namespace store
