#pragma once

#include <QString>

namespace store {

// Removing what killed writers left behind: the temporary files of
// base::ReplacementFile, by their names of their own (base::TemporaryName), so
// no one else's file is ever taken for one. One goes only when it is a regular
// file (not a link), no writer holds its lock (a lock ends with its process, so
// the writer is gone) and it is old enough. Failures are ignored: a file left
// costs nothing.

// The temporaries that replace tables and memo files of the kind at tablePath,
// in its directory. Only while that table is held exclusively: then no writer
// of it is at work, so age does not count.
void RemoveStaleTableTemporaries(const QString& tablePath);

// The temporaries of the reports in directory that are at least an hour old: a
// report is written in a moment, and the hour covers the clocks of the machines
// sharing a network drive that differ, and locks such a drive may not pass on.
void RemoveStaleReportTemporaries(const QString& directory);

// The probe files in directory that a table's lock makes beside its lock file
// and deletes at once (to read the file server's clock, or to put a new lock
// file in place), left by a process killed in that instant: those at least an
// hour old, as for reports, since a probe holds no lock that would tell.
void RemoveStaleLockProbes(const QString& directory);

} // namespace store
