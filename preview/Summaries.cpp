#include "preview/Summaries.h"

#include <QCoreApplication>

namespace preview {

namespace {

bool IsNumber(const px::Value& value)
{
    return value.kind == px::Value::Kind::Integer || value.kind == px::Value::Kind::Float;
}

bool IsOrdered(const px::Value& value)
{
    switch (value.kind) {
    case px::Value::Kind::Integer:
    case px::Value::Kind::Float:
    case px::Value::Kind::Date:
    case px::Value::Kind::Time:
    case px::Value::Kind::Timestamp: return true;
    default: return false;
    }
}

} // namespace

void FieldSummary::add(const CellText& cell, const px::Value* value)
{
    if (!cell.text.isEmpty())
        ++count_;
    if (!value)
        return;
    if (IsNumber(*value)) {
        ++numbers_;
        total_ += OrderOf(*value);
    }
    if (IsOrdered(*value)) {
        if (!max_ || OrderOf(*value) > OrderOf(*max_))
            max_ = *value;
        if (!min_ || OrderOf(*value) < OrderOf(*min_))
            min_ = *value;
    }
}

QString FieldSummary::text(Summary summary, const ColumnKind& kind, const QLocale& locale) const
{
    switch (summary) {
    case Summary::Count: return locale.toString(count_);
    case Summary::Total: return numbers_ ? NumberText(total_, DecimalsOf(kind), locale) : QString();
    case Summary::Average:
        return numbers_ ? NumberText(total_ / double(numbers_), std::max(2, DecimalsOf(kind)), locale) : QString();
    case Summary::Max: return max_ ? TextOf(*max_, kind, locale).text : QString();
    case Summary::Min: return min_ ? TextOf(*min_, kind, locale).text : QString();
    }
    return {};
}

QString SummaryLabel(Summary summary)
{
    switch (summary) {
    case Summary::Total: return QCoreApplication::translate("Preview", "Total");
    case Summary::Count: return QCoreApplication::translate("Preview", "Count");
    case Summary::Average: return QCoreApplication::translate("Preview", "Average");
    case Summary::Max: return QCoreApplication::translate("Preview", "Max");
    case Summary::Min: return QCoreApplication::translate("Preview", "Min");
    }
    return {};
}

} // namespace preview
