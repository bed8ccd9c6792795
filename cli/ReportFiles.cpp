// Report files as tabrep-report finds them: by the names it prints, and only
// files that are report definitions.
#include "cli/ReportFiles.h"

#include "base/EngineError.h"
#include "base/Paths.h"
#include "base/TextNumbers.h"
#include "cli/Visible.h"
#include "store/Alias.h"
#include "store/ReportDirectory.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportContent.h"
#include "store/report/ReportReader.h"

#include <algorithm>
#include <sys/stat.h>

namespace cli {

namespace {

QString NotAReport(const store::ReportReader& reader, const char* why)
{
    return QStringLiteral("%1 is not a report definition: %2.").arg(reader.absolutePath(), QLatin1String(why));
}

bool Exists(const QString& path)
{
    struct stat info {};
    return ::lstat(base::FileNameBytes(path).constData(), &info) == 0;
}

// The sort key of a description: its bytes with a to z as capitals.
QByteArray SortKey(QByteArray description)
{
    for (char& c : description)
        if (c >= 'a' && c <= 'z')
            c = char(c - ('a' - 'A'));
    return description;
}

bool IsReportType(const QString& word)
{
    return store::MatchesWord(word, QLatin1StringView("CONTACT"))
           || store::MatchesWord(word, QLatin1StringView("CALENDAR"));
}

// A report without fields may have a count line that is no number; one that is
// refused may be no report at all, which is said first.
template <typename Source>
void ReadCheckingHead(const Source& source, store::ReportContent& report)
{
    const auto checkHead = [&source] {
        store::ReportReader reader(source, store::ReportReader::Listing);
        ReadReportHead(reader);
    };
    try {
        store::ReadReport(source, report);
    } catch (const base::EngineError&) {
        checkHead();
        throw;
    }
    if (report.fields.empty() || !IsReportType(store::DecodeCp1252(QByteArrayView(report.typeLine))))
        checkHead();
}

} // namespace

QString AliasDirectory()
{
    try {
        return store::GetAliasDirectory(store::HostAlias);
    } catch (const base::EngineError& e) {
        throw base::EngineError(e.text().simplified()
                                + QStringLiteral(" To try tabrep-report on demo data, make it with "
                                                 "tabrep-demo DIRECTORY and give that directory as the PATH."));
    }
}

ReportHead ReadReportHead(store::ReportReader& reader)
{
    ReportHead head;
    head.description = reader.nextLineBytes().toByteArray();
    head.typeWord = store::DecodeCp1252(reader.nextLineBytes());
    if (!IsReportType(head.typeWord))
        throw base::EngineError(NotAReport(reader, "line 2 is not a report type (Contact or Calendar)"));
    reader.nextLineBytes(); // the category
    reader.nextLineBytes(); // the printable width
    const std::optional<int> count = base::ParseInteger(QLatin1StringView(reader.nextLineBytes()));
    if (!count || *count < 0)
        throw base::EngineError(NotAReport(reader, "line 5 is not a number of fields"));
    head.fieldCount = *count;
    return head;
}

void ReadReportDefinition(const QString& path, store::ReportContent& report)
{
    ReadCheckingHead(path, report);
}

void ReadReportDefinition(const store::DirectoryEntry& entry, store::ReportContent& report)
{
    ReadCheckingHead(entry, report);
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
        } catch (const base::EngineError&) {
            // No alias: only the current directory is looked in.
        }
    }
    return {operand, operand};
}

ReportFiles ListReportFiles(const QString& directory)
{
    struct Row {
        QByteArray key;
        QByteArray fileName;
        ListedReport report;
    };
    std::vector<Row> rows;
    ReportFiles files;
    store::ForEachReportFile(directory, [&](const store::DirectoryEntry& entry) {
        try {
            store::ReportReader reader(entry, store::ReportReader::Listing);
            ReportHead head = ReadReportHead(reader);
            rows.push_back({SortKey(head.description), QByteArray(entry.fileName),
                            {store::DecodeCp1252(head.description), std::move(head.typeWord),
                             base::FileNameText(entry.fileName), head.fieldCount}});
        } catch (const base::EngineError& e) {
            files.unreadable << e.text();
        }
    });
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return a.key != b.key ? a.key < b.key : a.fileName < b.fileName;
    });
    files.reports.reserve(rows.size());
    for (Row& row : rows)
        files.reports.push_back(std::move(row.report));
    return files;
}

} // namespace cli
