#include "store/paradox/PxFieldCodec.h"

#include "store/paradox/PxBytes.h"
#include "store/paradox/PxCodePage.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>
#include <optional>

namespace px::field {

namespace {

constexpr int BcdBytes = 17;
constexpr int BcdDigits = 32;

// Integers are stored big-endian with the sign bit flipped, so that all-zero
// bytes are free to mean null.
Value decodeInteger(const unsigned char* p, int n, Value::Kind kind)
{
    const std::uint64_t raw = bytes::be(p, n);
    if (raw == 0)
        return Value::null();
    Value v;
    v.kind = kind;
    v.integer = std::int64_t(raw) - (std::int64_t(1) << (8 * n - 1));
    return v;
}

void encodeInteger(std::int64_t v, unsigned char* p, int n)
{
    const std::int64_t bias = std::int64_t(1) << (8 * n - 1);
    if (v <= -bias || v >= bias)
        throw ValueError{QCoreApplication::translate("Engine", "%1 is out of range").arg(v)};
    bytes::putBe(p, n, std::uint64_t(v + bias));
}

// Doubles are stored big-endian; positive values with the sign bit set,
// negative values with every bit inverted.
std::optional<double> decodeDouble(const unsigned char* p)
{
    std::uint64_t raw = bytes::be(p, 8);
    if (raw == 0)
        return std::nullopt;
    constexpr std::uint64_t sign = std::uint64_t(1) << 63;
    raw = (raw & sign) ? (raw ^ sign) : ~raw;
    return bytes::bitsToDouble(raw);
}

void encodeDouble(double v, unsigned char* p)
{
    if (!std::isfinite(v))
        throw ValueError{QCoreApplication::translate("Engine", "not a finite number")};
    constexpr std::uint64_t sign = std::uint64_t(1) << 63;
    const std::uint64_t raw = v >= 0 ? (bytes::doubleToBits(v == 0 ? 0.0 : v) | sign) : ~bytes::doubleToBits(v);
    bytes::putBe(p, 8, raw);
}

int nibble(const unsigned char* p, int i) { return (i % 2) ? (p[i / 2] & 0x0F) : (p[i / 2] >> 4); }

void setNibble(unsigned char* p, int i, int value)
{
    if (i % 2)
        p[i / 2] = (p[i / 2] & 0xF0) | value;
    else
        p[i / 2] = (p[i / 2] & 0x0F) | (value << 4);
}

// BCD: byte 0 holds the sign (bit 7 set: positive) and the count of decimal
// places; then 32 digits, one per nibble, inverted for negative values.
// Paradox sometimes leaves non-digit nibbles after the precise digits; they end the number.
// Zero has no sign: a negative zero, as another program may leave it, reads as zero.
Value decodeBcd(const unsigned char* p)
{
    if (p[0] == 0)
        return Value::null();
    const bool negative = !(p[0] & 0x80);
    const int decimals = p[0] & 0x3F;
    if (decimals > BcdDigits)
        throw ValueError{QCoreApplication::translate("Engine", "BCD value with %1 decimal places").arg(decimals)};
    const int flip = negative ? 0x0F : 0;
    QByteArray text = negative ? "-0" : "0";
    const int firstDecimal = 2 + BcdDigits - decimals;
    for (int i = 2; i < 2 + BcdDigits; ++i) {
        const int digit = nibble(p, i) ^ flip;
        if (digit > 9)
            break;
        if (i == firstDecimal)
            text += '.';
        text += char('0' + digit);
    }
    const double value = text.toDouble();
    return Value::ofFloat(value == 0 ? 0.0 : value);
}

// A value that rounds to zero at the field's decimals is stored as zero, whatever its sign.
void encodeBcd(double v, int decimals, unsigned char* p)
{
    if (!std::isfinite(v))
        throw ValueError{QCoreApplication::translate("Engine", "not a finite number")};
    const QByteArray text = QByteArray::number(std::fabs(v), 'f', decimals);
    const qsizetype point = text.indexOf('.');
    QByteArray whole = point < 0 ? text : text.left(point);
    while (whole.startsWith('0'))
        whole.remove(0, 1);
    const QByteArray fraction = point < 0 ? QByteArray() : text.mid(point + 1);
    const QByteArray digits = whole + fraction;
    if (whole.size() > BcdDigits - decimals)
        throw ValueError{QCoreApplication::translate("Engine", "%1 has too many digits").arg(v)};
    const bool negative = v < 0 && digits.count('0') != digits.size();
    const int flip = negative ? 0x0F : 0;
    p[0] = (negative ? 0x40 : 0xC0) | decimals;
    for (int i = 2; i < 2 + BcdDigits; ++i)
        setNibble(p, i, flip);
    const int last = 2 + BcdDigits - 1;
    for (qsizetype k = 0; k < digits.size(); ++k)
        setNibble(p, int(last - (digits.size() - 1 - k)), (digits[k] - '0') ^ flip);
}

QString kindError(const FieldDesc& desc)
{
    return QCoreApplication::translate("Engine", "the value does not suit a %1 field").arg(typeName(desc.code));
}

std::int64_t integerOf(const FieldDesc& desc, const Value& v)
{
    if (v.kind == Value::Kind::Integer)
        return v.integer;
    if (v.kind == Value::Kind::Float && std::isfinite(v.real) && v.real == std::trunc(v.real)
        && std::fabs(v.real) < 9.0e15)
        return std::int64_t(v.real);
    throw ValueError{kindError(desc)};
}

double realOf(const FieldDesc& desc, const Value& v)
{
    if (v.kind == Value::Kind::Float)
        return v.real;
    if (v.kind == Value::Kind::Integer)
        return double(v.integer);
    throw ValueError{kindError(desc)};
}

void require(const FieldDesc& desc, const Value& v, Value::Kind kind, Value::Kind alternative)
{
    if (v.kind != kind && v.kind != alternative)
        throw ValueError{kindError(desc)};
}

} // namespace

int recordBytes(FieldCode code, int size) { return code == FieldCode::Bcd ? BcdBytes : size; }

bool isKnownType(int code)
{
    switch (FieldCode(code)) {
    case FieldCode::Alpha: case FieldCode::Date: case FieldCode::Short: case FieldCode::Long:
    case FieldCode::Currency: case FieldCode::Number: case FieldCode::Logical: case FieldCode::Memo:
    case FieldCode::Blob: case FieldCode::FmtMemo: case FieldCode::Ole: case FieldCode::Graphic:
    case FieldCode::Time: case FieldCode::Timestamp: case FieldCode::AutoInc: case FieldCode::Bcd:
    case FieldCode::Bytes:
        return true;
    }
    return false;
}

bool isValidSize(FieldCode code, int size)
{
    switch (code) {
    case FieldCode::Alpha: case FieldCode::Bytes:
        return size >= 1 && size <= 255;
    case FieldCode::Short:
        return size == 2;
    case FieldCode::Date: case FieldCode::Long: case FieldCode::Time: case FieldCode::AutoInc:
        return size == 4;
    case FieldCode::Currency: case FieldCode::Number: case FieldCode::Timestamp:
        return size == 8;
    case FieldCode::Logical:
        return size == 1;
    case FieldCode::Memo: case FieldCode::Blob: case FieldCode::FmtMemo: case FieldCode::Ole:
    case FieldCode::Graphic:
        return size >= 10 && size <= 250;
    case FieldCode::Bcd:
        return size >= 0 && size <= BcdDigits;
    }
    return false;
}

bool isBlob(FieldCode code)
{
    return code == FieldCode::Memo || code == FieldCode::Blob || code == FieldCode::FmtMemo
        || code == FieldCode::Ole || code == FieldCode::Graphic;
}

QString typeName(FieldCode code)
{
    switch (code) {
    case FieldCode::Alpha: return QStringLiteral("alpha");
    case FieldCode::Date: return QStringLiteral("date");
    case FieldCode::Short: return QStringLiteral("short");
    case FieldCode::Long: return QStringLiteral("long");
    case FieldCode::Currency: return QStringLiteral("currency");
    case FieldCode::Number: return QStringLiteral("number");
    case FieldCode::Logical: return QStringLiteral("logical");
    case FieldCode::Memo: return QStringLiteral("memo");
    case FieldCode::Blob: return QStringLiteral("binary");
    case FieldCode::FmtMemo: return QStringLiteral("formatted memo");
    case FieldCode::Ole: return QStringLiteral("OLE");
    case FieldCode::Graphic: return QStringLiteral("graphic");
    case FieldCode::Time: return QStringLiteral("time");
    case FieldCode::Timestamp: return QStringLiteral("timestamp");
    case FieldCode::AutoInc: return QStringLiteral("autoincrement");
    case FieldCode::Bcd: return QStringLiteral("BCD");
    case FieldCode::Bytes: return QStringLiteral("bytes");
    }
    return QStringLiteral("unknown");
}

Value decode(FieldCode code, const unsigned char* p, int size, const TextCodec& codec)
{
    switch (code) {
    case FieldCode::Alpha: {
        int length = 0;
        while (length < size && p[length] != 0)
            ++length;
        return length == 0 ? Value::null() : Value::ofText(codec.decode(reinterpret_cast<const char*>(p), length));
    }
    case FieldCode::Short: case FieldCode::Long: case FieldCode::AutoInc:
        return decodeInteger(p, size, Value::Kind::Integer);
    case FieldCode::Date:
        return decodeInteger(p, 4, Value::Kind::Date);
    case FieldCode::Time:
        return decodeInteger(p, 4, Value::Kind::Time);
    case FieldCode::Currency: case FieldCode::Number: {
        const auto d = decodeDouble(p);
        return d ? Value::ofFloat(*d) : Value::null();
    }
    case FieldCode::Timestamp: {
        const auto d = decodeDouble(p);
        return d ? Value::ofTimestamp(*d) : Value::null();
    }
    case FieldCode::Logical:
        return p[0] == 0 ? Value::null() : Value::ofBoolean(p[0] != 0x80);
    case FieldCode::Bcd:
        return decodeBcd(p);
    case FieldCode::Bytes:
        return bytes::allZero(p, size) ? Value::null()
                                       : Value::ofBytes(QByteArray(reinterpret_cast<const char*>(p), size));
    default:
        throw ValueError{QCoreApplication::translate("Engine", "%1 field outside the record").arg(typeName(code))};
    }
}

void encode(const FieldDesc& desc, const Value& v, unsigned char* p, const TextCodec& codec)
{
    if (v.isNull())
        return;
    using K = Value::Kind;
    switch (desc.code) {
    case FieldCode::Alpha: {
        require(desc, v, K::Text, K::Text);
        const QByteArray text = codec.encode(v.text, desc.size);
        std::copy(text.begin(), text.end(), p);
        return;
    }
    case FieldCode::Short: case FieldCode::Long: case FieldCode::AutoInc:
        encodeInteger(integerOf(desc, v), p, desc.size);
        return;
    case FieldCode::Date:
        require(desc, v, K::Date, K::Integer);
        encodeInteger(v.integer, p, 4);
        return;
    case FieldCode::Time:
        require(desc, v, K::Time, K::Integer);
        if (v.integer < 0 || v.integer >= 86400000)
            throw ValueError{QCoreApplication::translate("Engine", "%1 ms is not a time of day").arg(v.integer)};
        encodeInteger(v.integer, p, 4);
        return;
    case FieldCode::Currency: case FieldCode::Number:
        encodeDouble(realOf(desc, v), p);
        return;
    case FieldCode::Timestamp:
        require(desc, v, K::Timestamp, K::Float);
        encodeDouble(v.real, p);
        return;
    case FieldCode::Logical:
        require(desc, v, K::Boolean, K::Boolean);
        p[0] = v.boolean ? 0x81 : 0x80;
        return;
    case FieldCode::Bcd:
        encodeBcd(realOf(desc, v), desc.size, p);
        return;
    case FieldCode::Bytes:
        require(desc, v, K::Bytes, K::Bytes);
        if (v.bytes.size() > desc.size)
            throw ValueError{
                QCoreApplication::translate("Engine", "%1 bytes do not fit in %2").arg(v.bytes.size()).arg(desc.size)};
        std::copy(v.bytes.begin(), v.bytes.end(), p);
        return;
    default:
        throw ValueError{QCoreApplication::translate("Engine", "%1 field outside the record").arg(typeName(desc.code))};
    }
}

} // namespace px::field
