#pragma once

#include "base/EngineError.h"
#include "store/report/ReportContent.h"
#include "store/report/ReportVersion.h"

#include <sys/stat.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace store {

// A file as a directory listing finds it: an entry of a directory held open.
struct DirectoryEntry {
    int directoryFd = -1;           // the open directory
    const char* fileName = nullptr; // the entry's name in the file system's bytes
    QString directory;              // for messages: the directory's path
};

// The entry's whole path, for messages.
QString PathOf(const DirectoryEntry& entry);

// Reads a report definition file line by line: a line runs to the next
// carriage return or line feed, and a line feed directly after a carriage
// return is skipped, so CR LF, a bare CR and a bare LF each end one line; byte
// 26 ends the input; past the end every line is empty. Lines are decoded from Windows-1252. The
// file is read in small pieces as lines are asked for, so reading the first
// lines of a large file reads little of it, and no line takes more memory than
// the reader's bound.
class ReportReader {
public:
    // A line longer than bytes is cut to its first bytes: the rest is read and
    // dropped, so a line of any length costs no more memory than the bound, and
    // the next line is read after it.
    struct LineBound {
        qsizetype bytes;
    };
    // Loading keeps 65,536 characters of a line: more than any line a report
    // needs but the description, which is kept whole up to that length (Header
    // and Field keep 50 anyway). The listing keeps the start of each line, as
    // much as its grid shows.
    static constexpr LineBound Loading{64 * 1024};
    static constexpr LineBound Listing{1024};

    // Opens the file; throws base::FileError naming it when it cannot be opened
    // or the opened file is not a regular file (a pipe or a device is refused
    // without waiting on it). The bytes read are hashed as they come, for version().
    explicit ReportReader(const QString& path, LineBound bound = Loading);
    // Opens an entry of a directory held open, without looking up the path again;
    // the entry's name is kept for messages, so it outlives the reader.
    // What is swapped in since the listing found it a file is refused as above.
    explicit ReportReader(const DirectoryEntry& entry, LineBound bound = Listing);
    ~ReportReader();
    ReportReader(const ReportReader&) = delete;
    ReportReader& operator=(const ReportReader&) = delete;

    // The next line; throws base::FileError when the file cannot be read.
    QString nextLine();
    // The same line as its bytes, before decoding; they are valid until the next call.
    QByteArrayView nextLineBytes();

    // Byte 26 ends the input.
    static constexpr char EndOfInput = 26;

    // The file's whole path, for messages.
    QString absolutePath() const;
    // The opened file's status, as it was when opened.
    const struct stat& opened() const { return opened_; }

    // The whole file, as it was when opened: what was read so far and the rest,
    // which is read now. Only for a reader opened by path; once asked, no more
    // lines are read.
    ReportVersion version();

private:
    // The next line when it is not wholly within the piece read, or is too long, or ends the input.
    QByteArrayView lineAcrossPieces();
    void open(int directoryFd, const char* fileName);
    bool readMore();
    // The piece holds bytes bytes from its start, and the stop bytes follow them.
    void setPiece(qsizetype bytes);
    void keep(const char* begin, qsizetype length);

    QString directory_; // empty: path_ is taken against the current directory
    QString path_;      // opened by path
    const char* entryName_ = nullptr; // opened as an entry of directory_
    LineBound bound_;
    int fd_ = -1;
    struct stat opened_ {};
    // The piece of the file read last; a line that runs past its end is carried in partial_.
    // The StopBytes bytes after the piece are byte 26, never taken for the file's:
    // the search for a line's end reads eight bytes at a time and stops there at the latest.
    static constexpr qsizetype PieceBytes = 4096;
    static constexpr qsizetype StopBytes = 8;
    std::array<char, PieceBytes + StopBytes> chunk_;
    qsizetype begin_ = 0;  // first byte of chunk_ not yet consumed
    qsizetype end_ = 0;    // end of the bytes in chunk_
    QByteArray partial_;
    qsizetype read_ = 0;   // bytes read of the file
    qint64 size_ = 0;      // of the file when it was opened by path
    std::optional<QCryptographicHash> hash_; // of the bytes read, when opened by path
    bool ended_ = false;   // end of file or byte 26: no more bytes come
};

// The most field records a report can hold: each names a field the host
// offers, at most once (Field is the working table's key): the contact table's
// fields (a Paradox table has at most 255), the three combination fields,
// CustomID, and the event table's fields (at most 255 again).
inline constexpr int MaxFieldRecords = 255 + 3 + 1 + 255;

// Reads lines 1 to 5.
ReportHead ReadReportHead(ReportReader& reader);

// The number of field records that line 5 gives as loading takes it (0 when it
// holds no number); throws base::FileError naming the file when it is more
// than MaxFieldRecords, so a report is refused before any of its records is read.
int FieldCountOf(const ReportHead& head, const ReportReader& reader);

// Reads the field records that follow line 5, one at a time, by loading's
// rules: numbers and flags as the working table's columns convert text (an
// empty line is no value), Header and Field as the table keeps them, the dot
// lines set whenever they hold anything. A record is refused as the working
// table would refuse its row: a text its column does not take, an empty Field,
// or the Field of an earlier record (Field is the table's key).
class FieldRecords {
public:
    // count as FieldCountOf gives it: at most MaxFieldRecords are read.
    FieldRecords(ReportReader& reader, int count);

    // Reads the next record into row, its order its place in the file from 1;
    // false after the last. A refused record throws FieldRecordError.
    bool next(FieldRow& row);

private:
    ReportReader& reader_;
    int count_;
    int read_ = 0;
    // Whether field, a record's Field in the file's bytes (hash its hash), is
    // the Field of a record read before; if not, it is kept.
    bool repeated(std::string_view field, std::uint64_t hash);

    // The Fields of the records read, in the file's bytes: the n-th in the
    // 50 bytes of names_ from n * 50 (room for every record is made at the
    // start, not filled), as many as sizes_[n] says.
    static constexpr std::size_t FieldBytes = 50;
    std::unique_ptr<char[]> names_;
    std::vector<std::uint8_t> sizes_;
    // A table of open addressing over the Fields read: each slot 0 or a
    // record's place in sizes_ plus 1; at least twice as many slots as records,
    // so the search for a name ends soon at an empty slot.
    std::vector<std::uint16_t> slots_;
};

// A refused field record's message: the engine's text, a blank line, and where it was.
QString FieldRecordFailure(const QString& text, int record, const QString& path);

// A refused field record, its message FieldRecordFailure's; its two parts, in
// the user's language, for whoever shows them otherwise (on one line).
class FieldRecordError : public base::EngineError
{
public:
    FieldRecordError(const QString& text, int record, const QString& path);
    const QString& sentence() const { return sentence_; } // the engine's text
    const QString& place() const { return place_; }       // where it was

private:
    QString sentence_;
    QString place_;
};

// Looks at lines 1 to 5 before any record is read; what it throws ends the reading.
using HeadCheck = std::function<void(const ReportHead& head, const ReportReader& reader)>;

// Reads the whole report at path as loading does, into plain values; throws
// as ReportReader, check, FieldCountOf and FieldRecords do.
ReportContent ReadReport(const QString& path, const HeadCheck& check = {});
// The same for an entry of a directory held open, which a listing found a file
// (or a link to one): a pipe or a device swapped in since is refused without
// waiting on it.
ReportContent ReadReport(const DirectoryEntry& entry, const HeadCheck& check = {});

// Lines 1 and 2 of a report, for the report listing, and when asked line 5
// (none when it holds no number); the other lines are left empty. Reads only as
// much of the file as those lines take; throws as ReportReader does. The opened
// file's status goes to opened when asked.
ReportHead ReadReportHeadLines(const DirectoryEntry& entry, bool withFieldCount = false,
                               struct stat* opened = nullptr);

} // namespace store
