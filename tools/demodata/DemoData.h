#pragma once

#include <QString>
#include <QStringList>

namespace demo {

struct Options {
    int contacts = 300;          // rows of CONTACT.DB
    bool sampleReports = true;   // write the sample *.rpt files
};

// The names of the files makeDemoData writes: the tables with their memo files,
// and the sample reports when asked for.
QStringList demoFileNames(const Options& options);

// Throws base::EngineError naming the first entry of directory that is named as
// one of demoFileNames in any letter case: the demo data never takes the place
// of a file (a user's contact table or report). A missing directory holds none.
void refuseExistingFiles(const QString& directory, const Options& options);

// Writes CONTACT.DB (with its .MB), EVENT.DB (with its .MB), DATABASE.DB and the
// sample reports into directory, after refuseExistingFiles. Throws base::EngineError.
void makeDemoData(const QString& directory, const Options& options = {});

} // namespace demo
