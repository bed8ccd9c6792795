#include "design/ReportSession.h"

#include "store/report/ReportReader.h"

namespace design {

ReportSession::ReportSession(store::Session& session, QObject* parent)
    : QObject(parent), rows_(session, QString(), ReportDesign::Hold::Exclusive)
{
    connect(&rows_, &ReportDesign::changed, this, &ReportSession::rowsChanged);
}

ReportSession::~ReportSession() = default;

void ReportSession::setAlias(const QString& alias)
{
    rows_.setAlias(alias);
}

Report ReportSession::report(const ReportHead& head)
{
    return Report{head, rows_.rowsInReportOrder()};
}

void ReportSession::setHead(const ReportHead& head)
{
    if (head == head_)
        return;
    head_ = head;
    emit headChanged();
}

std::vector<store::FieldRow> ReportSession::load(store::ReportReader& reader, const QString& path, int count,
                                                 const std::function<void(const store::FieldRow&)>& seen)
{
    know(std::nullopt);
    store::FieldRecords records(reader, count);
    std::vector<store::FieldRow> rows = rows_.load(records, path, seen);
    know(std::pair(path, reader.version()));
    return rows;
}

void ReportSession::forgetFile()
{
    know(std::nullopt);
}

std::optional<store::ReportVersion> ReportSession::knownAt(const QString& path) const
{
    if (file_ && file_->first == path)
        return file_->second;
    return std::nullopt;
}

bool ReportSession::save(const QString& path, const ReportHead& head, const store::SaveGuard& guard)
{
    // The working table on disk holds what the report is written from.
    rows_.flush();
    const std::optional<store::ReportVersion> written = SaveReport(path, report(head), guard);
    if (!written)
        return false;
    know(std::pair(path, *written));
    return true;
}

void ReportSession::know(std::optional<std::pair<QString, store::ReportVersion>> file)
{
    if (file == file_)
        return;
    file_ = std::move(file);
    emit fileChanged();
}

} // namespace design
