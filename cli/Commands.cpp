// The three commands of tabrep-report: list, show and check.
#include "cli/ReportTool.h"

#include "base/EngineError.h"
#include "cli/TextTable.h"
#include "rules/ReportSettings.h"
#include "store/Alias.h"
#include "store/ReportDirectory.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportContent.h"
#include "store/report/ReportReader.h"

#include <QJsonDocument>
#include <QJsonArray>
#include <algorithm>
#include <string>

namespace cli {

namespace {

// Appends text in UTF-8; text in ASCII, the usual case, as it stands.
void AppendUtf8(std::string& out, QStringView text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        const std::size_t start = out.size();
        out.resize(start + std::size_t(text.size()));
        std::transform(text.begin(), text.end(), out.begin() + qsizetype(start),
                       [](QChar c) { return char(c.unicode()); });
        return;
    }
    const QByteArray bytes = text.toUtf8();
    out.append(bytes.constData(), std::size_t(bytes.size()));
}

void Write(std::FILE* stream, QStringView text)
{
    std::string bytes;
    AppendUtf8(bytes, text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

// A message about trouble, on one line.
void Complain(const Streams& streams, const QString& text)
{
    Write(streams.err, QStringLiteral("tabrep-report: %1\n").arg(text.simplified()));
}

// A JSON string, quoted and escaped. The members of a listed report are
// written in the order of the listing's columns, which a JSON object would sort.
QString JsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString AliasDirectory(const QString& directory)
{
    return directory.isEmpty() ? store::GetAliasDirectory(store::HostAlias) : directory;
}

QString NoReportsMessage(const QString& directory)
{
    return QStringLiteral("There were no report files (*.rpt) found in the %1 directory").arg(directory);
}

QString Number(const std::optional<int>& value)
{
    return value ? QString::number(*value) : QString();
}

QString Summaries(const store::ReportFieldRecord& record)
{
    QStringList set;
    const std::pair<const std::optional<bool>&, const char*> flags[] = {
        {record.total, "Total"}, {record.count, "Count"}, {record.average, "Average"},
        {record.minValue, "Min"}, {record.maxValue, "Max"}};
    for (const auto& [flag, name] : flags)
        if (flag.value_or(false))
            set << QString::fromLatin1(name);
    return set.join(u',');
}

QString YesOrEmpty(bool flag)
{
    return flag ? QStringLiteral("yes") : QString();
}

QString Text(const std::string& bytes)
{
    return store::DecodeCp1252(QByteArrayView(bytes));
}

// A word loading understood as it is written, or the line with the reason it changes nothing.
QString WordOrLine(const QString& word, const std::string& line, const char* what)
{
    return word.isEmpty() ? QStringLiteral("%1 (not a %2)").arg(Text(line), QLatin1String(what)) : word;
}

} // namespace

int ListCommand(const QString& directoryArgument, bool json, const Streams& streams)
{
    const QString directory = AliasDirectory(directoryArgument);
    const store::ReportListing listing = store::ListReports(directory, store::ListingLines::WithFieldCount);
    for (const QString& unreadable : listing.unreadable)
        Complain(streams, unreadable);
    if (listing.reports.empty() && listing.unreadable.isEmpty())
        Complain(streams, NoReportsMessage(directory));
    if (json) {
        for (const store::ReportEntry& report : listing.reports) {
            Write(streams.out, QStringLiteral("{\"description\":%1,\"type\":%2,\"name\":%3,\"fields\":%4}\n")
                                   .arg(JsonString(report.description), JsonString(report.typeWord),
                                        JsonString(report.name), QString::number(report.fieldCount)));
        }
    } else if (!listing.reports.empty()) {
        using Align = TextTable::Align;
        TextTable table({Align::Left, Align::Left, Align::Left, Align::Right});
        table.addRow({QStringLiteral("Description"), QStringLiteral("Type"), QStringLiteral("Name"),
                      QStringLiteral("Fields")});
        for (const store::ReportEntry& report : listing.reports)
            table.addRow({report.description, report.typeWord, report.name, QString::number(report.fieldCount)});
        Write(streams.out, table.text());
    }
    return listing.unreadable.isEmpty() ? Passed : Trouble;
}

int ShowCommand(const QString& file, const Streams& streams)
{
    const store::ReportContent report = store::ReadReport(file);
    const wizard::ReportSettings settings = wizard::SettingsOf(report);
    QString width = QString::number(settings.printableWidth);
    if (settings.printableWidth != report.width)
        width += QStringLiteral(" (the file says %1)").arg(report.width);
    using Align = TextTable::Align;
    TextTable head({Align::Left, Align::Left});
    head.addRow({QStringLiteral("Description:"), Text(report.description)});
    head.addRow({QStringLiteral("Type:"), WordOrLine(settings.typeWord, report.typeLine, "report type")});
    head.addRow({QStringLiteral("Category:"), WordOrLine(settings.categoryWord, report.categoryLine, "category")});
    head.addRow({QStringLiteral("Printable width:"), width});
    head.addRow({QStringLiteral("Detail level:"),
                 settings.detailLevel ? QStringLiteral("Yes, use Detail Level") : QStringLiteral("No")});
    head.addRow({QStringLiteral("Fields:"), QString::number(report.fields.size())});
    Write(streams.out, head.text());
    if (report.fields.empty())
        return Passed;
    TextTable fields({Align::Right, Align::Left, Align::Left, Align::Right, Align::Right, Align::Right, Align::Left,
                      Align::Left, Align::Left});
    fields.addRow({QStringLiteral("Order"), QStringLiteral("Field"), QStringLiteral("Header"), QStringLiteral("Line"),
                   QStringLiteral("Start"), QStringLiteral("End"), QStringLiteral("Leaders"),
                   QStringLiteral("Trailers"), QStringLiteral("Summaries")});
    for (const store::ReportFieldRecord* record : wizard::InReportOrder(report))
        fields.addRow({QString::number(record->order), record->field.text(), record->header.text(),
                       Number(record->line), Number(record->lposition), Number(record->rposition),
                       YesOrEmpty(record->leaders), YesOrEmpty(record->trailers), Summaries(*record)});
    Write(streams.out, u'\n' + fields.text());
    return Passed;
}

int CheckCommand(const QStringList& files, const Streams& streams)
{
    int status = Passed;
    store::ReportContent report; // one for all, its room reused
    std::string line;            // and so is the room of the line written for each
    // name: as the command line gave it, or as the directory holds it.
    const auto check = [&](std::string_view name, const auto& source) {
        try {
            store::ReadReport(source, report);
            const QString failure = wizard::CheckReportColumns(report);
            line.assign(name);
            line += ": ";
            AppendUtf8(line, failure.isEmpty() ? u"OK" : QStringView(failure));
            line += '\n';
            std::fwrite(line.data(), 1, line.size(), streams.out);
            if (!failure.isEmpty())
                status = std::max<int>(status, Failed);
        } catch (const base::EngineError& e) {
            Complain(streams, e.text());
            status = Trouble;
        }
    };
    if (!files.isEmpty()) {
        for (const QString& file : files)
            check(file.toUtf8().toStdString(), file);
        return status;
    }
    const QString directory = AliasDirectory({});
    bool any = false;
    store::ForEachReportFile(directory, [&](const store::DirectoryEntry& entry) {
        any = true;
        check(entry.fileName, entry);
    });
    if (!any)
        Complain(streams, NoReportsMessage(directory));
    return status;
}

} // namespace cli
