// Report files as tabrep-report finds them: by the names it prints, and only
// files that are report definitions.
#include "cli/ReportFiles.h"

#include "base/EngineError.h"
#include "base/Paths.h"
#include "cli/Visible.h"
#include "store/Alias.h"
#include "store/report/ReportReader.h"
#include "store/report/ReportWords.h"

#include <QCoreApplication>

#include <sys/stat.h>

namespace cli {

namespace {

bool Exists(const QString& path)
{
    struct stat info {};
    return ::lstat(base::FileNameBytes(path).constData(), &info) == 0;
}

// Refuses a file whose line 2 or line 5 no report definition holds; path is
// asked for only then.
template <typename Path>
void RequireReportDefinition(const QString& typeLine, const std::optional<int>& fieldCount, const Path& path)
{
    const auto notAReport = [&path](const char* why) {
        return base::EngineError(
            QCoreApplication::translate("ReportTool", "%1 is not a report definition: %2.")
                .arg(path(), QCoreApplication::translate("ReportTool", why)));
    };
    if (!store::ReportTypeNamed(typeLine))
        throw notAReport(QT_TRANSLATE_NOOP("ReportTool", "line 2 is not a report type (Contact or Calendar)"));
    if (!fieldCount || *fieldCount < 0)
        throw notAReport(QT_TRANSLATE_NOOP("ReportTool", "line 5 is not a number of fields"));
}

void RequireReportHead(const store::ReportHead& head, const store::ReportReader& reader)
{
    RequireReportDefinition(head.typeLine, head.fieldCount, [&reader] { return reader.absolutePath(); });
}

} // namespace

QString AliasDirectory()
{
    try {
        return store::GetAliasDirectory(store::HostAlias);
    } catch (const base::Error& e) {
        throw base::EngineError(e.text().simplified()
                                + QCoreApplication::translate("ReportTool",
                                                              " To try tabrep-report on demo data, make it with "
                                                              "tabrep-demo DIRECTORY and give that directory as "
                                                              "the PATH."));
    }
}

store::ReportContent ReadReportDefinition(const QString& path)
{
    return store::ReadReport(path, RequireReportHead);
}

store::ReportContent ReadReportDefinition(const store::DirectoryEntry& entry)
{
    return store::ReadReport(entry, RequireReportHead);
}

NamedFile ReportPath(const QString& operand)
{
    QStringList names{operand};
    if (const std::optional<QString> unescaped = Unescaped(operand); unescaped && *unescaped != operand)
        names << *unescaped;
    for (const QString& name : names) {
        if (Exists(name))
            return {name, name};
        if (name.contains(u'/'))
            continue;
        try {
            const QString inAlias = base::JoinPath(store::GetAliasDirectory(store::HostAlias), name);
            if (Exists(inAlias))
                return {inAlias, name};
        } catch (const base::Error&) {
            // No alias: only the current directory is looked in.
        }
    }
    return {operand, operand};
}

store::ReportListing ListReportFiles(const QString& directory)
{
    return store::ListReports(directory, store::ListingLines::WithFieldCount,
                              [](const store::ReportHead& head, const store::DirectoryEntry& entry) {
                                  RequireReportDefinition(head.typeLine, head.fieldCount,
                                                          [&entry] { return store::PathOf(entry); });
                              });
}

} // namespace cli
