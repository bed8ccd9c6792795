#include "rules/FieldLabels.h"

#include "rules/EventFieldMap.h"

namespace rules {

namespace {

constexpr int EventField = 1;

} // namespace

QHash<QString, QString> FieldLabels(const std::vector<store::FieldRow>& rows, const QString& eventCategory)
{
    QHash<QString, QString> labels;
    for (const store::FieldRow& row : rows) {
        const bool event = row.dbType == EventField;
        const QString shown = event ? GetEventDisplayName(eventCategory, row.field) : row.field;
        const QString label = row.header.isEmpty() || row.header == row.field ? shown : row.header;
        labels.insert(row.field, label);
        labels.insert(shown, label);
    }
    return labels;
}

} // namespace rules
