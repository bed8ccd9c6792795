#pragma once

#include <QByteArray>
#include <QString>
#include <array>

namespace store {

class Table;

// A file as a directory listing finds it: an entry of a directory held open.
struct DirectoryEntry {
    int directoryFd = -1;           // the open directory
    const char* fileName = nullptr; // the entry's name in the file system's bytes
    QString directory;              // for messages: the directory's path
    QString name;                   // and the entry's name
};

// Reads a report definition file line by line, by the host's rules: a line
// runs to the next carriage return, and a line feed directly after it is
// skipped; a line feed on its own belongs to the line; byte 26 ends the input;
// past the end every line is empty. Lines of any length are read whole and
// decoded from Windows-1252. The file is read in small pieces as lines are
// asked for, so reading the first lines of a large file reads little of it.
class ReportReader {
public:
    // Opens the file; throws base::EngineError naming it when it cannot be opened.
    explicit ReportReader(const QString& path);
    // Opens an entry of a directory held open, without looking up the path again.
    explicit ReportReader(const DirectoryEntry& entry);
    ~ReportReader();
    ReportReader(const ReportReader&) = delete;
    ReportReader& operator=(const ReportReader&) = delete;

    // The next line; throws base::EngineError when the file cannot be read.
    QString nextLine();

private:
    void open(int directoryFd, const char* fileName);
    bool readMore();
    QString absolutePath() const;

    QString directory_; // empty: path_ is taken against the current directory
    QString path_;
    int fd_ = -1;
    // The piece of the file read last; a line that runs past its end is carried in partial_.
    std::array<char, 4096> chunk_;
    qsizetype begin_ = 0;  // first byte of chunk_ not yet consumed
    qsizetype end_ = 0;    // end of the bytes in chunk_
    QByteArray partial_;
    bool ended_ = false;   // end of file or byte 26 reached: no more bytes come
};

// Lines 2 and 3 name words in any letter case: true when line, in capitals, is upperWord.
bool MatchesWord(const QString& line, QLatin1StringView upperWord);

// A dot line sets its flag whenever it holds anything.
bool DotFlag(const QString& line);

// Reads the next thirteen lines as one field record into the current row of
// table, which the caller has put into insert or edit state: numbers and flags
// through the column's own text conversion (so refused text ends the record with
// the engine's message), Header and Field as text, the dot lines by DotFlag.
void ReadFieldRecord(ReportReader& reader, Table& table);

// The first two lines of a report, for the report listing.
struct ReportHeadLines {
    QString description;
    QString typeWord;
};
// Reads only as much of the file as those two lines take; throws as ReportReader does.
ReportHeadLines ReadReportHeadLines(const QString& path);
ReportHeadLines ReadReportHeadLines(const DirectoryEntry& entry);

} // namespace store
