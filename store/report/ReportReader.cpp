#include "store/report/ReportReader.h"

#include "base/EngineError.h"
#include "base/Paths.h"
#include "base/TextNumbers.h"
#include "store/engine/Table.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportRecord.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

QString ReasonText(int error)
{
    if (error == ENOENT)
        return QStringLiteral("File not found");
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

ReportReader::ReportReader(const QString& path, LineBound bound)
    : path_(path), bound_(bound), hash_(std::in_place, ReportHashAlgorithm)
{
    setPiece(0);
    open(AT_FDCWD, base::FileNameBytes(path_).constData());
}

ReportReader::ReportReader(const DirectoryEntry& entry, LineBound bound)
    : directory_(entry.directory), entryName_(entry.fileName), bound_(bound)
{
    setPiece(0);
    open(entry.directoryFd, entry.fileName);
}

// A report may be a link to a file; a pipe or a device in its place (swapped in
// after the listing) is refused: opening does not wait for a writer, the kind
// is asked of the file opened, not of its name, and nothing is read from it.
void ReportReader::open(int directoryFd, const char* fileName)
{
    fd_ = ::openat(directoryFd, fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        throw base::EngineError(QStringLiteral("Cannot open report %1: %2").arg(absolutePath(), ReasonText(error)));
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd_); // the constructor throws: no destructor closes it
        fd_ = -1;
        throw base::EngineError(QStringLiteral("Cannot open report %1: it is not a regular file.").arg(absolutePath()));
    }
    size_ = info.st_size;
}

ReportVersion ReportReader::version()
{
    if (!hash_)
        return {};
    return VersionOfRest(fd_, size_, *hash_, read_);
}

ReportReader::~ReportReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

// The messages name the file by its whole path, worked out only when one is needed:
// a listing opens thousands of reports.
QString ReportReader::absolutePath() const
{
    if (entryName_)
        return QFileInfo(QDir(directory_), base::FileNameText(entryName_)).absoluteFilePath();
    return directory_.isEmpty() ? QFileInfo(path_).absoluteFilePath()
                                : QFileInfo(QDir(directory_), path_).absoluteFilePath();
}

const char* ReportReader::lineStop(const char* begin)
{
    for (;; ++begin) {
        begin = controlStop(begin);
        if (*begin == '\r' || *begin == '\n' || *begin == EndOfInput)
            return begin;
    }
}

void ReportReader::setPiece(qsizetype bytes)
{
    begin_ = 0;
    end_ = bytes;
    std::memset(chunk_.data() + bytes, EndOfInput, StopBytes);
}

// Reads the next piece of the file into chunk_; false when nothing more comes.
bool ReportReader::readMore()
{
    setPiece(0);
    if (ended_)
        return false;
    ssize_t got;
    do
        got = ::read(fd_, chunk_.data(), PieceBytes);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        const int error = errno;
        ended_ = true;
        throw base::EngineError(QStringLiteral("Cannot read report %1: %2").arg(absolutePath(), ReasonText(error)));
    }
    setPiece(got);
    read_ += got;
    if (hash_)
        hash_->addData(QByteArrayView(chunk_.data(), got));
    if (got == 0)
        ended_ = true;
    return got > 0;
}

// Adds a piece of the current line to partial_, up to the bound; the rest is dropped.
void ReportReader::keep(const char* begin, qsizetype length)
{
    const qsizetype room = bound_.bytes - partial_.size();
    partial_.append(begin, std::min(length, room));
}

QString ReportReader::nextLine()
{
    return DecodeCp1252(nextLineBytes());
}

QByteArrayView ReportReader::lineAcrossPieces()
{
    if (!partial_.isEmpty())
        partial_.truncate(0); // keeps its room for the next long line
    for (;;) {
        const char* begin = chunk_.data() + begin_;
        const char* end = chunk_.data() + end_;
        const char* stop = lineStop(begin);
        if (stop == end) {
            keep(begin, end - begin);
            if (readMore())
                continue;
            return partial_;
        }
        // A short line within one piece, the usual case, is seen where it was read.
        QByteArrayView line;
        if (partial_.isEmpty() && stop - begin <= bound_.bytes) {
            line = QByteArrayView(begin, stop - begin);
        } else {
            keep(begin, stop - begin);
            line = partial_;
        }
        if (*stop == EndOfInput) {
            // The byte 26 stays where it is and ends every later search there.
            ended_ = true;
            begin_ = end_ = stop - chunk_.data();
            return line;
        }
        begin_ = stop + 1 - chunk_.data();
        if (*stop == '\r') {
            if (begin_ == end_) {
                // The next piece takes the place of this one: the line is kept apart first.
                if (line.data() != partial_.constData())
                    partial_ = line.toByteArray();
                line = partial_;
                readMore();
            }
            if (begin_ < end_ && chunk_[std::size_t(begin_)] == '\n')
                ++begin_;
        }
        return line;
    }
}

bool MatchesWord(const QString& line, QLatin1StringView upperWord)
{
    return line.toUpper() == upperWord;
}

void ReadFieldRecord(ReportReader& reader, Table& table)
{
    for (const RecordLine& recordLine : kRecordLines) {
        const QByteArrayView line = reader.nextLineBytes();
        Field field = table.FieldByName(QString::fromLatin1(recordLine.column));
        if (recordLine.kind == RecordLineKind::Dots)
            field.SetAsBoolean(DotFlag(line));
        else
            field.SetAsString(DecodeCp1252(line));
    }
}

int ReadFieldCount(ReportReader& reader)
{
    const int count = base::StrToIntOrZero(QLatin1StringView(reader.nextLineBytes()));
    if (count > MaxFieldRecords)
        throw base::EngineError(QStringLiteral("Line 5 of report %1 gives %2 field records, more than the %3 "
                                               "that any report can hold; the file cannot be loaded.")
                                    .arg(reader.absolutePath(), QString::number(count),
                                         QString::number(MaxFieldRecords)));
    return count;
}

namespace {

ReportHeadLines HeadLinesOf(ReportReader& reader, bool withFieldCount)
{
    ReportHeadLines lines;
    lines.description = reader.nextLine();
    lines.typeWord = reader.nextLine();
    if (withFieldCount) {
        reader.nextLine(); // the category
        reader.nextLine(); // the printable width
        lines.fieldCount = std::max(0, base::StrToIntOrZero(reader.nextLine()));
    }
    return lines;
}

} // namespace

ReportHeadLines ReadReportHeadLines(const QString& path)
{
    ReportReader reader(path, ReportReader::Listing);
    return HeadLinesOf(reader, false);
}

ReportHeadLines ReadReportHeadLines(const DirectoryEntry& entry, bool withFieldCount)
{
    ReportReader reader(entry);
    return HeadLinesOf(reader, withFieldCount);
}

} // namespace store
