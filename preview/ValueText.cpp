#include "preview/ValueText.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cmath>

namespace preview {

namespace {

// Day 1 of the tables' dates is 1 January of the year 1.
constexpr qint64 DayZero = 1721425;
constexpr double MsPerDay = 86400000.0;

QDate DateOf(qint64 days)
{
    return QDate::fromJulianDay(days + DayZero);
}

QTime TimeOf(qint64 ms)
{
    return QTime::fromMSecsSinceStartOfDay(int(std::clamp<qint64>(ms, 0, 86399999)));
}

// The first line of a text: up to its first line end.
QString FirstLine(const QString& text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    return text.left(end);
}

} // namespace

int DecimalsOf(const ColumnKind& kind)
{
    switch (kind.code) {
    case px::FieldCode::Currency:
    case px::FieldCode::Number: return 2;
    case px::FieldCode::Bcd: return std::clamp(kind.size, 0, 32);
    default: return 0;
    }
}

bool IsNumeric(const ColumnKind& kind)
{
    switch (kind.code) {
    case px::FieldCode::Short:
    case px::FieldCode::Long:
    case px::FieldCode::AutoInc:
    case px::FieldCode::Currency:
    case px::FieldCode::Number:
    case px::FieldCode::Bcd: return true;
    default: return false;
    }
}

QString NumberText(double value, int decimals, const QLocale& locale)
{
    QLocale shown = locale;
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    if (!std::isfinite(value))
        return shown.toString(value);
    return shown.toString(value, 'f', decimals);
}

CellText TextOf(const px::Value& value, const ColumnKind& kind, const QLocale& locale)
{
    using Kind = px::Value::Kind;
    switch (value.kind) {
    case Kind::Null:
    case Kind::Bytes: return {};
    case Kind::Text:
        return {kind.code == px::FieldCode::Memo || kind.code == px::FieldCode::FmtMemo ? FirstLine(value.text)
                                                                                        : value.text,
                Align::Left};
    case Kind::Integer: return {NumberText(double(value.integer), 0, locale), Align::Right};
    case Kind::Float: return {NumberText(value.real, DecimalsOf(kind), locale), Align::Right};
    case Kind::Boolean:
        return {value.boolean ? QCoreApplication::translate("Preview", "Yes")
                              : QCoreApplication::translate("Preview", "No"),
                Align::Left};
    case Kind::Date: return {locale.toString(DateOf(value.integer), QLocale::ShortFormat), Align::Left};
    case Kind::Time: return {locale.toString(TimeOf(value.integer), QLocale::ShortFormat), Align::Left};
    case Kind::Timestamp: {
        if (!std::isfinite(value.real) || std::abs(value.real) > 1e17)
            return {};
        const qint64 days = qint64(std::floor(value.real / MsPerDay));
        const QDateTime stamp(DateOf(days), TimeOf(qint64(value.real - double(days) * MsPerDay)));
        return {locale.toString(stamp, QLocale::ShortFormat), Align::Left};
    }
    }
    return {};
}

double OrderOf(const px::Value& value)
{
    switch (value.kind) {
    case px::Value::Kind::Integer:
    case px::Value::Kind::Date:
    case px::Value::Kind::Time: return double(value.integer);
    case px::Value::Kind::Float:
    case px::Value::Kind::Timestamp: return value.real;
    default: return 0;
    }
}

} // namespace preview
