#pragma once

#include <QString>

namespace demo {

struct Options {
    int contacts = 300;          // rows of CONTACT.DB
    bool sampleReports = true;   // write the sample *.rpt files
};

// Writes CONTACT.DB (with its .MB), EVENT.DB, DATABASE.DB and the sample
// reports into directory, replacing what is there. Throws base::EngineError.
void makeDemoData(const QString& directory, const Options& options = {});

} // namespace demo
