#pragma once

#include "store/paradox/PxTable.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace store::detail {

// What a conversion needs to know about its column: the Paradox type and size,
// the name shown in messages and the cursor's allowed range, if any.
struct Column {
    px::FieldCode code = px::FieldCode::Alpha;
    int size = 0;
    QString displayName;
    std::optional<std::pair<double, double>> range;
};

// Writing: text, integers and logicals converted as the column's type demands;
// refusals throw base::EngineError with the engine's messages.
px::Value valueFromText(const Column& column, const QString& text);
px::Value valueFromInteger(const Column& column, qint64 value);
px::Value valueFromBoolean(const Column& column, bool value);

// A flag column's reading of non-empty text, nullopt when it refuses it; here on
// 8-bit text (a byte that is not ASCII matches no letter), as valueFromText on text.
std::optional<bool> logicalOf(QLatin1StringView text);

// Reading: no value reads as "", 0 and false.
QString textOf(const px::Value& value);
int integerOf(const Column& column, const px::Value& value);
bool booleanOf(const Column& column, const px::Value& value);

// A key value to look up, as it would be stored (text is not cut to the column's size).
px::Value keyValueOf(const Column& column, const QVariant& value);

} // namespace store::detail
