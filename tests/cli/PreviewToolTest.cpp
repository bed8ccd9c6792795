// tabrep-report preview run as a program on demo data of 500 contacts.
#include "store/paradox/PxTable.h"
#include "tests/support/QtPrinting.h"
#include "tools/demodata/DemoData.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// A contact's values by column name.
struct Contact {
    QString id, last, first, phone;
};

class PreviewTool : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        QDir(dir_->path()).mkpath(QStringLiteral("config/tabulon"));
        QDir(dir_->path()).mkpath(QStringLiteral("data"));
        demo::Options options;
        options.contacts = 500;
        demo::makeDemoData(data(), options);
        QFile config(dir_->filePath(QStringLiteral("config/tabulon/aliases.ini")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write("[OMNIV]\nPATH=" + QFile::encodeName(data()) + "\n");
        // The phone list with a last-name column five characters wide.
        QFile phones(QDir(data()).filePath(QStringLiteral("phonelst.rpt")));
        ASSERT_TRUE(phones.open(QIODevice::ReadOnly));
        QByteArray narrow = phones.readAll().replace("\r\n41\r\n", "\r\n30\r\n");
        QFile out(QDir(data()).filePath(QStringLiteral("narrow.rpt")));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ready_ = out.write(narrow) == narrow.size();
    }
    static void TearDownTestSuite() { delete dir_; }
    // A test whose demo data could not be made fails, rather than being skipped.
    void SetUp() override { ASSERT_TRUE(ready_); }

    static QString data() { return dir_->filePath(QStringLiteral("data")); }

    static std::vector<Contact> Contacts()
    {
        const px::TableFile table = px::TableFile::open(QDir(data()).filePath(QStringLiteral("CONTACT.DB")));
        const auto column = [&](const char* name) {
            for (std::size_t i = 0; i < table.header().fields.size(); ++i)
                if (table.header().fields[i].name == QLatin1String(name))
                    return i;
            return std::size_t(0);
        };
        std::vector<Contact> contacts;
        for (const std::vector<px::Value>& row : table.readRecords())
            contacts.push_back({row[column("CustomID")].text, row[column("LastName")].text,
                                row[column("FirstName")].text, row[column("WorkPhone")].text});
        return contacts;
    }

    Outcome Tool(const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_->filePath(QStringLiteral("config")));
        environment.remove(QStringLiteral("TABREP_ALIASES"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir_->path());
        process.start(QStringLiteral(REPORT_TOOL), arguments);
        if (!process.waitForFinished(60000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    static QTemporaryDir* dir_;
    static bool ready_;
};

QTemporaryDir* PreviewTool::dir_ = nullptr;
bool PreviewTool::ready_ = false;

TEST_F(PreviewTool, PrintsTheContactsOwnValuesAtTheReportsPositions)
{
    const Outcome outcome = Tool({QStringLiteral("preview"), QStringLiteral("phonelst.rpt"), QStringLiteral("--pages"),
                                  QStringLiteral("1")});
    ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
    const QStringList lines = outcome.out.split(u'\n');
    const qsizetype page = lines.indexOf(QStringLiteral("Page 1"));
    ASSERT_GE(page, 0) << outcome.out.toStdString();
    EXPECT_EQ(lines.indexOf(QStringLiteral("Page 2")), -1);
    EXPECT_EQ(lines[page + 1], QStringLiteral("ID                       Last Name       First Name      Work Phone"));
    const std::vector<Contact> contacts = Contacts();
    ASSERT_EQ(contacts.size(), 500u);
    // The header line, a blank line, then one line a contact in the table's order: CustomID 1-25, LastName 26-41,
    // FirstName 42-57, WorkPhone 58-75 after dot leaders.
    for (int i = 0; i < 64; ++i) {
        const QString& line = lines[page + 3 + i];
        const Contact& c = contacts[std::size_t(i)];
        EXPECT_EQ(line.left(25).trimmed(), c.id) << line.toStdString();
        EXPECT_EQ(line.mid(25, 16).trimmed(), c.last.size() > 16 ? c.last.left(15) + u'\u2026' : c.last) << line.toStdString();
        EXPECT_EQ(line.mid(41, 16).trimmed(), c.first) << line.toStdString();
        // An empty value gets no dots.
        EXPECT_EQ(line.mid(57), c.phone.isEmpty() ? QString() : QString(18 - c.phone.size(), u'.') + c.phone)
            << line.toStdString();
    }
    EXPECT_TRUE(outcome.out.contains(QStringLiteral("Summaries (page 8):\n                Count 500\n")))
        << outcome.out.toStdString();
    EXPECT_TRUE(outcome.out.contains(QStringLiteral("\n8 pages, 500 contacts.\n"))) << outcome.out.toStdString();
}

TEST_F(PreviewTool, JsonNamesTheColumnThatCutsItsValuesWithASpanThatHoldsThem)
{
    const Outcome outcome = Tool({QStringLiteral("preview"), QStringLiteral("narrow.rpt"), QStringLiteral("--json")});
    ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
    const QStringList lines = outcome.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << outcome.out.toStdString();
    const QJsonObject fit = QJsonDocument::fromJson(lines[0].toUtf8()).object();
    std::int64_t cut = 0;
    qsizetype longest = 0;
    for (const Contact& c : Contacts()) {
        cut += c.last.size() > 5;
        longest = std::max(longest, c.last.size());
    }
    ASSERT_GT(cut, 0);
    EXPECT_EQ(fit[QStringLiteral("field")].toString(), QStringLiteral("LastName"));
    EXPECT_EQ(fit[QStringLiteral("capacity")].toInt(), 5);
    EXPECT_EQ(fit[QStringLiteral("values")].toInt(), 500);
    EXPECT_EQ(fit[QStringLiteral("cut")].toInt(), cut);
    EXPECT_EQ(fit[QStringLiteral("longest")].toInt(), longest);
    const QJsonObject all = fit[QStringLiteral("all")].toObject();
    EXPECT_EQ(all[QStringLiteral("start")].toInt(), 26);
    EXPECT_EQ(all[QStringLiteral("end")].toInt(), 26 + longest - 1);
    EXPECT_EQ(all[QStringLiteral("holds")].toInt(), 500);
}

TEST_F(PreviewTool, PdfHoldsTheSameValues)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    const QString pdf = dir_->filePath(QStringLiteral("phones.pdf"));
    const Outcome outcome = Tool({QStringLiteral("preview"), QStringLiteral("phonelst.rpt"), QStringLiteral("--pages"),
                                  QStringLiteral("2"), QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
    QProcess text;
    text.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(pages.count(u'\f'), 2) << pages.left(400).toStdString();
    const std::vector<Contact> contacts = Contacts();
    for (std::size_t i : {std::size_t(0), std::size_t(63), std::size_t(64), std::size_t(127)}) {
        EXPECT_TRUE(pages.contains(contacts[i].id)) << contacts[i].id.toStdString();
        EXPECT_TRUE(pages.contains(contacts[i].phone)) << contacts[i].phone.toStdString();
    }
    EXPECT_FALSE(pages.contains(contacts[128].id));
}

TEST_F(PreviewTool, PicturesAreOneAPage)
{
    const QString pictures = dir_->filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(pictures));
    const Outcome outcome = Tool({QStringLiteral("preview"), QStringLiteral("phonelst.rpt"), QStringLiteral("--pages"),
                                  QStringLiteral("2"), QStringLiteral("--png"), pictures});
    ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files),
              QStringList({QStringLiteral("page-001.png"), QStringLiteral("page-002.png")}));
    QFile first(QDir(pictures).filePath(QStringLiteral("page-001.png")));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.read(8), QByteArray("\x89PNG\r\n\x1a\n"));
}

TEST_F(PreviewTool, TroubleIsNamedAndNothingIsWritten)
{
    const QStringList before = QDir(data()).entryList(QDir::Files);
    struct Case {
        QStringList arguments;
        int status;
        const char* err;
    };
    const Case cases[] = {
        {{"preview", "missing.rpt"}, 2, "missing.rpt"},
        {{"preview", "phonelst.rpt", "--pages", "x"}, 2, "--pages needs a whole number"},
        {{"preview", "phonelst.rpt", "--json", "--png", "out"}, 2, "choose one of"},
        {{"preview", "phonelst.rpt", "--png", "no-such-directory"}, 2, "no-such-directory"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Tool(c.arguments);
        EXPECT_EQ(outcome.status, c.status) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(outcome.err.contains(QLatin1String(c.err))) << outcome.err.toStdString();
    }
    // Without CONTACT.DB the preview names it.
    QDir(data()).rename(QStringLiteral("CONTACT.DB"), QStringLiteral("CONTACT.away"));
    const Outcome outcome = Tool({QStringLiteral("preview"), QStringLiteral("phonelst.rpt")});
    QDir(data()).rename(QStringLiteral("CONTACT.away"), QStringLiteral("CONTACT.DB"));
    EXPECT_EQ(outcome.status, 2);
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("CONTACT.DB"))) << outcome.err.toStdString();
    EXPECT_EQ(QDir(data()).entryList(QDir::Files), before);
}

} // namespace
