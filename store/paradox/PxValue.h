#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace px {

// One decoded field value of a Paradox record.
struct Value {
    enum class Kind { Null, Integer, Float, Boolean, Text, Bytes, Date, Time, Timestamp };

    Kind kind = Kind::Null;
    // Integer: short, long and autoincrement values.
    // Date: days counted from 1 January of the year 1 (that day is day 1).
    // Time: milliseconds after midnight.
    std::int64_t integer = 0;
    // Float: number, currency and BCD values. Timestamp: milliseconds counted as
    // Paradox counts them (days since 1 January of the year 1, times 86,400,000).
    double real = 0.0;
    bool boolean = false;
    // Text: alpha, memo and formatted memo text, decoded from the table's code page.
    QString text;
    // Bytes: bytes fields and binary, graphic and OLE blobs.
    QByteArray bytes;

    bool isNull() const { return kind == Kind::Null; }

    static Value null() { return {}; }
    static Value ofInteger(std::int64_t v) { Value x; x.kind = Kind::Integer; x.integer = v; return x; }
    static Value ofFloat(double v) { Value x; x.kind = Kind::Float; x.real = v; return x; }
    static Value ofBoolean(bool v) { Value x; x.kind = Kind::Boolean; x.boolean = v; return x; }
    static Value ofText(QString v) { Value x; x.kind = Kind::Text; x.text = std::move(v); return x; }
    static Value ofBytes(QByteArray v) { Value x; x.kind = Kind::Bytes; x.bytes = std::move(v); return x; }
    static Value ofDate(std::int64_t days) { Value x; x.kind = Kind::Date; x.integer = days; return x; }
    static Value ofTime(std::int64_t ms) { Value x; x.kind = Kind::Time; x.integer = ms; return x; }
    static Value ofTimestamp(double ms) { Value x; x.kind = Kind::Timestamp; x.real = ms; return x; }

    friend bool operator==(const Value&, const Value&) = default;
};

} // namespace px
