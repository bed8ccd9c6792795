#include "tests/store/paradox/PxTestSupport.h"

namespace px {

// So that failing comparisons show the value, not its bytes.
void PrintTo(const Value& v, std::ostream* os)
{
    switch (v.kind) {
    case Value::Kind::Null: *os << "null"; return;
    case Value::Kind::Integer: *os << "integer " << v.integer; return;
    case Value::Kind::Float: *os << "float " << v.real; return;
    case Value::Kind::Boolean: *os << (v.boolean ? "true" : "false"); return;
    case Value::Kind::Text: *os << "text \"" << v.text.toStdString() << '"'; return;
    case Value::Kind::Bytes: *os << "bytes " << v.bytes.toHex().toStdString(); return;
    case Value::Kind::Date: *os << "date " << v.integer; return;
    case Value::Kind::Time: *os << "time " << v.integer; return;
    case Value::Kind::Timestamp: *os << "timestamp " << v.real; return;
    }
}

} // namespace px
