#pragma once

#include "store/report/FieldRow.h"

#include <QHash>
#include <QString>
#include <vector>

namespace rules {

// The label of each field of the working table as the column layout shows it:
// the column header it has or, while the header is empty or still the stored
// name a new row starts with, the name the field lists show (an event field by
// its display name in the category). Each label is found under the field's
// stored name and under its display name, so a grid may show either. A field
// given twice is labelled by the later row.
QHash<QString, QString> FieldLabels(const std::vector<store::FieldRow>& rows, const QString& eventCategory);

} // namespace rules
