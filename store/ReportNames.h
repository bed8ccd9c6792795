#pragma once

#include <QString>

namespace store {

// The host compares report names without regard to letter case, and lists them
// in small letters: only the capitals A to Z become small letters.
QString LowerAZ(const QString& text);

// A name typed for a new report: one or more ASCII letters or digits.
bool IsPlainReportName(const QString& name);

// The name on disk of the report file bareName in directory, letter case
// ignored (A to Z only), so "rep1.rpt" finds "REP1.RPT". Directories do not
// count. A name that matches nothing is returned as it is (a new file); a name
// that matches two or more files throws base::FileError naming them.
QString ResolveReportName(const QString& directory, const QString& bareName);

// True when directory holds any entry (file or directory) named fileName,
// letter case ignored: a report of that name would clash with it.
bool ReportNameTaken(const QString& directory, const QString& fileName);

} // namespace store
