#include "store/engine/ValueConversion.h"

#include "base/EngineError.h"
#include "base/TextNumbers.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cmath>
#include <limits>

namespace store::detail {
namespace {

constexpr qint64 kMsPerDay = 86'400'000;
// Paradox counts days from 1 January of the year 1, that day being day 1.
constexpr qint64 kJulianDayBeforeDayOne = 1'721'425;

enum class Kind { Text, Integer, Float, Logical, Date, Time, Timestamp, Bytes };

Kind kindOf(px::FieldCode code)
{
    switch (code) {
    case px::FieldCode::Alpha:
    case px::FieldCode::Memo:
    case px::FieldCode::FmtMemo:
        return Kind::Text;
    case px::FieldCode::Short:
    case px::FieldCode::Long:
    case px::FieldCode::AutoInc:
        return Kind::Integer;
    case px::FieldCode::Number:
    case px::FieldCode::Currency:
    case px::FieldCode::Bcd:
        return Kind::Float;
    case px::FieldCode::Logical:
        return Kind::Logical;
    case px::FieldCode::Date:
        return Kind::Date;
    case px::FieldCode::Time:
        return Kind::Time;
    case px::FieldCode::Timestamp:
        return Kind::Timestamp;
    case px::FieldCode::Blob:
    case px::FieldCode::Ole:
    case px::FieldCode::Graphic:
    case px::FieldCode::Bytes:
        return Kind::Bytes;
    }
    return Kind::Bytes;
}

// pattern: marked for translation with QT_TRANSLATE_NOOP in the context "Engine".
[[noreturn]] void refuse(const char* pattern, const QString& text, const Column& column)
{
    throw base::EngineError(QCoreApplication::translate("Engine", pattern).arg(text, column.displayName));
}

[[noreturn]] void refuseAccess(const Column& column, const char* asType)
{
    throw base::EngineError(QCoreApplication::translate("Engine", "Cannot access field '%1' as type %2")
                                .arg(column.displayName, QLatin1String(asType)));
}

void checkRange(const Column& column, double value)
{
    double low = 0;
    double high = 0;
    if (column.range) {
        low = column.range->first;
        high = column.range->second;
    } else if (column.code == px::FieldCode::Short) {
        low = std::numeric_limits<qint16>::min();
        high = std::numeric_limits<qint16>::max();
    } else if (column.code == px::FieldCode::Long || column.code == px::FieldCode::AutoInc) {
        low = std::numeric_limits<qint32>::min();
        high = std::numeric_limits<qint32>::max();
    } else {
        return;
    }
    if (value < low || value > high)
        throw base::EngineError(QCoreApplication::translate(
                                    "Engine", "%1 is not a valid value for field '%2'. The allowed range is %3 to %4")
                                    .arg(QString::asprintf("%g", value), column.displayName,
                                         QString::asprintf("%g", low), QString::asprintf("%g", high)));
}

// "F", "fa", "FALSE", "t", "True"...: as many leading characters of "False", then "True".
template <typename Text>
std::optional<bool> logical(Text text)
{
    constexpr QLatin1StringView kFalse("False");
    constexpr QLatin1StringView kTrue("True");
    if (text.compare(kFalse.left(text.size()), Qt::CaseInsensitive) == 0)
        return false;
    if (text.compare(kTrue.left(text.size()), Qt::CaseInsensitive) == 0)
        return true;
    return std::nullopt;
}

std::optional<bool> logicalOf(const QString& text)
{
    return logical(QStringView(text));
}

qint64 dayOf(const QDate& date)
{
    return date.toJulianDay() - kJulianDayBeforeDayOne;
}

QDate dateOf(qint64 day)
{
    return QDate::fromJulianDay(day + kJulianDayBeforeDayOne);
}

} // namespace

std::optional<bool> logicalOf(QLatin1StringView text)
{
    return logical(text);
}

px::Value valueFromText(const Column& column, const QString& text)
{
    if (text.isEmpty())
        return px::Value::null();
    switch (kindOf(column.code)) {
    case Kind::Text:
        return px::Value::ofText(column.code == px::FieldCode::Alpha ? text.left(column.size) : text);
    case Kind::Integer: {
        const std::optional<int> parsed = base::ParseInteger(text);
        if (!parsed)
            refuse(QT_TRANSLATE_NOOP("Engine", "'%1' is not a valid integer value for field '%2'"), text, column);
        return valueFromInteger(column, *parsed);
    }
    case Kind::Float: {
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(value))
            refuse(QT_TRANSLATE_NOOP("Engine", "'%1' is not a valid floating point value for field '%2'"), text,
                   column);
        checkRange(column, value);
        return px::Value::ofFloat(value);
    }
    case Kind::Logical: {
        const std::optional<bool> value = logicalOf(text);
        if (!value)
            refuse(QT_TRANSLATE_NOOP("Engine", "'%1' is not a valid boolean value for field '%2'"), text, column);
        return px::Value::ofBoolean(*value);
    }
    case Kind::Date: {
        const QDate date = QDate::fromString(text.trimmed(), Qt::ISODate);
        if (!date.isValid() || date.year() < 1)
            refuse(QT_TRANSLATE_NOOP("Engine", "'%1' is not a valid date value for field '%2'"), text, column);
        return px::Value::ofDate(dayOf(date));
    }
    case Kind::Time: {
        const QTime time = QTime::fromString(text.trimmed(), Qt::ISODateWithMs);
        if (!time.isValid())
            refuse(QT_TRANSLATE_NOOP("Engine", "'%1' is not a valid time value for field '%2'"), text, column);
        return px::Value::ofTime(time.msecsSinceStartOfDay());
    }
    case Kind::Timestamp: {
        QString trimmed = text.trimmed();
        trimmed.replace(u' ', u'T');
        const QDateTime stamp = QDateTime::fromString(trimmed, Qt::ISODateWithMs);
        if (!stamp.isValid() || stamp.date().year() < 1)
            refuse(QT_TRANSLATE_NOOP("Engine", "'%1' is not a valid date and time value for field '%2'"), text, column);
        return px::Value::ofTimestamp(double(dayOf(stamp.date()) * kMsPerDay + stamp.time().msecsSinceStartOfDay()));
    }
    case Kind::Bytes: {
        QByteArray bytes = text.toLatin1();
        if (column.code == px::FieldCode::Bytes)
            bytes.truncate(column.size);
        return px::Value::ofBytes(bytes);
    }
    }
    return px::Value::null();
}

px::Value valueFromInteger(const Column& column, qint64 value)
{
    switch (kindOf(column.code)) {
    case Kind::Integer:
        checkRange(column, double(value));
        return px::Value::ofInteger(value);
    case Kind::Float:
        checkRange(column, double(value));
        return px::Value::ofFloat(double(value));
    case Kind::Text:
        return valueFromText(column, QString::number(value));
    default:
        refuseAccess(column, "Integer");
    }
}

px::Value valueFromBoolean(const Column& column, bool value)
{
    switch (kindOf(column.code)) {
    case Kind::Logical:
        return px::Value::ofBoolean(value);
    case Kind::Text:
        return valueFromText(column, value ? QStringLiteral("True") : QStringLiteral("False"));
    default:
        refuseAccess(column, "Boolean");
    }
}

QString textOf(const px::Value& value)
{
    switch (value.kind) {
    case px::Value::Kind::Null:
        return {};
    case px::Value::Kind::Integer:
        return QString::number(value.integer);
    case px::Value::Kind::Float:
        return QString::number(value.real, 'g', 15);
    case px::Value::Kind::Boolean:
        return value.boolean ? QStringLiteral("True") : QStringLiteral("False");
    case px::Value::Kind::Text:
        return value.text;
    case px::Value::Kind::Bytes:
        return QString::fromLatin1(value.bytes);
    case px::Value::Kind::Date:
        return dateOf(value.integer).toString(Qt::ISODate);
    case px::Value::Kind::Time:
        return QTime::fromMSecsSinceStartOfDay(int(value.integer)).toString(Qt::ISODate);
    case px::Value::Kind::Timestamp: {
        const qint64 ms = qint64(value.real);
        const qint64 day = ms / kMsPerDay;
        return dateOf(day).toString(Qt::ISODate) + u' '
            + QTime::fromMSecsSinceStartOfDay(int(ms - day * kMsPerDay)).toString(Qt::ISODate);
    }
    }
    return {};
}

int integerOf(const Column& column, const px::Value& value)
{
    switch (value.kind) {
    case px::Value::Kind::Null:
        return 0;
    case px::Value::Kind::Integer:
        return int(value.integer);
    case px::Value::Kind::Float:
        if (!(std::abs(value.real) < 2147483648.0))
            refuse(QT_TRANSLATE_NOOP("Engine", "'%1' is not a valid integer value for field '%2'"), textOf(value),
                   column);
        return int(std::lround(value.real));
    case px::Value::Kind::Text: {
        const std::optional<int> parsed = base::ParseInteger(value.text);
        if (!parsed)
            refuse(QT_TRANSLATE_NOOP("Engine", "'%1' is not a valid integer value for field '%2'"), value.text, column);
        return *parsed;
    }
    default:
        refuseAccess(column, "Integer");
    }
}

bool booleanOf(const Column& column, const px::Value& value)
{
    switch (value.kind) {
    case px::Value::Kind::Null:
        return false;
    case px::Value::Kind::Boolean:
        return value.boolean;
    case px::Value::Kind::Text: {
        const std::optional<bool> parsed = logicalOf(value.text);
        if (!parsed)
            refuse(QT_TRANSLATE_NOOP("Engine", "'%1' is not a valid boolean value for field '%2'"), value.text, column);
        return *parsed;
    }
    default:
        refuseAccess(column, "Boolean");
    }
}

px::Value keyValueOf(const Column& column, const QVariant& value)
{
    if (value.isNull())
        return px::Value::null();
    Column uncut = column;
    uncut.range.reset();
    if (kindOf(column.code) == Kind::Text) {
        const QString text = value.toString();
        return text.isEmpty() ? px::Value::null() : px::Value::ofText(text);
    }
    return valueFromText(uncut, value.toString());
}

} // namespace store::detail
