#include "store/report/ReportWriter.h"

#include "base/AtomicFile.h"
#include "base/EngineError.h"
#include "store/report/CaseTwin.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportRecord.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <vector>

namespace store {

namespace {

class LineSink {
public:
    explicit LineSink(QString path) : path_(std::move(path)) {}

    void add(const QString& line)
    {
        const std::optional<QByteArray> bytes = EncodeCp1252(line);
        if (!bytes)
            throw base::FileError(
                QCoreApplication::translate(
                    "ReportFile",
                    "Cannot write report %1: the text \"%2\" holds a character that a report file cannot hold")
                    .arg(path_, line));
        bytes_ += *bytes;
        bytes_ += "\r\n";
    }
    void add(int number) { add(QString::number(number)); }

    const QByteArray& bytes() const { return bytes_; }

private:
    QString path_;
    QByteArray bytes_;
};

QString NumberLine(const std::optional<int>& number)
{
    return number ? QString::number(*number) : QString();
}

QString DotLine(bool set)
{
    return set ? QString::fromLatin1(kDotLine) : QString();
}

QString FlagLine(const std::optional<bool>& flag)
{
    return flag.value_or(false) ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// The whole file: the header, the row count, then one record per row, its
// lines in the order of kRecordLines.
QByteArray Render(const QString& path, const ReportHeader& header, const std::vector<FieldRow>& rows)
{
    LineSink sink(path);
    sink.add(header.description);
    sink.add(header.typeWord);
    sink.add(header.categoryWord);
    sink.add(header.width);
    sink.add(int(rows.size()));
    for (const FieldRow& row : rows) {
        for (const QString& line : {NumberLine(row.dbType), DotLine(row.leaders), DotLine(row.trailers), row.header,
                                    row.field, NumberLine(row.line), NumberLine(row.lposition),
                                    NumberLine(row.rposition), FlagLine(row.total), FlagLine(row.count),
                                    FlagLine(row.average), FlagLine(row.minValue), FlagLine(row.maxValue)})
            sink.add(line);
    }
    return sink.bytes();
}

} // namespace

bool SettleChanges(const QString& path, std::optional<ReportVersion>& known, const ReplaceQuestion& ask)
{
    for (;;) {
        const ReportChange change = ChangeSince(path, known);
        if (change.kind == ReportChange::Kind::None)
            return true;
        if (!ask(change))
            return false;
        known = change.now;
    }
}

namespace {

// A new report whose name someone else took meanwhile in other letter case is not written beside theirs.
void RefuseCaseTwin(const QString& target)
{
    if (const std::optional<QString> twin = CaseTwinOf(target))
        //: %1: the new report's path; %2: the other file's path
        throw base::EngineError(
            QCoreApplication::translate("ReportFile", "Cannot write report %1: another program or user has saved "
                                                      "%2 meanwhile, which counts as the same name. Nothing was "
                                                      "written: save the report under another name.")
                .arg(target, *twin));
}

} // namespace

std::optional<ReportVersion> WriteReportFile(const QString& path, const ReportHeader& header,
                                             const std::vector<FieldRow>& rows, const SaveGuard& guard)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const QByteArray bytes = Render(target, header, rows);
    std::optional<ReportVersion> known = guard.known;
    const auto lastLook = [&] {
        if (!SettleChanges(target, known, guard.ask))
            return base::Placing::Abandon;
        if (!known)
            RefuseCaseTwin(target);
        return known ? base::Placing::Replace : base::Placing::OnlyNew;
    };
    // What a replacement displaced is the version the last look let be replaced.
    const auto displacedCheck = [&](const QString& displaced) {
        return ChangeSince(displaced, known).kind == ReportChange::Kind::None;
    };
    //: The kind of file, in "Cannot write %1 %2: %3"
    if (!base::WriteFileAtomically(target, bytes, QCoreApplication::translate("ReportFile", "report"),
                                   guard.ask ? base::LastLook(lastLook) : base::LastLook(),
                                   guard.ask ? base::DisplacedCheck(displacedCheck) : base::DisplacedCheck()))
        return std::nullopt;
    return VersionOfBytes(bytes);
}

} // namespace store
