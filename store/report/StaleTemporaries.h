#pragma once

#include <QString>

namespace store {

// Removing what killed writers left behind: the temporary files of
// base::ReplacementFile (".NAME.XXXXXXXX.tmp") and, for the working table, those of
// the program's earlier versions ("NAME.XXXXXX", six letters of mixed case).
// Only such names of the files
// in question are looked at, and one goes only when it is a regular file (not a
// link), no writer holds its lock (a lock ends with its process, so the writer
// is gone) and it is old enough. Failures are ignored: a file left costs nothing.

// The temporaries of the table at tablePath and of its memo file. Only while the
// table is held exclusively: then no writer of it is at work, so age does not count.
void RemoveStaleTableTemporaries(const QString& tablePath);

// The temporaries of the reports in directory that are at least an hour old: a
// report is written in a moment, and the hour covers writers of earlier versions,
// which did not lock, and clocks of the machines sharing a network drive that differ.
void RemoveStaleReportTemporaries(const QString& directory);

} // namespace store
