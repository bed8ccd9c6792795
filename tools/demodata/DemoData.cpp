#include "tools/demodata/DemoData.h"

#include "base/Error.h"
#include "tools/demodata/ContactTable.h"
#include "tools/demodata/DatabaseTable.h"
#include "tools/demodata/EventTable.h"
#include "tools/demodata/SampleReports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace demo {

QStringList demoFileNames(const Options& options)
{
    QStringList names{QStringLiteral("CONTACT.DB"), QStringLiteral("CONTACT.MB"), QStringLiteral("EVENT.DB"),
                      QStringLiteral("EVENT.MB"), QStringLiteral("DATABASE.DB")};
    if (options.sampleReports)
        names << sampleReportNames();
    return names;
}

void refuseExistingFiles(const QString& directory, const Options& options)
{
    const QStringList ours = demoFileNames(options);
    const QDir dir(directory);
    for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (ours.contains(entry, Qt::CaseInsensitive))
            throw base::FileError(QCoreApplication::translate("DemoTool", "%1 already exists; the demo data is made only in a folder "
                                                   "that holds none of its files, so that nothing is overwritten.")
                                        .arg(QDir::toNativeSeparators(dir.filePath(entry))));
}

void makeDemoData(const QString& directory, const Options& options)
{
    if (options.contacts < 0 || options.contacts > MaxContacts)
        throw base::Error(QCoreApplication::translate("DemoTool", "The number of contacts must be from 0 to %1.").arg(MaxContacts));
    if (!QFileInfo(directory).isDir())
        throw base::FileError(QCoreApplication::translate("DemoTool", "The directory %1 does not exist.").arg(QDir::toNativeSeparators(directory)));

    refuseExistingFiles(directory, options);

    const QDir dir(directory);
    writeContactTable(dir.filePath(QStringLiteral("CONTACT.DB")), options.contacts);
    px::writeTable(dir.filePath(QStringLiteral("EVENT.DB")), eventTableDefinition(), eventRecords(options.contacts));
    px::writeTable(dir.filePath(QStringLiteral("DATABASE.DB")), databaseTableDefinition(), databaseRecords());
    if (options.sampleReports)
        writeSampleReports(directory);
}

} // namespace demo
