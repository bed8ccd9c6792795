#pragma once

#include <QString>
#include <QStringList>

namespace demo {

// Writes the sample report definition files (phonelst.rpt, callrpt.rpt,
// calendar.rpt) into directory through the wizard's own writer; a file that
// took one of their names is never written over (base::FileError names it).
void writeSampleReports(const QString& directory);
// Their file names.
QStringList sampleReportNames();

} // namespace demo
