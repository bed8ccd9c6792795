#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace store {
class Table;
}

namespace rules {

// The placement of one field of the working table; a missing value reads as 0.
struct ColumnRecord {
    int line = 0;
    int order = 0;
    int lposition = 0;
    int rposition = 0;
};

// The first rule for one field: it ends before it starts (equal positions pass).
bool EndsBeforeStart(const ColumnRecord& record);

// The second rule for one field: it ends beyond maximum (ending on it passes).
bool EndsBeyond(int maximum, const ColumnRecord& record);

// False when some field ends before it starts (equal positions pass).
bool CheckLeftRight(const QList<ColumnRecord>& records);

// False when some field ends beyond maximum (ending on it passes).
bool CheckRightMax(int maximum, const QList<ColumnRecord>& records);

// records in report order (line, then order), or in any order that keeps each
// line's fields in their order: the lines are put in order here. On each line in use (1 and
// later, however many the report has) the positions start, end, start, end ...
// of its fields must rise strictly, except that the last field of a line may
// start and end at one position. Answers the first position out of place, the
// lines taken in ascending order; fields without a line (0 or less) are not
// compared with one another.
std::optional<int> FindOverlap(const QList<ColumnRecord>& records);

// For each record, whether it is at fault by the rules above, so that what the
// check reports is what is marked: a field that ends before it starts or beyond
// maximum, whatever its line; and, on each line on which FindOverlap finds a
// position out of place, each field whose span meets or crosses the span of a
// field before or after it in order, and a field one position wide that is not
// the last of its line. records in report order.
QList<bool> FieldsAtFault(int maximum, const QList<ColumnRecord>& records);

// The three rules in turn; the warning text of the first that fails, or an
// empty text when all pass. records as FindOverlap takes them.
QString ColumnCheckFailure(int maximum, const QList<ColumnRecord>& records);

// The same check on a table with the working table's columns: the first two
// rules over its rows in the current order, then the third in the order of its
// index "iOrder", in which the table is left once that rule has run. Bound
// controls are not refreshed while it runs, and are again afterwards, also when
// the table fails. Engine errors pass to the caller.
QString ColumnCheckFailure(int maximum, store::Table& table);

} // namespace rules
