#include "rules/FieldLabels.h"

#include "store/engine/Table.h"
#include "rules/EventFieldMap.h"

#include <QScopeGuard>

namespace wizard {

QHash<QString, QString> FieldLabels(store::Table& table, const QString& eventCategory)
{
    QHash<QString, QString> labels;
    if (!table.Active() || table.State() != store::TableState::Browse)
        return labels;
    table.DisableControls();
    const auto loud = qScopeGuard([&table] { table.EnableControls(); });
    const bool atEnd = table.Eof();
    const int recNo = table.RecNo();
    for (table.First(); !table.Eof(); table.Next()) {
        const QString field = table.FieldByName(QStringLiteral("Field")).AsString();
        const QString shown = GetEventDisplayName(eventCategory, field);
        const QString header = table.FieldByName(QStringLiteral("Header")).AsString();
        labels.insert(field, header.isEmpty() ? shown : header);
        labels.insert(shown, labels.value(field));
    }
    if (!atEnd && recNo > 0)
        table.SetRecNo(recNo);
    return labels;
}

} // namespace wizard
