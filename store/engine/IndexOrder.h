#pragma once

#include "store/paradox/PxValue.h"

#include <QtGlobal>
#include <vector>

namespace store::detail {

// A row of a table as the engine keeps it: the values of its columns and an id
// that stays with the row while it lives, so cursors can find their row again.
struct Row {
    quint64 id = 0;
    std::vector<px::Value> values;
};

// Orders two values of one column: no value first, then by value. Text is compared
// by character code, letter case included, unless caseInsensitive.
int compareValues(const px::Value& a, const px::Value& b, bool caseInsensitive);

// The rows' positions in the order of the given columns, rows that compare equal
// ordered by the tie columns (compared exactly, letter case included), then kept
// in the order they have in rows. Rows already in that order cost one pass.
std::vector<int> orderBy(const std::vector<Row>& rows, const std::vector<int>& columns, bool caseInsensitive,
                         const std::vector<int>& tieColumns = {});

// The columns of a primary key of count columns: the first count.
std::vector<int> keyColumns(int count);

// Whether the row's first key.size() columns equal key exactly.
bool matchesKey(const Row& row, const std::vector<px::Value>& key);

} // namespace store::detail
