#include "ReportDirectory.h"

#include "Cp1252.h"
#include "EngineError.h"
#include "ReportNames.h"
#include "ReportReader.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace store {

namespace {

// Folds a to z into capitals and turns the text back into the host's
// character codes, so plain byte order is the listing's order. The text was
// decoded from Windows-1252, so it always encodes.
QByteArray SortKey(const QString& description)
{
    QString upper = description;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    return EncodeCp1252(upper).value();
}

} // namespace

ReportListing ListReports(const QString& directory)
{
    const QDir dir(directory);
    if (!QFileInfo(directory).isReadable())
        throw base::EngineError(QStringLiteral("Cannot list the report files in %1: the directory cannot be read.")
                                    .arg(directory));
    const QStringList names = dir.entryList({QStringLiteral("*.rpt")}, QDir::Files | QDir::Hidden, QDir::NoSort);

    struct Keyed {
        QByteArray key;
        ReportEntry entry;
    };
    std::vector<Keyed> rows;
    rows.reserve(names.size());
    ReportListing listing;
    for (const QString& name : names) {
        try {
            ReportHeadLines head = ReadReportHeadLines(dir.filePath(name));
            QByteArray key = SortKey(head.description);
            rows.push_back({std::move(key), {std::move(head.description), std::move(head.typeWord), LowerAZ(name)}});
        } catch (const base::EngineError& e) {
            listing.unreadable << e.text();
        }
    }
    std::sort(rows.begin(), rows.end(), [](const Keyed& a, const Keyed& b) {
        return a.key != b.key ? a.key < b.key : a.entry.name < b.entry.name;
    });
    listing.reports.reserve(rows.size());
    for (Keyed& row : rows)
        listing.reports.push_back(std::move(row.entry));
    return listing;
}

} // namespace store
