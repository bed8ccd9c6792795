#include "design/ReportDesign.h"
#include "store/report/ReportReader.h"
#include "store/report/ReportWriter.h"

#include "base/EngineError.h"
#include "base/TextNumbers.h"
#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/TempAlias.h"

#include <QDir>
#include <QFileInfo>
#include <QVariant>
#include <gtest/gtest.h>

using store::ReportHead;

namespace {

// The expected report files, written by hand, in tests/data/reports.
QString DataFile(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/reports/") + name;
}

using Row = std::initializer_list<std::pair<const char*, QVariant>>;

class ReportFile : public testing::Test {
protected:
    ReportFile() : table(alias.session())
    {
        store::RecreateWorkingTable(table, QStringLiteral("OMNIV"));
        table.Open();
    }

    // Inserts a row; columns not named stay without a value.
    void insert(Row row)
    {
        table.Insert();
        for (const auto& [column, value] : row) {
            store::Field field = table.FieldByName(QString::fromLatin1(column));
            if (value.typeId() == QMetaType::Bool)
                field.SetAsBoolean(value.toBool());
            else if (value.typeId() == QMetaType::Int)
                field.SetAsInteger(value.toInt());
            else
                field.SetAsString(value.toString());
        }
        table.Post();
    }

    // Fills the empty table from a report file as loading does; returns its header.
    ReportHead load(const QString& path)
    {
        store::ReportReader reader(path);
        const store::ReportHead head = store::ReadReportHead(reader);
        store::FieldRecords records(reader, store::FieldCountOf(head, reader));
        design.load(records, path, [](const store::FieldRow&) {});
        return {head.description, head.typeLine, head.categoryLine, head.width, std::nullopt};
    }

    QByteArray written(const ReportHead& header)
    {
        const QString path = alias.path(QStringLiteral("out.rpt"));
        store::WriteReportFile(path, header, design.rowsInReportOrder());
        return ReadBytes(path);
    }

    TempAlias alias{TempAlias::Content::Empty};
    store::Table table;
    design::ReportDesign design{table};
};

} // namespace

TEST_F(ReportFile, EmptyTableGivesTheFiveHeaderLines)
{
    EXPECT_EQ(written({"Empty report", "Contact", "Contact", 75, std::nullopt}), ReadBytes(DataFile("empty.rpt")));
    EXPECT_EQ(table.IndexName(), QStringLiteral("iOrder"));
}

TEST_F(ReportFile, DotLeadersAndFlags)
{
    insert({{"Field", "EventDate"}, {"Order", 1}, {"DbType", 1}, {"LDots", true}, {"RDots", false},
            {"Header", "When"}, {"Line", 1}, {"LPosition", 0}, {"RPosition", 12}, {"Total", false},
            {"Count", true}, {"Average", false}, {"Min", true}, {"Max", false}});
    EXPECT_EQ(written({"Dated events", "Calendar", "Event", 115, std::nullopt}), ReadBytes(DataFile("dot-leaders.rpt")));
}

TEST_F(ReportFile, ColumnsWithoutValuesGiveEmptyLinesAndFalse)
{
    insert({{"Field", "Company"}, {"Order", 1}});
    EXPECT_EQ(written({"Bare row", "Contact", "Contact", 77, std::nullopt}), ReadBytes(DataFile("null-values.rpt")));
}

TEST_F(ReportFile, DetailLevelReportHasThirtyOneLines)
{
    insert({{"Field", "CustomID"}, {"Order", 1}, {"DbType", 0}, {"LDots", false}, {"RDots", false},
            {"Header", "CustomID"}, {"Line", 1}, {"LPosition", 0}, {"RPosition", 9}, {"Total", false},
            {"Count", false}, {"Average", false}, {"Min", false}, {"Max", false}});
    insert({{"Field", "Company"}, {"Order", 2}, {"DbType", 0}, {"LDots", false}, {"RDots", false},
            {"Header", "Company name"}, {"Line", 1}, {"LPosition", 10}, {"RPosition", 40}, {"Total", false},
            {"Count", true}, {"Average", false}, {"Min", false}, {"Max", false}});
    const QByteArray bytes = written({"Customer list", "Contact", "Contact", 75, std::nullopt});
    EXPECT_EQ(bytes, ReadBytes(DataFile("detail-level.rpt")));
    EXPECT_EQ(bytes.count("\r\n"), 31);
}

TEST_F(ReportFile, RowsFollowReportLineThenOrderAndTextIsWindows1252)
{
    insert({{"Field", "Memo"}, {"Order", 1}, {"DbType", 1}, {"Header", ""}, {"Line", 2}, {"LPosition", -5},
            {"RPosition", 70}, {"Total", false}, {"Count", false}, {"Average", false}, {"Min", true}, {"Max", false}});
    insert({{"Field", "Summary"}, {"Order", 3}, {"DbType", 1}, {"Header", QStringLiteral("Caf\u00E9 \u20AC")},
            {"Line", 1}, {"LPosition", 31}, {"RPosition", 60}, {"Total", false}, {"Count", false},
            {"Average", true}, {"Min", false}, {"Max", false}});
    insert({{"Field", "Company"}, {"Order", 2}, {"DbType", 0}, {"RDots", true}, {"Header", "Company"}, {"Line", 1},
            {"LPosition", 0}, {"RPosition", 30}, {"Total", true}, {"Count", false}, {"Average", false},
            {"Min", false}, {"Max", true}});
    const ReportHead header{QStringLiteral("R\u00E9sum\u00E9 \u2013 \u201CQ3\u201D"), "Contact", "TO-DO", 200, std::nullopt};
    EXPECT_EQ(written(header), ReadBytes(DataFile("two-lines.rpt")));
    EXPECT_EQ(table.IndexName(), QStringLiteral("iOrder"));
    EXPECT_TRUE(table.Eof());
}

TEST_F(ReportFile, ReadingAndWritingAgainGivesTheSameFile)
{
    for (const char* name : {"empty.rpt", "dot-leaders.rpt", "null-values.rpt", "detail-level.rpt", "two-lines.rpt"}) {
        store::EmptyTable(table);
        const QByteArray original = ReadBytes(DataFile(name));
        EXPECT_EQ(written(load(DataFile(name))), original) << name;
    }
    // Each record's place in the file became its Order.
    QStringList order;
    table.SetIndexName(QStringLiteral("iOrder"));
    for (table.First(); !table.Eof(); table.Next())
        order << table.FieldByName("Field").AsString() + "=" + table.FieldByName("Order").AsString();
    EXPECT_EQ(order, (QStringList{"Company=1", "Summary=2", "Memo=3"}));
}

TEST_F(ReportFile, RecordLinesAreReadByTheColumnsConversions)
{
    WriteBytes(alias.path("loose.rpt"),
               Lines({"Loose", "contact", "Event", "75", "1", " 1", ".", "x", "Head", "Where", "+2", "$1F", "",
                      "t", "f", "True", "fAL", ""}));
    const ReportHead header = load(alias.path("loose.rpt"));
    EXPECT_EQ(written(header),
              Lines({"Loose", "contact", "Event", "75", "1", "1", "..............................",
                     "..............................", "Head", "Where", "2", "31", "", "TRUE", "FALSE", "TRUE",
                     "FALSE", "FALSE"}));
}

TEST_F(ReportFile, RefusedRecordLinesEndWithTheEnginesMessage)
{
    const struct {
        int line; // 0-based within the record
        const char* text;
        const char* message;
    } cases[] = {
        {5, "2a", "'2a' is not a valid integer value for field 'Line'"},
        {0, "1.0", "'1.0' is not a valid integer value for field 'DbType'"},
        {8, "maybe", "'maybe' is not a valid boolean value for field 'Total'"},
        {12, "yes", "'yes' is not a valid boolean value for field 'Max'"},
    };
    for (const auto& c : cases) {
        QList<const char*> record = {"0", "", "", "Head", "Company", "1", "0", "10",
                                     "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"};
        record[c.line] = c.text;
        QByteArray bytes = Lines({"Bad", "Contact", "Contact", "75", "1"});
        for (const char* line : record)
            bytes += QByteArray(line) + "\r\n";
        const QString path = alias.path("bad.rpt");
        WriteBytes(path, bytes);
        try {
            load(path);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const base::EngineError& e) {
            EXPECT_EQ(e.text(), store::FieldRecordFailure(QString::fromLatin1(c.message), 1, path));
        }
    }
    EXPECT_EQ(table.RecordCount(), 0);
}

TEST_F(ReportFile, FailedWriteKeepsTheOldReport)
{
    const QString path = alias.path("kept.rpt");
    WriteBytes(path, "old report\r\n");
    insert({{"Field", "Company"}, {"Order", 1}});
    try {
        store::WriteReportFile(path, {QStringLiteral("\u4E2D"), "Contact", "Contact", 75, std::nullopt}, design.rowsInReportOrder());
        ADD_FAILURE() << "no error";
    } catch (const base::FileError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot write report %1: the text \"\u4E2D\" holds a character that a "
                                           "report file cannot hold").arg(path));
    }
    EXPECT_EQ(ReadBytes(path), QByteArray("old report\r\n"));

    ASSERT_TRUE(QDir(alias.dataDir()).mkdir("folder.rpt"));
    EXPECT_THROW(store::WriteReportFile(alias.path("folder.rpt"), {"A", "Contact", "Contact", 75, std::nullopt}, design.rowsInReportOrder()),
                 base::FileError);
    EXPECT_TRUE(QFileInfo(alias.path("folder.rpt")).isDir());
}
