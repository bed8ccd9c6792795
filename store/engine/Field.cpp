#include "base/EngineError.h"
#include "store/engine/TableImpl.h"
#include "store/engine/TableSchema.h"

namespace store {

QString Field::FieldName() const
{
    table_->d->requireColumn(column_);
    return table_->d->shared->fields()[column_].name;
}

FieldType Field::DataType() const
{
    table_->d->requireColumn(column_);
    return detail::fieldTypeOf(table_->d->shared->fields()[column_].code);
}

int Field::Size() const
{
    table_->d->requireColumn(column_);
    const px::FieldDesc& field = table_->d->shared->fields()[column_];
    return field.code == px::FieldCode::Alpha || field.code == px::FieldCode::Bytes ? field.size : 0;
}

bool Field::IsNull() const
{
    return table_->d->read(column_).isNull();
}

QString Field::AsString() const
{
    return detail::textOf(table_->d->read(column_));
}

int Field::AsInteger() const
{
    const px::Value value = table_->d->read(column_);
    return detail::integerOf(table_->d->columnOf(column_), value);
}

bool Field::AsBoolean() const
{
    const px::Value value = table_->d->read(column_);
    return detail::booleanOf(table_->d->columnOf(column_), value);
}

void Field::SetAsString(const QString& text)
{
    table_->d->requireColumn(column_);
    table_->d->write(column_, detail::valueFromText(table_->d->columnOf(column_), text));
}

void Field::SetAsInteger(int value)
{
    table_->d->requireColumn(column_);
    table_->d->write(column_, detail::valueFromInteger(table_->d->columnOf(column_), value));
}

void Field::SetAsBoolean(bool value)
{
    table_->d->requireColumn(column_);
    table_->d->write(column_, detail::valueFromBoolean(table_->d->columnOf(column_), value));
}

void Field::Clear()
{
    table_->d->write(column_, px::Value::null());
}

} // namespace store
