#include "store/engine/IndexOrder.h"

#include <algorithm>
#include <numeric>

namespace store::detail {
namespace {

template <typename T>
int threeWay(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareColumns(const Row& a, const Row& b, const std::vector<int>& columns, bool caseInsensitive)
{
    for (int column : columns)
        if (const int c = compareValues(a.values[column], b.values[column], caseInsensitive); c != 0)
            return c;
    return 0;
}

} // namespace

int compareValues(const px::Value& a, const px::Value& b, bool caseInsensitive)
{
    if (a.kind != b.kind)
        return threeWay(int(a.kind), int(b.kind)); // Null is the first kind
    switch (a.kind) {
    case px::Value::Kind::Null:
        return 0;
    case px::Value::Kind::Integer:
    case px::Value::Kind::Date:
    case px::Value::Kind::Time:
        return threeWay(a.integer, b.integer);
    case px::Value::Kind::Float:
    case px::Value::Kind::Timestamp:
        return threeWay(a.real, b.real);
    case px::Value::Kind::Boolean:
        return threeWay(a.boolean, b.boolean);
    case px::Value::Kind::Text: {
        const int c = a.text.compare(b.text, caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive);
        return threeWay(c, 0);
    }
    case px::Value::Kind::Bytes:
        return threeWay(a.bytes, b.bytes);
    }
    return 0;
}

std::vector<int> orderBy(const std::vector<Row>& rows, const std::vector<int>& columns, bool caseInsensitive,
                         const std::vector<int>& tieColumns)
{
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (columns.empty() && tieColumns.empty())
        return order;
    const auto before = [&](int a, int b) {
        if (const int c = compareColumns(rows[a], rows[b], columns, caseInsensitive); c != 0)
            return c < 0;
        return compareColumns(rows[a], rows[b], tieColumns, false) < 0;
    };
    if (!std::is_sorted(order.begin(), order.end(), before))
        std::stable_sort(order.begin(), order.end(), before);
    return order;
}

std::vector<int> keyColumns(int count)
{
    std::vector<int> columns(std::max(count, 0));
    std::iota(columns.begin(), columns.end(), 0);
    return columns;
}

bool matchesKey(const Row& row, const std::vector<px::Value>& key)
{
    for (std::size_t i = 0; i < key.size(); ++i)
        if (compareValues(row.values[i], key[i], false) != 0)
            return false;
    return true;
}

} // namespace store::detail
