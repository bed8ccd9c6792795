#pragma once

#include "store/report/ReportContent.h"

namespace store {

class Table;

// Adds record to the working table as a row: its place in the file as Order, a
// line without a value as a column without one. The table is left in insert
// state with the row; the caller posts it.
void InsertRecordRow(Table& table, const ReportFieldRecord& record);

} // namespace store
