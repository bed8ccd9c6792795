#pragma once

#include <QString>

namespace store {

// The working table: one row per field of the report being designed.
inline const QString WorkingTableName = QStringLiteral("TRDATA.DB");

// Its fourteen columns, in the table's order; their names stand only in ColumnName.
enum class WorkingColumn { Field, Order, Header, LDots, RDots, Total, Count, Average, Min, Max, DbType, Line,
                           LPosition, RPosition };
constexpr const char* ColumnName(WorkingColumn column)
{
    constexpr const char* names[] = {"Field", "Order",  "Header", "LDots",     "RDots",    "Total",   "Count",
                                     "Average", "Min", "Max",   "DbType", "Line", "LPosition", "RPosition"};
    return names[int(column)];
}
QString ColumnText(WorkingColumn column);

} // namespace store
