#include "tools/demodata/DemoData.h"

#include "base/EngineError.h"
#include "tools/demodata/ContactTable.h"
#include "tools/demodata/DatabaseTable.h"
#include "tools/demodata/EventTable.h"
#include "tools/demodata/SampleReports.h"

#include <QDir>
#include <QFileInfo>

namespace demo {

void makeDemoData(const QString& directory, const Options& options)
{
    if (options.contacts < 0 || options.contacts > MaxContacts)
        throw base::EngineError(QStringLiteral("The number of contacts must be from 0 to %1.").arg(MaxContacts));
    if (!QFileInfo(directory).isDir())
        throw base::EngineError(QStringLiteral("The directory %1 does not exist.").arg(QDir::toNativeSeparators(directory)));

    const QDir dir(directory);
    writeContactTable(dir.filePath(QStringLiteral("CONTACT.DB")), options.contacts);
    px::writeTable(dir.filePath(QStringLiteral("EVENT.DB")), eventTableDefinition(), eventRecords(options.contacts));
    px::writeTable(dir.filePath(QStringLiteral("DATABASE.DB")), databaseTableDefinition(), databaseRecords());
    if (options.sampleReports)
        writeSampleReports(directory);
}

} // namespace demo
