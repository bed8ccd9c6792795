#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace store {
class ReportReader;
struct DirectoryEntry;
struct ReportContent;
} // namespace store

namespace cli {

// The directory of the host's alias; throws base::EngineError when the alias is
// not defined, saying how demo data for it is made.
QString AliasDirectory();

// The first five lines of a report file, as far as the listing uses them.
struct ReportHead {
    QByteArray description; // line 1 as the file holds it (Windows-1252)
    QString typeWord;
    int fieldCount = 0;
};

// Reads the first five lines. A file whose line 2 is not a report type the
// wizard writes (Contact or Calendar, in any letter case) or whose line 5 is not
// a number of fields is not a report definition: throws base::EngineError naming it.
ReportHead ReadReportHead(store::ReportReader& reader);

// Reads the report as loading does, and throws as ReadReportHead when it is no
// report definition. Its head is read again only when the report fails or its
// type or field count look wrong, so a report is usually read once.
void ReadReportDefinition(const QString& path, store::ReportContent& report);
void ReadReportDefinition(const store::DirectoryEntry& entry, store::ReportContent& report);

// The file that a FILE operand of show or check names: the operand itself when
// it names an entry from the current directory; a bare name (no "/") that does
// not, in the alias directory; then the same for the text of the operand's escapes
// (a name as list prints it). Else the operand, which reading then names as missing.
struct NamedFile {
    QString path;
    QString name; // the operand, or the text of its escapes when that was found
};
NamedFile ReportPath(const QString& operand);

// A report of the listing, its name as the directory holds it.
struct ListedReport {
    QString description;
    QString typeWord;
    QString name;
    int fieldCount = 0;
};

struct ReportFiles {
    std::vector<ListedReport> reports; // in the order of the wizard's selection dialog
    QStringList unreadable;            // one message per file that could not be read or is no report
};

// The report files of directory ("*.rpt" in any letter case, files or links to
// them) by description, the letters a to z counting as capitals, equal ones by
// name. Throws base::EngineError when the directory cannot be read.
ReportFiles ListReportFiles(const QString& directory);

} // namespace cli
