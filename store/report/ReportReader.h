#pragma once

#include "store/report/ReportVersion.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>
#include <array>
#include <bit>
#include <cstring>
#include <optional>

namespace store {

class Table;

// A file as a directory listing finds it: an entry of a directory held open.
struct DirectoryEntry {
    int directoryFd = -1;           // the open directory
    const char* fileName = nullptr; // the entry's name in the file system's bytes
    QString directory;              // for messages: the directory's path
};

// Reads a report definition file line by line: a line runs to the next
// carriage return or line feed, and a line feed directly after a carriage
// return is skipped, so CR LF, a bare CR and a bare LF each end one line; byte
// 26 ends the input; past the end every line is empty. Lines are decoded from Windows-1252. The
// file is read in small pieces as lines are asked for, so reading the first
// lines of a large file reads little of it, and no line takes more memory than
// the reader's bound.
class ReportReader {
public:
    // What becomes of a line longer than bytes: refused with an error naming the
    // file and the line, or cut to its first bytes (the rest is read and dropped).
    // fileBytes, when not 0, is the most read of the whole file: past it the input ends.
    struct LineBound {
        qsizetype bytes;
        bool refuse;
        qsizetype fileBytes;
    };
    // Loading refuses a line no report can have. The listing keeps the start of
    // each line, as much as its grid shows, and reads no further than the start
    // of a second line after the longest first line that loading accepts: a
    // report is listed with its type whatever the length of its description.
    static constexpr LineBound Loading{64 * 1024, true, 0};
    static constexpr LineBound Listing{1024, false, Loading.bytes + 2 + 1024 + 2};

    // Opens the file; throws base::EngineError naming it when it cannot be opened
    // or is not a regular file (a pipe or a device is refused without waiting on it).
    // The bytes read are hashed as they come, for version().
    explicit ReportReader(const QString& path, LineBound bound = Loading);
    // Opens an entry of a directory held open, without looking up the path again;
    // the entry's name is kept for messages, so it outlives the reader.
    // The listing found it a file (or a link to one), so its kind is not asked
    // again: what is swapped in since is read no further than the bound allows,
    // and opening does not wait on a pipe.
    explicit ReportReader(const DirectoryEntry& entry, LineBound bound = Listing);
    ~ReportReader();
    ReportReader(const ReportReader&) = delete;
    ReportReader& operator=(const ReportReader&) = delete;

    // The next line; throws base::EngineError when the file cannot be read or a
    // refused line is too long.
    QString nextLine();
    // The same line as its bytes, before decoding; they are valid until the next call.
    QByteArrayView nextLineBytes();

    // Byte 26 ends the input.
    static constexpr char EndOfInput = 26;

    // The file's whole path, for messages.
    QString absolutePath() const;

    // The whole file, as it was when opened: what was read so far and the rest,
    // which is read now. Only for a reader opened by path; once asked, no more
    // lines are read.
    ReportVersion version();

private:
    // The first byte from begin on below 27, as every byte that ends a line or
    // the input is; at the latest the stop byte after the bytes read.
    static const char* controlStop(const char* begin);
    // The first byte from begin on that ends a line or the input; at the latest
    // the stop byte after the bytes read.
    static const char* lineStop(const char* begin);
    // The next line when it is not wholly within the piece read, or is too long, or ends the input.
    QByteArrayView lineAcrossPieces();
    void open(int directoryFd, const char* fileName, bool requireRegular);
    bool readMore();
    // The piece holds bytes bytes from its start, and the stop bytes follow them.
    void setPiece(qsizetype bytes);
    void keep(const char* begin, qsizetype length);

    QString directory_; // empty: path_ is taken against the current directory
    QString path_;      // opened by path
    const char* entryName_ = nullptr; // opened as an entry of directory_
    LineBound bound_;
    int lineNumber_ = 0;
    int fd_ = -1;
    // The piece of the file read last; a line that runs past its end is carried in partial_.
    // The StopBytes bytes after the piece are byte 26, never taken for the file's:
    // the search for a line's end reads a word at a time and stops there at the latest.
    static constexpr qsizetype PieceBytes = 4096;
    static constexpr qsizetype StopBytes = 8;
    std::array<char, PieceBytes + StopBytes> chunk_;
    qsizetype begin_ = 0;  // first byte of chunk_ not yet consumed
    qsizetype end_ = 0;    // end of the bytes in chunk_
    QByteArray partial_;
    qsizetype read_ = 0;   // bytes read of the file
    qint64 size_ = 0;      // of the file when it was opened by path
    std::optional<QCryptographicHash> hash_; // of the bytes read, when opened by path
    bool ended_ = false;   // end of file, byte 26 or the bound reached: no more bytes come
};

inline const char* ReportReader::controlStop(const char* begin)
{
    // Eight bytes at a time: the lowest byte that the test marks is always one below 27.
    using Word = quint64;
    static_assert(sizeof(Word) == StopBytes);
    constexpr Word ones = 0x0101010101010101ULL;
    for (;; begin += sizeof(Word)) {
        Word word;
        std::memcpy(&word, begin, sizeof word);
        if (const Word below = (word - ones * (EndOfInput + 1)) & ~word & (ones * 0x80)) {
            if constexpr (std::endian::native == std::endian::little)
                return begin + std::countr_zero(below) / 8;
            else
                return begin + std::countl_zero(below) / 8;
        }
    }
}

// The usual line holds no control character and ends in a line feed or a
// carriage return and line feed within the piece read: it is seen where it was
// read. The stop bytes after the piece are no line feed, so a line feed seen is
// the file's.
inline QByteArrayView ReportReader::nextLineBytes()
{
    const char* begin = chunk_.data() + begin_;
    const char* stop = controlStop(begin);
    const int ending = std::memcmp(stop, "\r\n", 2) == 0 ? 2 : *stop == '\n' ? 1 : 0;
    if (ending == 0 || stop - begin > bound_.bytes)
        return lineAcrossPieces();
    ++lineNumber_;
    begin_ = stop + ending - chunk_.data();
    return QByteArrayView(begin, stop - begin);
}

// Lines 2 and 3 name words in any letter case: true when line, in capitals, is upperWord.
bool MatchesWord(const QString& line, QLatin1StringView upperWord);

// A dot line sets its flag whenever it holds anything.
inline bool DotFlag(QByteArrayView line)
{
    return !line.isEmpty();
}

// Reads the next thirteen lines as one field record into the current row of
// table, which the caller has put into insert or edit state: numbers and flags
// through the column's own text conversion (so refused text ends the record with
// the engine's message), Header and Field as text, the dot lines by DotFlag.
void ReadFieldRecord(ReportReader& reader, Table& table);

// The first two lines of a report, for the report listing, and when asked the
// number of field records that line 5 gives (0 when it holds none).
struct ReportHeadLines {
    QString description;
    QString typeWord;
    int fieldCount = 0;
};
// Reads only as much of the file as those lines take; throws as ReportReader does.
ReportHeadLines ReadReportHeadLines(const QString& path);
ReportHeadLines ReadReportHeadLines(const DirectoryEntry& entry, bool withFieldCount = false);

} // namespace store
