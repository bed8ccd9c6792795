#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace demo {

// The sample report definition files, as the wizard would have written them.
struct SampleReport {
    QString fileName;
    QByteArray bytes;
};

std::vector<SampleReport> sampleReports();

// Writes every sample report into directory, each file replaced whole.
void writeSampleReports(const QString& directory);

} // namespace demo
