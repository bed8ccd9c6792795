#pragma once

#include "store/report/ReportVersion.h"

#include <QString>

namespace store {

class Table;

// The five header lines of a report definition file.
struct ReportHeader {
    QString description;
    QString typeWord;     // "Contact" or "Calendar"
    QString categoryWord; // "Contact", "Event", "Note", "Call", "Letter", "Meeting" or "TO-DO"
    int width = 0;        // printable width in tenths of an inch
};

// Writes the report definition file: the header, the working table's row
// count, then one thirteen-line record per row in the order of its index
// "iOrder", every line in Windows-1252 ending in CR LF. A bare path is taken
// against the current directory. The file is replaced through
// WriteFileAtomically: on failure the old report stays as it was and
// base::EngineError tells why (also when a text holds a character that
// Windows-1252 lacks). Leaves the table on index "iOrder" with its cursor after
// the last row. Returns what was written, to tell later changes by others.
ReportVersion WriteReportFile(const QString& path, const ReportHeader& header, Table& table);

} // namespace store
