#pragma once

#include <QByteArray>
#include <QString>

namespace store {

class Table;

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
    ~ReportReader();
    ReportReader(const ReportReader&) = delete;
    ReportReader& operator=(const ReportReader&) = delete;

    // The next line; throws base::EngineError when the file cannot be read.
    QString nextLine();

private:
    bool readMore();

    QString path_;
    int fd_ = -1;
    QByteArray buffer_;
    qsizetype pos_ = 0;    // first byte of buffer_ not yet consumed
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

} // namespace store
