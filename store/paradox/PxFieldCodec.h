#pragma once

#include "store/paradox/PxTable.h"

#include <QString>

namespace px {

class TextCodec;

// A value that does not fit its field, or field bytes that make no sense.
// The table reader and writer turn it into an engine error naming the file.
struct ValueError {
    QString reason;
};

namespace field {

// Bytes the field takes in a record (BCD fields always take 17).
int recordBytes(FieldCode code, int size);
// Whether code is a type this codec knows and size is allowed for it.
bool isKnownType(int code);
bool isValidSize(FieldCode code, int size);
// Memo, formatted memo, binary, OLE and graphic fields keep their value in the .MB file.
bool isBlob(FieldCode code);
QString typeName(FieldCode code);

// Decodes a field that is not a blob field from its record bytes.
Value decode(FieldCode code, const unsigned char* data, int size, const TextCodec& codec);
// Encodes value into the field's record bytes (which the caller has zeroed). Not for blob fields.
void encode(const FieldDesc& desc, const Value& value, unsigned char* data, const TextCodec& codec);

} // namespace field
} // namespace px
