#include "store/report/ReportWriter.h"

#include "base/AtomicFile.h"
#include "base/EngineError.h"
#include "store/engine/Table.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportRecord.h"

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
                QStringLiteral("Cannot write report %1: the text \"%2\" holds a character that a report file cannot hold")
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

QString RecordLineText(const Field& field, RecordLineKind kind)
{
    switch (kind) {
    case RecordLineKind::Number:
        return field.IsNull() ? QString() : QString::number(field.AsInteger());
    case RecordLineKind::Dots:
        return field.AsBoolean() ? QString::fromLatin1(kDotLine) : QString();
    case RecordLineKind::Text:
        return field.AsString();
    case RecordLineKind::Flag:
        return field.AsBoolean() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    }
    return QString();
}

// The whole file: the header, the row count, then one record per row.
QByteArray Render(const QString& path, const ReportHeader& header, Table& table)
{
    // Choosing the index posts a pending edit, so the count covers every row written.
    table.SetIndexName(QStringLiteral("iOrder"));
    std::vector<Field> fields;
    for (const RecordLine& line : kRecordLines)
        fields.push_back(table.FieldByName(QString::fromLatin1(line.column)));

    LineSink sink(path);
    sink.add(header.description);
    sink.add(header.typeWord);
    sink.add(header.categoryWord);
    sink.add(header.width);
    sink.add(table.RecordCount());
    for (table.First(); !table.Eof(); table.Next())
        for (std::size_t i = 0; i < kRecordLines.size(); ++i)
            sink.add(RecordLineText(fields[i], kRecordLines[i].kind));
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

std::optional<ReportVersion> WriteReportFile(const QString& path, const ReportHeader& header, Table& table,
                                             const SaveGuard& guard)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const QByteArray bytes = Render(target, header, table);
    std::optional<ReportVersion> known = guard.known;
    const auto lastLook = [&] {
        if (!SettleChanges(target, known, guard.ask))
            return base::Placing::Abandon;
        return known ? base::Placing::Replace : base::Placing::OnlyNew;
    };
    if (!base::WriteFileAtomically(target, bytes, QStringLiteral("report"),
                                   guard.ask ? base::LastLook(lastLook) : base::LastLook()))
        return std::nullopt;
    return VersionOfBytes(bytes);
}

} // namespace store
