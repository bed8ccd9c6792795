#pragma once

#include "store/ReportDirectory.h"

#include <QString>

namespace store {
struct DirectoryEntry;
struct ReportContent;
} // namespace store

namespace cli {

// The directory of the host's alias; throws base::EngineError when the alias is
// not defined, saying how demo data for it is made.
QString AliasDirectory();

// Reads the report as loading does. A file whose line 2 is not a report type
// the wizard writes (Contact or Calendar, in any letter case) or whose line 5
// is not a number of fields is not a report definition: throws
// base::EngineError naming it, before any record is read.
store::ReportContent ReadReportDefinition(const QString& path);
store::ReportContent ReadReportDefinition(const store::DirectoryEntry& entry);

// The file that a FILE operand of show or check names: the operand itself when
// it names an entry from the current directory; a bare name (no "/") that does
// not, in the alias directory; then the same for the text of the operand's escapes
// (a name as list prints it). Else the operand, which reading then names as missing.
struct NamedFile {
    QString path;
    QString name; // the operand, or the text of its escapes when that was found
};
NamedFile ReportPath(const QString& operand);

// The report files of directory as the wizard's selection dialog lists them,
// with the number of their fields; a file that is no report definition is
// named in unreadable. Throws base::FileError when the directory cannot be read.
store::ReportListing ListReportFiles(const QString& directory);

} // namespace cli
