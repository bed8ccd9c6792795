// The three commands of tabrep-report: list, show and check.
#include "cli/ReportTool.h"

#include "base/EngineError.h"
#include "base/Paths.h"
#include "cli/ReportFiles.h"
#include "cli/TextTable.h"
#include "cli/Visible.h"
#include "design/Report.h"
#include "rules/ReportSettings.h"
#include "store/ReportDirectory.h"
#include "store/report/ReportReader.h"
#include "translations/ShownWords.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <sys/ioctl.h>
#include <unistd.h>

namespace cli {

namespace {

void Write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

// A failure's message on one line, its texts from files shown visibly: for a
// refused field record, the engine's sentence and where in the report it was,
// as the wizard words them, in any language.
QString MessageLine(const base::Error& error)
{
    const auto* refused = dynamic_cast<const store::FieldRecordError*>(&error);
    if (!refused)
        return Visible(error.text());
    QString sentence = Visible(refused->sentence());
    if (!sentence.endsWith(u'.') && !sentence.endsWith(u'!') && !sentence.endsWith(u'?'))
        sentence += u'.';
    return sentence + u' ' + Visible(refused->place());
}

QString Directory(const QString& directory)
{
    return directory.isEmpty() ? AliasDirectory() : directory;
}

// The width the list's table fits: COLUMNS when set, the terminal's, else 80.
qsizetype OutputWidth(std::FILE* stream)
{
    bool set = false;
    const int columns = qEnvironmentVariableIntValue("COLUMNS", &set);
    if (set && columns > 0)
        return columns;
    winsize size{};
    const int fd = ::fileno(stream);
    if (::isatty(fd) && ::ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

QString NoReportsMessage(const QString& directory)
{
    return QCoreApplication::translate("ReportTool", "There were no report files (*.rpt) found in the %1 directory").arg(directory);
}

QString Number(const std::optional<int>& value)
{
    return value ? QString::number(*value) : QString();
}

QString Summaries(const store::FieldRow& record)
{
    QStringList set;
    const std::pair<const std::optional<bool>&, const char*> flags[] = {
        {record.total, QT_TRANSLATE_NOOP("ReportTool", "Total")},
        {record.count, QT_TRANSLATE_NOOP("ReportTool", "Count")},
        {record.average, QT_TRANSLATE_NOOP("ReportTool", "Average")},
        {record.minValue, QT_TRANSLATE_NOOP("ReportTool", "Min")},
        {record.maxValue, QT_TRANSLATE_NOOP("ReportTool", "Max")}};
    for (const auto& [flag, name] : flags)
        if (flag.value_or(false))
            set << QCoreApplication::translate("ReportTool", name);
    return set.join(u',');
}

QString YesOrEmpty(bool flag)
{
    return flag ? QCoreApplication::translate("ReportTool", "yes") : QString();
}

// A word loading understood, in the desktop's language, or the line with the reason it changes nothing.
template <typename Named>
QString WordOrLine(const std::optional<Named>& named, const QString& line, const QString& notWhat)
{
    return named ? translations::ShownWord(*named) : QStringLiteral("%1 (%2)").arg(line, notWhat);
}

} // namespace

void Complain(const Streams& streams, const QString& text)
{
    Write(streams.err, QStringLiteral("tabrep-report: %1\n").arg(Visible(text)));
}

void Complain(const Streams& streams, const base::Error& error)
{
    Write(streams.err, QStringLiteral("tabrep-report: %1\n").arg(MessageLine(error)));
}

int ListCommand(const QString& directoryArgument, bool json, const Streams& streams)
{
    const QString directory = Directory(directoryArgument);
    const store::ReportListing listing = ListReportFiles(directory);
    for (const QString& unreadable : listing.unreadable)
        Complain(streams, unreadable);
    if (listing.reports.empty() && listing.unreadable.isEmpty())
        Complain(streams, NoReportsMessage(directory));
    if (json) {
        // A name that is not UTF-8 is given as the table shows it, and marked so.
        for (const store::ReportEntry& report : listing.reports) {
            const bool escaped = HoldsNameByte(report.fileName);
            Write(streams.out, QStringLiteral("{\"description\":%1,\"type\":%2,\"name\":%3%4,\"fields\":%5}\n")
                                   .arg(JsonString(report.description), JsonString(report.typeWord),
                                        JsonString(escaped ? Visible(report.fileName) : report.fileName),
                                        escaped ? QStringLiteral(",\"escaped\":true") : QString(),
                                        QString::number(report.fieldCount.value_or(0))));
        }
    } else if (!listing.reports.empty()) {
        using Align = TextTable::Align;
        TextTable table({Align::Left, Align::Left, Align::Left, Align::Right});
        table.addRow({QCoreApplication::translate("ReportTool", "Description"), QCoreApplication::translate("ReportTool", "Type"),
                      QCoreApplication::translate("ReportTool", "Name"), QCoreApplication::translate("ReportTool", "Fields")});
        for (const store::ReportEntry& report : listing.reports)
            table.addRow({report.description, translations::ShownTypeLine(report.typeWord), report.fileName,
                          QString::number(report.fieldCount.value_or(0))});
        Write(streams.out, table.text(OutputWidth(streams.out)));
    }
    return listing.unreadable.isEmpty() ? Passed : Trouble;
}

int ShowCommand(const QString& file, const Streams& streams)
{
    // The lines as the file has them, and the report as loading takes them: the wizard's one value.
    const store::ReportContent lines = ReadReportDefinition(ReportPath(file).path);
    const design::Report report = design::ReportOf(lines);
    QString width = QString::number(report.head.width);
    if (report.head.width != lines.width)
        width += QCoreApplication::translate("ReportTool", " (the file says %1)").arg(lines.width);
    using Align = TextTable::Align;
    TextTable head({Align::Left, Align::Left});
    head.addRow({QCoreApplication::translate("ReportTool", "Description:"), report.head.description});
    head.addRow({QCoreApplication::translate("ReportTool", "Type:"),
                 WordOrLine(report.head.type, lines.typeLine, QCoreApplication::translate("ReportTool", "not a report type"))});
    head.addRow({QCoreApplication::translate("ReportTool", "Category:"),
                 WordOrLine(report.head.category, lines.categoryLine, QCoreApplication::translate("ReportTool", "not a category"))});
    head.addRow({QCoreApplication::translate("ReportTool", "Printable width:"), width});
    head.addRow({QCoreApplication::translate("ReportTool", "Detail level:"),
                 report.head.detailLevel ? QCoreApplication::translate("ReportTool", "Yes, use Detail Level") : QCoreApplication::translate("ReportTool", "No")});
    head.addRow({QCoreApplication::translate("ReportTool", "Fields:"), QString::number(report.fields.size())});
    Write(streams.out, head.text());
    if (report.fields.empty())
        return Passed;
    TextTable fields({Align::Right, Align::Left, Align::Left, Align::Right, Align::Right, Align::Right, Align::Left,
                      Align::Left, Align::Left});
    QStringList headings;
    for (const char* heading : {QT_TRANSLATE_NOOP("ReportTool", "Order"), QT_TRANSLATE_NOOP("ReportTool", "Field"),
                                QT_TRANSLATE_NOOP("ReportTool", "Header"), QT_TRANSLATE_NOOP("ReportTool", "Line"),
                                QT_TRANSLATE_NOOP("ReportTool", "Start"), QT_TRANSLATE_NOOP("ReportTool", "End"),
                                QT_TRANSLATE_NOOP("ReportTool", "Leaders"), QT_TRANSLATE_NOOP("ReportTool", "Trailers"),
                                QT_TRANSLATE_NOOP("ReportTool", "Summaries")})
        headings << QCoreApplication::translate("ReportTool", heading);
    fields.addRow(headings);
    for (const store::FieldRow& row : design::InReportOrder(report.fields))
        fields.addRow({QString::number(row.order), row.field, row.header, Number(row.line), Number(row.lposition),
                       Number(row.rposition), YesOrEmpty(row.leaders), YesOrEmpty(row.trailers), Summaries(row)});
    Write(streams.out, u'\n' + fields.text());
    return Passed;
}

namespace {

// A name of the alias directory as the check shows it, in UTF-8. The usual name,
// printable ASCII without a backslash, is one that Visible shows as it stands:
// it is taken as it is, as bytes, for the check shows 10,000 names.
std::string ShownName(const char* fileName)
{
    const std::string_view name(fileName);
    if (std::all_of(name.begin(), name.end(), [](char c) { return c >= ' ' && c < 0x7F && c != '\\'; }))
        return std::string(name);
    return Visible(base::FileNameText(fileName)).toStdString();
}

// A report's line of the check, written as bytes: shown is in UTF-8.
void WriteCheckLine(std::FILE* stream, std::string_view shown, const QString& failure)
{
    std::string line(shown);
    line += ": ";
    line += failure.isEmpty() ? std::string("OK") : failure.toStdString();
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stream);
}

} // namespace

int CheckCommand(const QStringList& files, const Streams& streams)
{
    int status = Passed;
    // shown: the name as the command line gave it, or as the directory holds it, shown visibly.
    const auto check = [&](std::string_view shown, const auto& source) {
        try {
            const QString failure = rules::CheckReportColumns(ReadReportDefinition(source));
            WriteCheckLine(streams.out, shown, failure);
            if (!failure.isEmpty())
                status = std::max<int>(status, Failed);
        } catch (const base::Error& e) {
            Complain(streams, e);
            status = Trouble;
        }
    };
    if (!files.isEmpty()) {
        for (const QString& file : files) {
            const NamedFile named = ReportPath(file);
            check(Visible(named.name).toStdString(), named.path);
        }
        return status;
    }
    const QString directory = AliasDirectory();
    bool any = false;
    store::ForEachReportFile(directory, [&](const store::DirectoryEntry& entry) {
        any = true;
        check(ShownName(entry.fileName), entry);
    });
    if (!any)
        Complain(streams, NoReportsMessage(directory));
    return status;
}

} // namespace cli
