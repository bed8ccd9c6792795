#include "ReportReader.h"

#include "Cp1252.h"
#include "EngineError.h"
#include "ReportRecord.h"
#include "Table.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace store {

namespace {

constexpr qsizetype kChunk = 4096;
constexpr char kEndOfInput = 26;

QString ReasonText(int error)
{
    if (error == ENOENT)
        return QStringLiteral("File not found");
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

ReportReader::ReportReader(const QString& path)
    : path_(QFileInfo(path).absoluteFilePath())
{
    fd_ = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw base::EngineError(QStringLiteral("Cannot open report %1: %2").arg(path_, ReasonText(errno)));
}

ReportReader::~ReportReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

// Appends the next piece of the file to buffer_; false when nothing more comes.
bool ReportReader::readMore()
{
    if (ended_)
        return false;
    const qsizetype old = buffer_.size();
    buffer_.resize(old + kChunk);
    ssize_t got;
    do
        got = ::read(fd_, buffer_.data() + old, kChunk);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        const int error = errno;
        buffer_.resize(old);
        ended_ = true;
        throw base::EngineError(QStringLiteral("Cannot read report %1: %2").arg(path_, ReasonText(error)));
    }
    buffer_.resize(old + got);
    if (got == 0)
        ended_ = true;
    return got > 0;
}

QString ReportReader::nextLine()
{
    buffer_.remove(0, pos_);
    pos_ = 0;
    qsizetype scanned = 0;
    for (;;) {
        const auto begin = buffer_.cbegin();
        const auto stop = std::find_if(begin + scanned, buffer_.cend(),
                                       [](char c) { return c == '\r' || c == kEndOfInput; });
        const qsizetype at = stop - begin;
        if (stop == buffer_.cend()) {
            scanned = at;
            if (readMore())
                continue;
            pos_ = buffer_.size();
            return DecodeCp1252(buffer_.left(at));
        }
        const QString line = DecodeCp1252(buffer_.left(at));
        if (*stop == kEndOfInput) {
            ended_ = true;
            buffer_.clear();
            return line;
        }
        pos_ = at + 1;
        if (pos_ == buffer_.size())
            readMore();
        if (pos_ < buffer_.size() && buffer_[pos_] == '\n')
            ++pos_;
        return line;
    }
}

bool MatchesWord(const QString& line, QLatin1StringView upperWord)
{
    return line.toUpper() == upperWord;
}

bool DotFlag(const QString& line)
{
    return !line.isEmpty();
}

void ReadFieldRecord(ReportReader& reader, Table& table)
{
    for (const RecordLine& recordLine : kRecordLines) {
        const QString line = reader.nextLine();
        Field field = table.FieldByName(QString::fromLatin1(recordLine.column));
        if (recordLine.kind == RecordLineKind::Dots)
            field.SetAsBoolean(DotFlag(line));
        else
            field.SetAsString(line);
    }
}

ReportHeadLines ReadReportHeadLines(const QString& path)
{
    ReportReader reader(path);
    ReportHeadLines lines;
    lines.description = reader.nextLine();
    lines.typeWord = reader.nextLine();
    return lines;
}

} // namespace store
