#include "store/report/ReportWriter.h"

#include "base/AtomicFile.h"
#include "base/EngineError.h"
#include "base/Error.h"
#include "store/report/CaseTwin.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportRecord.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <charconv>
#include <iterator>
#include <vector>

namespace store {

namespace {

// The file's bytes, assembled in one buffer: each line in Windows-1252 ending in CR LF.
class LineSink {
public:
    LineSink(QString path, std::size_t rows) : path_(std::move(path))
    {
        // About as much as a usual record takes, so the buffer seldom grows.
        bytes_.reserve(qsizetype(128 + rows * 96));
    }

    void text(QStringView line)
    {
        if (!AppendCp1252(bytes_, line))
            throw base::FileError(
                QCoreApplication::translate(
                    "ReportFile",
                    "Cannot write report %1: the text \"%2\" holds a character that a report file cannot hold")
                    .arg(path_, line.toString()));
        end();
    }
    void number(const std::optional<int>& number)
    {
        if (number) {
            char digits[12];
            const char* last = std::to_chars(std::begin(digits), std::end(digits), *number).ptr;
            bytes_.append(digits, last - digits);
        }
        end();
    }
    void literal(QByteArrayView bytes)
    {
        bytes_ += bytes;
        end();
    }

    // A line of a field record as its kind writes the member that holds it.
    void recordLine(const FieldRow& row, const RecordLine& line)
    {
        switch (line.kind) {
        case RecordLineKind::Number:
            return number(row.*std::get<std::optional<int> FieldRow::*>(line.member));
        case RecordLineKind::Dots:
            return literal(row.*std::get<bool FieldRow::*>(line.member) ? QByteArrayView(kDotLine) : QByteArrayView());
        case RecordLineKind::Text:
            return text(row.*std::get<QString FieldRow::*>(line.member));
        case RecordLineKind::Flag:
            // A flag without a value is written as not set.
            return literal((row.*std::get<std::optional<bool> FieldRow::*>(line.member)).value_or(false)
                               ? QByteArrayView("TRUE")
                               : QByteArrayView("FALSE"));
        }
    }

    QByteArray take() { return std::move(bytes_); }

private:
    void end() { bytes_ += "\r\n"; }

    QString path_;
    QByteArray bytes_;
};

// The whole file: the head, the row count, then one record per row, its
// lines as kRecordLines describes them.
QByteArray Render(const QString& path, const ReportHead& head, const std::vector<FieldRow>& rows)
{
    LineSink sink(path, rows.size());
    sink.text(head.description);
    sink.text(head.typeLine);
    sink.text(head.categoryLine);
    sink.number(head.width);
    sink.number(int(rows.size()));
    for (const FieldRow& row : rows)
        for (const RecordLine& line : kRecordLines)
            sink.recordLine(row, line);
    return sink.take();
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

std::optional<ReportVersion> WriteReportFile(const QString& path, const ReportHead& head,
                                             const std::vector<FieldRow>& rows, const SaveGuard& guard)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const QByteArray bytes = Render(target, head, rows);
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
