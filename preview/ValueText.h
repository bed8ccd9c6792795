#pragma once

#include "store/paradox/PxTable.h"

#include <QLocale>
#include <QString>

namespace preview {

// Where a value stands in its column: text to the left, numbers to the right.
enum class Align { Left, Right };

struct CellText {
    QString text;
    Align align = Align::Left;
};

// A column of a host table as the preview shows its values.
struct ColumnKind {
    px::FieldCode code = px::FieldCode::Alpha;
    int size = 0;
};

// Decimals a number column is shown with: currency 2, BCD its own, a number
// field 2, whole-number fields none.
int DecimalsOf(const ColumnKind& kind);
bool IsNumeric(const ColumnKind& kind);

// A value as the preview shows it: text as stored; numbers right-aligned with
// the column's decimals; dates, times and timestamps in the locale's short
// form; a logical value as yes or no in the user's language; a memo's first
// line; binary values and nulls as nothing.
CellText TextOf(const px::Value& value, const ColumnKind& kind, const QLocale& locale);

// A number with decimals, in the locale's form without group separators.
QString NumberText(double value, int decimals, const QLocale& locale);

// A date, time or timestamp value as a number that orders them, for summaries;
// for a number value the number itself.
double OrderOf(const px::Value& value);

} // namespace preview
