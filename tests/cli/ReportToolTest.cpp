// tabrep-report run as a program on an alias directory of a few reports.
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

    // Names that are not UTF-8 are beyond QTemporaryDir: every file written is removed here.
    ~ReportTool() override
    {
        for (const QByteArray& path : written_)
            ::unlink(path.constData());
    }

    QString reports() const { return dir_.filePath("reports"); }
    // name: the file system's bytes, which need not be UTF-8.
    void Write(const QByteArray& name, const QByteArray& bytes)
    {
        const QByteArray path = QFile::encodeName(reports()) + '/' + name;
        written_ << path;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0) << path.toStdString();
        EXPECT_EQ(::write(fd, bytes.constData(), std::size_t(bytes.size())), bytes.size());
        ::close(fd);
    }

    // columns: the COLUMNS the program is given, none when empty. Run in
    // the alias directory unless told otherwise.
    Outcome Tool(const QStringList& arguments, const QString& columns = {}, const QString& directory = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath("config"));
        environment.remove(QStringLiteral("COLUMNS"));
        if (!columns.isEmpty())
            environment.insert(QStringLiteral("COLUMNS"), columns);
        if (german_)
            for (const char* name : {"LANGUAGE", "LC_ALL", "LANG"})
                environment.insert(QLatin1String(name), QStringLiteral("de_DE.UTF-8"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(directory.isEmpty() ? reports() : directory);
        if (!outputFile_.isEmpty())
            process.setStandardOutputFile(outputFile_);
        process.start(QStringLiteral(REPORT_TOOL), arguments);
        // A pipe that blocked the program would end the wait unfinished.
        if (!process.waitForFinished(10000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir dir_;
    QList<QByteArray> written_;
    QString outputFile_; // where the program writes its output, when not to the test
    bool german_ = false; // run on a German desktop
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

bool ShowsOnlyPrintable(const QString& text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() < 0x20 && c != u'\n') || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
    });
}

QByteArray Empty(const char* description)
{
    return Lines({description, "Contact", "Contact", "75", "0"});
}

// No byte of a file or a file name reaches the terminal as a control character,
// and two names never print alike: each such byte, and the backslash, is an escape.
TEST_F(ReportTool, ShowsTextsAndNamesOfFilesVisibly)
{
    Write("c\x1b[1A\x1b[2K.rpt", Empty("\x1b[2J\x1b]0;TITLE\x07 \x81\x7f"));
    Write("new\nline.rpt", Empty("N"));
    Write("t\t.rpt", Empty("T"));
    Write("d\x7f.rpt", Empty("D"));
    Write("t\\t.rpt", Empty("T"));
    Write("\xc2\x85.rpt", Empty("U"));
    Write("\xff.rpt", Empty("X"));
    Write("nbsp.rpt", Lines({"B", "Contact", "Contact", "75", "1"}) + Field("Company", "\xa0" "0", "1", "10"));
    struct Case {
        QStringList arguments;
        const char* out; // a part of the output
        const char* err; // a part of the messages
    };
    const Case cases[] = {
        {{"check"},
         "beyond.rpt: RIGHT margin greater than Right margin MAX of 30\nc\\x1b[1A\\x1b[2K.rpt: OK\nd\\x7f.rpt: OK\n"
         "good.rpt: OK\n"
         "new\\nline.rpt: OK\noverlap.rpt: There are overlaps for right margin 25\nt\\t.rpt: OK\nt\\\\t.rpt: OK\n"
         "\\u0085.rpt: OK\n\\xff.rpt: OK\n",
         "'\\u00a00' is not a valid integer value for field 'Line'. This is in field record 1 of the report "},
        {{"list"}, "\\x1b[2J\\x1b]0;TITLE\\x07 \\u0081\\x7f  Contact  c\\x1b[1A\\x1b[2K.rpt", ""},
        {{"show", "c\x1b[1A\x1b[2K.rpt"}, "Description:      \\x1b[2J\\x1b]0;TITLE\\x07 \\u0081\\x7f\n", ""},
        {{"check", "gone\x1b[2K\t.rpt"}, "", "gone\\x1b[2K\\t.rpt: File not found"},
        {{"lsit\x1b[2J"}, "", "unknown command lsit\\x1b[2J"},
    };
    for (const Case& c : cases) {
        const Outcome run = Tool(c.arguments);
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(c.out))) << c.arguments.join(' ').toStdString() << ": "
                                                                << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.err))) << run.err.toStdString();
        EXPECT_TRUE(ShowsOnlyPrintable(run.out)) << run.out.toStdString();
        EXPECT_TRUE(ShowsOnlyPrintable(run.err)) << run.err.toStdString();
    }
}

// Every name that list and check print opens with show and check, from any
// directory: as the directory holds it, or as printed with its escapes.
TEST_F(ReportTool, NamesItPrintsOpenFromAnyDirectory)
{
    Write("MyPhone.rpt", Empty("M"));
    Write("c\x1b[1A.rpt", Empty("C"));
    Write("new\nline.rpt", Empty("N"));
    Write("back\\slash.rpt", Empty("S"));
    Write("\xff.rpt", Empty("X"));
    const QString elsewhere = dir_.path();
    QStringList names;
    const Outcome json = Tool({QStringLiteral("list"), QStringLiteral("--json")}, {}, elsewhere);
    for (const QString& line : json.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonObject report = QJsonDocument::fromJson(line.toUtf8()).object();
        names << report.value(QStringLiteral("name")).toString();
        const bool escaped = names.back() == QLatin1String("\\xff.rpt");
        EXPECT_EQ(report.contains(QStringLiteral("escaped")), escaped) << line.toStdString();
    }
    EXPECT_TRUE(names.contains(QStringLiteral("MyPhone.rpt"))) << names.join(' ').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("c\x1b[1A.rpt")));
    const Outcome check = Tool({QStringLiteral("check")}, {}, elsewhere);
    for (const QString& line : check.out.split(u'\n', Qt::SkipEmptyParts))
        names << line.left(line.indexOf(QLatin1String(": ")));
    EXPECT_EQ(names.size(), 16);
    for (const QString& name : names) {
        EXPECT_EQ(Tool({QStringLiteral("show"), name}, {}, elsewhere).status, 0) << name.toStdString();
        EXPECT_NE(Tool({QStringLiteral("check"), name}, {}, elsewhere).status, 2) << name.toStdString();
    }
}

// A file whose report-type line is no type the wizard writes, or whose field
// count is no number, is named as no report definition; any file that cannot be
// read makes the status 2, whatever else fails.
TEST_F(ReportTool, NamesFilesThatAreNoReportDefinitions)
{
    Write("notes.rpt", "Shopping\nmilk\neggs\n");
    Write("binary.rpt", QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\0\r\n\x03\0>\0", 18));
    Write("count.rpt", Lines({"Count", "Calendar", "Event", "75", "many"}));
    struct Case {
        QStringList arguments;
        int status;
        const char* out;
        QStringList err; // parts of the messages
    };
    const Case cases[] = {
        {{"check", "notes.rpt", "binary.rpt", "count.rpt", "good.rpt"}, 2, "good.rpt: OK\n",
         {"notes.rpt is not a report definition: line 2", "binary.rpt is not a report definition: line 2",
          "count.rpt is not a report definition: line 5"}},
        {{"show", "binary.rpt"}, 2, "", {"binary.rpt is not a report definition"}},
        {{"list"}, 2,
         "Description  Type     Name         Fields\nAlpha list   Contact  good.rpt          2\n"
         "Wide         Contact  beyond.rpt        1\nZeta         contact  overlap.rpt       2\n",
         {"notes.rpt is not", "binary.rpt is not", "count.rpt is not"}},
        {{"check", "missing.rpt", "overlap.rpt"}, 2, "overlap.rpt: There are overlaps for right margin 25\n",
         {"missing.rpt: File not found"}},
    };
    for (const Case& c : cases) {
        const Outcome run = Tool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, QString::fromUtf8(c.out)) << c.arguments.join(' ').toStdString();
        for (const QString& part : c.err)
            EXPECT_TRUE(run.err.contains(part)) << part.toStdString() << " in " << run.err.toStdString();
    }
}

// Reports of one description are listed as the selection dialog lists them: by
// their names in small letters.
TEST_F(ReportTool, ListsLikeDescriptionsInTheOrderOfTheSelectionDialog)
{
    Write("B.rpt", Empty("Same"));
    Write("a.rpt", Empty("Same"));
    Write("C.rpt", Empty("Same"));
    const Outcome list = Tool({QStringLiteral("list"), QStringLiteral("--json")});
    EXPECT_EQ(list.status, 0);
    EXPECT_TRUE(list.out.contains(QStringLiteral("\"name\":\"a.rpt\",\"fields\":0}\n"
                                                 "{\"description\":\"Same\",\"type\":\"Contact\",\"name\":\"B.rpt\",\"fields\":0}\n"
                                                 "{\"description\":\"Same\",\"type\":\"Contact\",\"name\":\"C.rpt\"")))
        << list.out.toStdString();
}

// The text table fits the terminal (80 columns in a pipe), a cut text marked;
// --json keeps the description whole.
TEST_F(ReportTool, ListFitsTheWidth)
{
    Write("long.rpt", Empty(QByteArray(300, 'x').append("END").constData()));
    for (const auto& [columns, width] : {std::pair{QString(), 80}, std::pair{QStringLiteral("60"), 60}}) {
        const Outcome list = Tool({QStringLiteral("list")}, columns);
        EXPECT_EQ(list.status, 0);
        for (const QString& line : list.out.split(u'\n'))
            EXPECT_LE(line.size(), width) << line.toStdString();
        EXPECT_TRUE(list.out.contains(QStringLiteral("x\u2026  Contact  long.rpt"))) << list.out.toStdString();
        EXPECT_TRUE(list.out.contains(QStringLiteral("good.rpt"))) << list.out.toStdString();
    }
    EXPECT_TRUE(Tool({QStringLiteral("list"), QStringLiteral("--json")}).out.contains(QStringLiteral("xxxEND\"")));
}

// A table wider than the terminal is narrowed to the terminal's width, not
// further: its longest line takes every column.
TEST_F(ReportTool, ListNarrowsNoMoreThanNeeded)
{
    Write("long.rpt", Empty(QByteArray(300, 'x').append("END").constData()));
    for (const int width : {40, 60, 80}) {
        const Outcome list = Tool({QStringLiteral("list")}, QString::number(width));
        qsizetype longest = 0;
        for (const QString& line : list.out.split(u'\n'))
            longest = std::max(longest, line.size());
        EXPECT_EQ(longest, width) << list.out.toStdString();
    }
}

// Output that cannot be written and an alias not yet defined are said.
TEST_F(ReportTool, SaysWhatKeepsItFromWorking)
{
    outputFile_ = QStringLiteral("/dev/full");
    const Outcome full = Tool({QStringLiteral("list")});
    EXPECT_EQ(full.status, 2);
    EXPECT_TRUE(full.err.contains(QStringLiteral("cannot write the output"))) << full.err.toStdString();
    outputFile_.clear();
    WriteBytes(dir_.filePath("config/tabulon/aliases.ini"), "[OTHER]\nPATH=/nowhere\n");
    const Outcome noAlias = Tool({QStringLiteral("check")});
    EXPECT_EQ(noAlias.status, 2);
    EXPECT_TRUE(noAlias.err.contains(QStringLiteral("tabrep-demo DIRECTORY"))) << noAlias.err.toStdString();
}

} // namespace

TEST_F(ReportTool, SpeaksGermanOnAGermanDesktopAndPrintsTheSameJson)
{
    const Outcome englishJson = Tool({QStringLiteral("list"), QStringLiteral("--json")});
    const Outcome englishShow = Tool({QStringLiteral("show"), QStringLiteral("good.rpt")});
    german_ = true;
    const Outcome germanJson = Tool({QStringLiteral("list"), QStringLiteral("--json")});
    const Outcome germanShow = Tool({QStringLiteral("show"), QStringLiteral("good.rpt")});
    EXPECT_EQ(germanJson.status, 0);
    EXPECT_EQ(germanJson.out, englishJson.out);
    EXPECT_TRUE(englishShow.out.startsWith(QStringLiteral("Description:"))) << englishShow.out.toStdString();
    EXPECT_TRUE(germanShow.out.startsWith(QStringLiteral("Beschreibung:"))) << germanShow.out.toStdString();
    // The report's type and category words are shown in German; the JSON above keeps the file's.
    EXPECT_TRUE(germanShow.out.contains(QStringLiteral("Art:               Kontakt\nKategorie:         Kontakt\n")))
        << germanShow.out.toStdString();
    const Outcome germanList = Tool({QStringLiteral("list")});
    EXPECT_TRUE(germanList.out.contains(QStringLiteral(" Kontakt "))) << germanList.out.toStdString();
    EXPECT_FALSE(germanList.out.contains(QStringLiteral(" Contact "))) << germanList.out.toStdString();
    const Outcome misuse = Tool({QStringLiteral("bogus")});
    EXPECT_TRUE(misuse.err.startsWith(QStringLiteral("tabrep-report: unbekannter Befehl bogus\nAufruf:"))) << misuse.err.toStdString();
    // The check's verdicts and a refused record's message, on one line, in German.
    Write("badline.rpt", Lines({"Bad", "Contact", "Contact", "75", "1"}) + Field("Company", "2a", "1", "10"));
    const Outcome checked = Tool({QStringLiteral("check"), QStringLiteral("overlap.rpt"), QStringLiteral("badline.rpt")});
    EXPECT_EQ(checked.out, QStringLiteral("overlap.rpt: Es gibt Überschneidungen beim rechten Rand 25\n"));
    EXPECT_TRUE(checked.err.startsWith(QStringLiteral("tabrep-report: „2a“ ist keine gültige ganze Zahl für das Feld "
                                                      "„Line“. Das betrifft den Felddatensatz 1 des Berichts /")))
        << checked.err.toStdString();
    EXPECT_EQ(checked.err.count(u'\n'), 1) << checked.err.toStdString();
}
