#pragma once

#include "store/paradox/PxTable.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace demo {

// Field descriptors of the demo tables, with the record sizes Paradox gives each type.
px::FieldDesc alphaField(const QString& name, int size);
px::FieldDesc dateField(const QString& name);
px::FieldDesc timeField(const QString& name);
px::FieldDesc timestampField(const QString& name);
px::FieldDesc shortField(const QString& name);
px::FieldDesc longField(const QString& name);
px::FieldDesc numberField(const QString& name);
px::FieldDesc currencyField(const QString& name);
px::FieldDesc logicalField(const QString& name);
// leading is the number of memo characters Paradox keeps in the record itself.
px::FieldDesc memoField(const QString& name, int leading);

// Values in Paradox's own counting: days from 1 January of the year 1 (day 1),
// milliseconds after midnight, and their combination for timestamps.
px::Value dateValue(const QDate& date);
px::Value timeValue(const QTime& time);
px::Value timestampValue(const QDate& date, const QTime& time);
// Currency amounts are kept to whole cents.
px::Value moneyValue(double amount);

} // namespace demo
