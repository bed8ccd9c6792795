// tabrep-report run as a program on an alias directory of a few reports.
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray Lines(std::initializer_list<const char*> lines)
{
    QByteArray bytes;
    for (const char* line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}

// A field record: no dot lines, header and field named alike, no summaries.
QByteArray Field(const char* name, const char* line, const char* start, const char* end)
{
    return Lines({"0", "", "", name, name, line, start, end, "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"});
}

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// An alias directory holding reports that pass, overlap, and run past their
// own printable width, with the alias defined in a configuration of its own.
class ReportTool : public ::testing::Test {
protected:
    ReportTool()
    {
        QDir(dir_.path()).mkpath(QStringLiteral("config/tabulon"));
        QDir(dir_.path()).mkpath(QStringLiteral("reports"));
        WriteBytes(dir_.filePath("config/tabulon/aliases.ini"),
                   "[OMNIV]\nPATH=" + QFile::encodeName(reports()) + "\n");
        Write("good.rpt", Lines({"Alpha list", "Contact", "Contact", "75", "2"}) + Field("LastName", "1", "1", "37")
                              + Field("FirstName", "1", "38", "75"));
        Write("overlap.rpt", Lines({"Zeta", "contact", "CONTACT", "30", "2"}) + Field("Company", "1", "1", "25")
                                 + Field("City", "1", "25", "30"));
        Write("beyond.rpt", Lines({"Wide", "Contact", "Contact", "30", "1"}) + Field("Company", "1", "1", "31"));
    }

    QString reports() const { return dir_.filePath("reports"); }
    void Write(const char* name, const QByteArray& bytes) { WriteBytes(reports() + u'/' + QLatin1String(name), bytes); }

    Outcome Tool(const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath("config"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(reports());
        process.start(QStringLiteral(REPORT_TOOL), arguments);
        // A pipe that blocked the program would end the wait unfinished.
        if (!process.waitForFinished(10000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir dir_;
};

TEST_F(ReportTool, ChecksListsAndShowsByTheWizardsRules)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(reports() + "/pipe.rpt").constData(), 0644), 0);
    Write("badline.rpt", Lines({"Bad", "Contact", "Contact", "75", "1"}) + Field("Company", "2a", "1", "10"));
    // Passes alone; a field left over from a report read before it would run past its width.
    Write("narrow.rpt", Lines({"Narrow", "Contact", "Contact", "30", "1"}) + Field("Company", "1", "1", "30"));
    Write("show.rpt", Lines({"Phones", "contact", "call", "75", "2", "0", "..............................", "",
                             "Customer", "CustomID", "1", "1", "25", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE", "1",
                             "", "..............................", "Date", "EventDate", "1", "26", "50", "t", "TRUE",
                             "", "F", "FALSE"}));
    struct Case {
        const char* name;
        QStringList arguments;
        int status;
        const char* out;
        const char* err; // a part of the messages, or "" for none
    };
    const Case cases[] = {
        {"passing and failing reports against their own widths", {"check", "good.rpt", "overlap.rpt", "beyond.rpt"}, 1,
         "good.rpt: OK\noverlap.rpt: There are overlaps for right margin 25\n"
         "beyond.rpt: RIGHT margin greater than Right margin MAX of 30\n",
         ""},
        {"all pass", {"check", "good.rpt"}, 0, "good.rpt: OK\n", ""},
        {"each report by itself, after a longer one and a refused one", {"check", "good.rpt", "badline.rpt", "narrow.rpt"},
         2, "good.rpt: OK\nnarrow.rpt: OK\n", "'2a' is not a valid integer value for field 'Line'"},
        {"a missing file is named and the others still checked", {"check", "missing.rpt", "good.rpt"}, 2,
         "good.rpt: OK\n", "missing.rpt: File not found"},
        {"a pipe is refused without waiting for a writer", {"check", "pipe.rpt"}, 2, "", "pipe.rpt: it is not a regular file"},
        {"a record loading refuses", {"show", "badline.rpt"}, 2, "",
         "'2a' is not a valid integer value for field 'Line'. This is in field record 1 of the report"},
        {"show", {"show", "show.rpt"}, 0,
         "Description:      Phones\n"
         "Type:             Contact\n"
         "Category:         Call\n"
         "Printable width:  75\n"
         "Detail level:     Yes, use Detail Level\n"
         "Fields:           2\n"
         "\n"
         "Order  Field      Header    Line  Start  End  Leaders  Trailers  Summaries\n"
         "    1  CustomID   Customer     1      1   25  yes\n"
         "    2  EventDate  Date         1     26   50           yes       Total,Count\n",
         ""},
        {"list --json, by description", {"list", "--json", "--", "."}, 0,
         "{\"description\":\"Alpha list\",\"type\":\"Contact\",\"name\":\"good.rpt\",\"fields\":2}\n"
         "{\"description\":\"Bad\",\"type\":\"Contact\",\"name\":\"badline.rpt\",\"fields\":1}\n"
         "{\"description\":\"Narrow\",\"type\":\"Contact\",\"name\":\"narrow.rpt\",\"fields\":1}\n"
         "{\"description\":\"Phones\",\"type\":\"contact\",\"name\":\"show.rpt\",\"fields\":2}\n"
         "{\"description\":\"Wide\",\"type\":\"Contact\",\"name\":\"beyond.rpt\",\"fields\":1}\n"
         "{\"description\":\"Zeta\",\"type\":\"contact\",\"name\":\"overlap.rpt\",\"fields\":2}\n",
         ""},
        {"an unknown command", {"lsit"}, 2, "", "unknown command lsit"},
        {"an option that the command lacks", {"check", "--json"}, 2, "", "unknown option --json for check"},
    };
    for (const Case& c : cases) {
        const Outcome run = Tool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.out, QString::fromUtf8(c.out)) << c.name;
        if (*c.err)
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.err))) << c.name << ": " << run.err.toStdString();
        else
            EXPECT_EQ(run.err, QString()) << c.name;
    }
}

// Without files: every report of the alias directory, by name.
TEST_F(ReportTool, ChecksAndListsTheAliasDirectory)
{
    const Outcome check = Tool({QStringLiteral("check")});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, "beyond.rpt: RIGHT margin greater than Right margin MAX of 30\n"
                         "good.rpt: OK\n"
                         "overlap.rpt: There are overlaps for right margin 25\n");
    const Outcome list = Tool({QStringLiteral("list")});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "Description  Type     Name         Fields\n"
                        "Alpha list   Contact  good.rpt          2\n"
                        "Wide         Contact  beyond.rpt        1\n"
                        "Zeta         contact  overlap.rpt       2\n");
}

} // namespace
