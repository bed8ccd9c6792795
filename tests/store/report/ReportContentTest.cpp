// A report read into plain values by loading's rules.
#include "store/report/ReportContent.h"

#include "base/EngineError.h"
#include "base/TextNumbers.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportReader.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Lines(const QStringList& lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

QStringList Record(const QString& field, const QString& line, const QString& total = QStringLiteral("FALSE"))
{
    return {"0", "", "", "Header", field, line, "1", "10", total, "FALSE", "FALSE", "FALSE", "FALSE"};
}

} // namespace

TEST(ReportContent, ReadsValuesAsTheWorkingTableStoresThem)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.rpt");
    const QString longHeader(60, u'h');
    WriteBytes(path, Lines(QStringList{"Desc", "calendar", "Note", "$4B", "2"}
                           + QStringList{"1", ".", "", longHeader, "EventDate", "", " 3", "-2", "t", "F", "", "TRUE",
                                         "fa"}
                           + Record("Memo", "2") + QStringList{"ignored after the last record"}));
    const store::ReportContent report = store::ReadReport(path);
    EXPECT_EQ(report.description, "Desc");
    EXPECT_EQ(report.typeLine, "calendar");
    EXPECT_EQ(report.categoryLine, "Note");
    EXPECT_EQ(report.width, 75);
    ASSERT_EQ(report.fields.size(), 2u);
    const store::FieldRow& first = report.fields[0];
    EXPECT_EQ(first.order, 1);
    EXPECT_EQ(first.dbType, 1);
    EXPECT_TRUE(first.leaders);
    EXPECT_FALSE(first.trailers);
    EXPECT_EQ(first.header, longHeader.left(50));
    EXPECT_EQ(first.field, "EventDate");
    EXPECT_EQ(first.line, std::nullopt);
    EXPECT_EQ(first.lposition, 3);
    EXPECT_EQ(first.rposition, -2);
    EXPECT_EQ(first.total, true);
    EXPECT_EQ(first.count, false);
    EXPECT_EQ(first.average, std::nullopt);
    EXPECT_EQ(first.minValue, true);
    EXPECT_EQ(first.maxValue, false);
    EXPECT_EQ(report.fields[1].order, 2);
    EXPECT_EQ(report.fields[1].line, 2);
}

TEST(ReportContent, RefusesWhatLoadingRefusesWithItsMessages)
{
    struct Case {
        QStringList records;
        int count;
        const char* message;
    };
    const Case cases[] = {
        {Record("Company", "2a"), 1, "'2a' is not a valid integer value for field 'Line'\n\nThis is in field record 1"},
        {Record("A", "1") + Record("B", "1", "yes"), 2, "'yes' is not a valid boolean value for field 'Total'\n\n"
                                                        "This is in field record 2"},
        {Record("A", "1") + Record("A", "2"), 2, "Key violation.\n\nThis is in field record 2"},
        {Record("A", "1"), 2, "Field 'Field' must have a value\n\nThis is in field record 2"},
        {Record("A", "$FFFFFFFF"), 1, "'$FFFFFFFF' is not a valid integer value for field 'Line'\n\n"
                                      "This is in field record 1"},
        {Record("A", "-$80000001"), 1, "'-$80000001' is not a valid integer value for field 'Line'\n\n"
                                       "This is in field record 1"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("r.rpt");
    for (const Case& c : cases) {
        WriteBytes(path, Lines(QStringList{"D", "Contact", "Contact", "75", QString::number(c.count)} + c.records));
        QString error;
        try {
            store::ReadReport(path);
        } catch (const base::EngineError& e) {
            error = e.text();
        }
        EXPECT_EQ(error, QString::fromLatin1(c.message) + QStringLiteral(" of the report %1.").arg(path));
    }
}

// Repeated Fields are found wherever they stand among many, in the table of
// open addressing that finds them: as many distinct names as a report can hold
// are all taken, however their hashes fall, and a repeat at the end, of the
// first or of a name that differs only in its last byte, is refused there; a
// Field is kept to its first 50 bytes, so names alike in those are one.
TEST(ReportContent, FindsARepeatedFieldAmongMany)
{
    const int last = store::MaxFieldRecords;
    QStringList names;
    for (int i = 1; i < last; ++i)
        names << QStringLiteral("Field%1").arg(i);
    const QString longName(50, u'n');
    struct Case {
        QString lastName;
        bool refused;
    };
    const Case cases[] = {
        {QStringLiteral("Field1"), true},       {QStringLiteral("Field513"), true},
        {QStringLiteral("Field514"), false},    {QStringLiteral("Field51"), true},
        {QStringLiteral("field1"), false},      {QStringLiteral("Field1 "), false},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("r.rpt");
    for (const Case& c : cases) {
        QStringList records;
        for (const QString& name : names)
            records += Record(name, QStringLiteral("1"));
        records += Record(c.lastName, QStringLiteral("1"));
        WriteBytes(path, Lines(QStringList{"D", "Contact", "Contact", "75", QString::number(last)} + records));
        QString error;
        try {
            EXPECT_EQ(store::ReadReport(path).fields.back().field, c.lastName);
        } catch (const base::EngineError& e) {
            error = e.text();
        }
        EXPECT_EQ(error, c.refused ? QStringLiteral("Key violation.\n\nThis is in field record %1 of the report %2.")
                                         .arg(last).arg(path)
                                   : QString())
            << c.lastName.toStdString();
    }
    WriteBytes(path, Lines(QStringList{"D", "Contact", "Contact", "75", "2"} + Record(longName + "a", "1")
                           + Record(longName + "b", "1")));
    EXPECT_THROW(store::ReadReport(path), base::EngineError);
}

// Header and Field come as their bytes say, read after reports whose texts
// were alike: names equal in their first and last eight bytes stay apart, as
// Fields and as texts, and a header is its own text or its field's.
TEST(ReportContent, TextsAlikeAtTheirEndsStayApartFromReportToReport)
{
    const QString x = QStringLiteral("AAAAAAAAxBBBBBBBB");
    const QString y = QStringLiteral("AAAAAAAAyBBBBBBBB");
    const QString cafe = QStringLiteral("Caf\u00e9");
    const QList<std::pair<QString, QString>> reports[] = {
        {{x, y}, {y, y}, {cafe, QStringLiteral("Cafe")}},
        {{y, x}, {x, x}, {QStringLiteral("Cafe"), cafe}},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("r.rpt");
    for (const auto& fields : reports) {
        QStringList lines{"D", "Contact", "Contact", "75", QString::number(fields.size())};
        for (const auto& [field, header] : fields)
            lines += QStringList{"0", "", "", header, field, "1", "1", "10", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"};
        WriteBytes(path, *store::EncodeCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        const store::ReportContent report = store::ReadReport(path);
        ASSERT_EQ(report.fields.size(), std::size_t(fields.size()));
        for (qsizetype i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(report.fields[std::size_t(i)].field, fields[i].first);
            EXPECT_EQ(report.fields[std::size_t(i)].header, fields[i].second);
        }
    }
}

// A count larger than any report can hold is refused at line 5, before a record
// is read; a report of as many records as it can hold is read.
TEST(ReportContent, RefusesACountNoReportCanHoldBeforeAnyRecord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.rpt");
    QStringList records;
    for (int i = 0; i < store::MaxFieldRecords; ++i)
        records += Record(QStringLiteral("F%1").arg(i), QStringLiteral("1"));
    const auto write = [&](const QString& count) {
        WriteBytes(path, Lines(QStringList{"D", "Contact", "Contact", "75", count} + records));
    };
    write(QString::number(store::MaxFieldRecords));
    EXPECT_EQ(store::ReadReport(path).fields.size(), std::size_t(store::MaxFieldRecords));
    for (const QString count : {"515", "1000000", "$7FFFFFFF"}) {
        write(count);
        QString error;
        try {
            store::ReadReport(path);
        } catch (const base::FileError& e) {
            error = e.text();
        }
        EXPECT_EQ(error, QStringLiteral("Line 5 of report %1 gives %2 field records, more than the 514 that any "
                                        "report can hold; the file cannot be loaded.")
                             .arg(path, QString::number(base::StrToIntOrZero(count))));
    }
}
