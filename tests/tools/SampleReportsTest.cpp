#include "base/EngineError.h"
#include "tests/support/QtPrinting.h"
#include "tests/tools/DemoDirectory.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* file;
    const char* type;
    const char* category;
    int width;
    QStringList eventFields;   // the EVENT.DB names the category offers
};

const QStringList CallFields = {"EventDate", "EventTime", "Summary", "Elapsed", "Memo",
                                "Completed", "AlarmTime", "AlarmLead"};
const QStringList GenericFields = {"EventDate", "EventTime", "Type", "Summary", "Elapsed", "Status",
                                   "Duration", "Memo", "Completed", "AlarmTime", "AlarmLead"};

const Expected Reports[] = {
    {"phonelst.rpt", "Contact", "Contact", 75, {}},
    {"callrpt.rpt", "Contact", "Call", 77, CallFields},
    {"calendar.rpt", "Calendar", "Event", 115, GenericFields},
};

class SampleReports : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        try {
            demoDir = new DemoDirectory({20, true});
        } catch (const base::EngineError& e) {
            setUpError = e.text();
        }
    }
    static void TearDownTestSuite() { delete demoDir; }
    void SetUp() override
    {
        if (!demoDir)
            FAIL() << "makeDemoData failed: " << setUpError.toStdString();
    }

    static QByteArray bytes(const char* file)
    {
        QFile f(demoDir->path(QString::fromLatin1(file)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static inline DemoDirectory* demoDir = nullptr;
    static inline QString setUpError;
};

// Lines ending in CR LF, each checked to hold neither byte on its own.
QList<QByteArray> crlfLines(const QByteArray& bytes)
{
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r')) << "bare line feed before: " << line.toStdString();
        line.chop(1);
        EXPECT_FALSE(line.contains('\r'));
    }
    return lines;
}

TEST_F(SampleReports, FollowTheReportFileFormatWithConsistentPositions)
{
    const QStringList contactFields = demoDir->fieldNames(QStringLiteral("CONTACT.DB"));
    const QByteArray dots(30, '.');
    int setFlags = 0, setDots = 0;
    for (const Expected& report : Reports) {
        SCOPED_TRACE(report.file);
        const QList<QByteArray> lines = crlfLines(bytes(report.file));
        ASSERT_GE(lines.size(), 5);
        EXPECT_FALSE(lines[0].isEmpty());
        EXPECT_LE(lines[0].size(), 30);
        EXPECT_EQ(lines[1], report.type);
        EXPECT_EQ(lines[2], report.category);
        EXPECT_EQ(lines[3].toInt(), report.width);
        const int n = lines[4].toInt();
        ASSERT_GT(n, 0);
        ASSERT_EQ(lines.size(), 5 + 13 * n);

        int previousLine = 1, previousRight = 0;
        for (int k = 0; k < n; ++k) {
            const auto line = [&](int i) { return lines[5 + 13 * k + i]; };
            const QString field = QString::fromLatin1(line(4));
            SCOPED_TRACE(field.toStdString());
            EXPECT_TRUE(line(0) == "0" || line(0) == "1");
            if (line(0) == "0") {
                EXPECT_TRUE(contactFields.contains(field));
            } else {
                EXPECT_TRUE(report.eventFields.contains(field));
            }
            for (int i : {1, 2}) {
                EXPECT_TRUE(line(i).isEmpty() || line(i) == dots);
                setDots += line(i) == dots;
            }
            EXPECT_FALSE(line(3).isEmpty()) << "no header";
            for (int i = 8; i < 13; ++i) {
                EXPECT_TRUE(line(i) == "TRUE" || line(i) == "FALSE");
                setFlags += line(i) == "TRUE";
            }
            if (field.toLower() == QLatin1String("customid")) {
                EXPECT_EQ(k, 0) << "CustomID must come first";
            }
            if (field.toLower() == QLatin1String("memo")) {
                EXPECT_EQ(k, n - 1) << "the memo field must be last";
            }

            const int reportLine = line(5).toInt(), left = line(6).toInt(), right = line(7).toInt();
            ASSERT_GE(reportLine, previousLine);
            if (reportLine != previousLine)
                previousRight = 0;
            EXPECT_GT(left, previousRight) << "overlaps the field before it";
            EXPECT_LE(left, right);
            EXPECT_LE(right, report.width);
            previousLine = reportLine;
            previousRight = right;
        }
    }
    EXPECT_GT(setFlags, 0);
    EXPECT_GT(setDots, 0);
}

TEST_F(SampleReports, PhoneListStartsWithTheDetailLevelField)
{
    const QByteArray start = "Phone List\r\nContact\r\nContact\r\n75\r\n4\r\n"
                             "0\r\n\r\n\r\nID\r\nCustomID\r\n1\r\n1\r\n25\r\nFALSE\r\nTRUE\r\nFALSE\r\nFALSE\r\nFALSE\r\n"
                             "0\r\n\r\n\r\nLast Name\r\nLastName\r\n1\r\n26\r\n";
    EXPECT_EQ(bytes("phonelst.rpt").left(start.size()), start);
}

} // namespace
