#pragma once

#include <QString>
#include <QStringList>

namespace demo {

// Writes the sample report definition files (phonelst.rpt, callrpt.rpt,
// calendar.rpt) into directory as the wizard would have written them, each
// file replaced whole.
void writeSampleReports(const QString& directory);
// Their file names.
QStringList sampleReportNames();

} // namespace demo
