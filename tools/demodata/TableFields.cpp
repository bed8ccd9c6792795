#include "tools/demodata/TableFields.h"

#include <cmath>

namespace demo {

namespace {

px::FieldDesc field(const QString& name, px::FieldCode code, int size)
{
    return px::FieldDesc{name, code, size};
}

// The day before 1 January of the year 1, as a Julian day number.
constexpr qint64 DayZero = 1721425;

} // namespace

px::FieldDesc alphaField(const QString& name, int size) { return field(name, px::FieldCode::Alpha, size); }
px::FieldDesc dateField(const QString& name) { return field(name, px::FieldCode::Date, 4); }
px::FieldDesc timeField(const QString& name) { return field(name, px::FieldCode::Time, 4); }
px::FieldDesc timestampField(const QString& name) { return field(name, px::FieldCode::Timestamp, 8); }
px::FieldDesc shortField(const QString& name) { return field(name, px::FieldCode::Short, 2); }
px::FieldDesc longField(const QString& name) { return field(name, px::FieldCode::Long, 4); }
px::FieldDesc numberField(const QString& name) { return field(name, px::FieldCode::Number, 8); }
px::FieldDesc currencyField(const QString& name) { return field(name, px::FieldCode::Currency, 8); }
px::FieldDesc logicalField(const QString& name) { return field(name, px::FieldCode::Logical, 1); }

// A memo field's record part is its leading text plus the ten bytes that point into the .MB file.
px::FieldDesc memoField(const QString& name, int leading) { return field(name, px::FieldCode::Memo, leading + 10); }

px::Value dateValue(const QDate& date)
{
    return px::Value::ofDate(date.toJulianDay() - DayZero);
}

px::Value timeValue(const QTime& time)
{
    return px::Value::ofTime(time.msecsSinceStartOfDay());
}

px::Value timestampValue(const QDate& date, const QTime& time)
{
    const double days = static_cast<double>(date.toJulianDay() - DayZero);
    return px::Value::ofTimestamp(days * 86400000.0 + time.msecsSinceStartOfDay());
}

px::Value moneyValue(double amount)
{
    return px::Value::ofFloat(std::round(amount * 100.0) / 100.0);
}

} // namespace demo
