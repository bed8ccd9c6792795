#include "shell/HelpViewer.h"
#include "shell/ProgramFiles.h"
#include "shell/TFrmTabrep.h"
#include "tests/support/FindControl.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"
#include "wizard/dialogs/TFrmSelect.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {


// Records the topics asked for instead of opening the help window.
class RecordingHelpViewer : public help::HelpViewer {
public:
    RecordingHelpViewer() { install(this); }
    ~RecordingHelpViewer() override { install(nullptr); }
    void showTopic(QWidget*, const QString& helpFile, int context) override
    {
        files << helpFile;
        contexts.push_back(context);
    }

    QStringList files;
    std::vector<int> contexts;
};

constexpr int PageContexts[] = {100, 200, 300, 400, 500, 550, 600, 650, 700, 750, 800};

QString ShippedHelpFile(const QString& name = QStringLiteral("tabrep.hlp"))
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

} // namespace

// The Help button and F1 alike.
TEST(HelpButton, OpensTheTopicOfEachPageFromTheHelpFileBesideTheProgram)
{
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    RecordingHelpViewer viewer;
    auto* notebook = Child<QStackedWidget>(window, "Notebook1");
    std::vector<int> expected;
    for (int page = 0; page < 11; ++page) {
        notebook->setCurrentIndex(page);
        Child<QPushButton>(window, "BtnHelp")->click();
        QTest::keyClick(&window, Qt::Key_F1);
        expected.insert(expected.end(), 2, PageContexts[page]);
    }
    EXPECT_EQ(viewer.contexts, expected);
    for (const QString& file : viewer.files)
        EXPECT_EQ(file, ShippedHelpFile());
    EXPECT_TRUE(modal.shown().empty());
}

TEST(HelpButton, F1InSelectAReportOpensTheFirstPagesTopic)
{
    TempAlias alias;
    RecordingModal modal;
    wizard::TFrmSelect dialog(alias.session());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    RecordingHelpViewer viewer;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(viewer.contexts, std::vector<int>{100});
}

TEST(HelpFile, TheShippedFilesHaveATitledTopicForEveryPageInEveryLanguage)
{
    for (const char* name : {"tabrep.hlp", "tabrep_de.hlp"}) {
        for (int context : PageContexts) {
            help::HelpTopic topic;
            ASSERT_NO_THROW(topic = help::LoadHelpTopic(ShippedHelpFile(QLatin1String(name)), context))
                << name << context;
            EXPECT_FALSE(topic.title.isEmpty()) << name << context;
            EXPECT_GT(topic.text.size(), 200) << name << context;
        }
    }
}

TEST(HelpFile, TopicsStartAtNumberedLinesAndJoinTheirLinesIntoParagraphs)
{
    const struct {
        const char* content;
        std::vector<help::HelpTopic> topics;
    } cases[] = {
        {"", {}},
        {"comments before the first topic\n#abc is one of them\n", {}},
        {"preamble\n#100 First\nline one\nline two\n\n\nsecond paragraph\n#200 Second\n- a\n- b\ncontinued\n",
         {{100, "First", "line one line two\n\nsecond paragraph"}, {200, "Second", "- a\n- b continued"}}},
        {"#300   Title with blanks  \r\n\r\n  text  \r\n\r\n", {{300, "Title with blanks", "text"}}},
        {"#12\n# 5 is text\n#400 X\n", {{12, "", "# 5 is text"}, {400, "X", ""}}},
    };
    for (const auto& c : cases) {
        const auto topics = help::ParseHelpText(QString::fromLatin1(c.content));
        ASSERT_EQ(topics.size(), c.topics.size()) << c.content;
        for (std::size_t i = 0; i < topics.size(); ++i) {
            EXPECT_EQ(topics[i].context, c.topics[i].context) << c.content;
            EXPECT_EQ(topics[i].title, c.topics[i].title) << c.content;
            EXPECT_EQ(topics[i].text, c.topics[i].text) << c.content;
        }
    }
}

TEST(HelpFile, IsLookedForBesideTheProgramFirstThenInTheInstalledDataDirectory)
{
    const struct {
        bool beside;
        bool installed;
        const char* found;
    } cases[] = {
        {true, false, "bin/tabrep.hlp"},
        {false, true, "share/tabrep/tabrep.hlp"},
        {true, true, "bin/tabrep.hlp"},
        {false, false, "bin/tabrep.hlp"},
    };
    for (const auto& c : cases) {
        QTemporaryDir root;
        const QDir dir(root.path());
        ASSERT_TRUE(dir.mkpath(QStringLiteral("bin")) && dir.mkpath(QStringLiteral("share/tabrep")));
        QFile beside(dir.filePath(QStringLiteral("bin/tabrep.hlp")));
        QFile installed(dir.filePath(QStringLiteral("share/tabrep/tabrep.hlp")));
        ASSERT_TRUE(!c.beside || beside.open(QIODevice::WriteOnly));
        ASSERT_TRUE(!c.installed || installed.open(QIODevice::WriteOnly));
        EXPECT_EQ(programfiles::FindHelpFile(dir.filePath(QStringLiteral("bin"))), dir.filePath(QLatin1String(c.found)))
            << c.beside << c.installed;
    }
}

TEST(HelpFile, InAnotherLanguageIsThatLanguagesFileFoundTheSameWayElseTheEnglishOne)
{
    const struct {
        const char* files;
        const char* found;
    } cases[] = {
        {"bin/tabrep.hlp bin/tabrep_de.hlp", "bin/tabrep_de.hlp"},
        {"share/tabrep/tabrep.hlp share/tabrep/tabrep_de.hlp", "share/tabrep/tabrep_de.hlp"},
        {"bin/tabrep.hlp share/tabrep/tabrep_de.hlp", "share/tabrep/tabrep_de.hlp"},
        {"bin/tabrep.hlp", "bin/tabrep.hlp"},
        {"share/tabrep/tabrep.hlp", "share/tabrep/tabrep.hlp"},
        {"", "bin/tabrep.hlp"},
    };
    for (const auto& c : cases) {
        QTemporaryDir root;
        const QDir dir(root.path());
        ASSERT_TRUE(dir.mkpath(QStringLiteral("bin")) && dir.mkpath(QStringLiteral("share/tabrep")));
        for (const QString& name : QString::fromLatin1(c.files).split(u' ', Qt::SkipEmptyParts)) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(programfiles::FindHelpFile(dir.filePath(QStringLiteral("bin")), QStringLiteral("de")),
                  dir.filePath(QLatin1String(c.found)))
            << c.files;
    }
}

TEST(HelpWindow, ShowsTheFirstTopicWithTheContextNumber)
{
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    const QString path = alias.path(QStringLiteral("help.hlp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#500 Paper\npaper text\n#550 Detail Level\nThe detail level\nis chosen.\n#550 Later\nignored\n");
    file.close();
    programfiles::SetHelpFile(path);
    Child<QStackedWidget>(window, "Notebook1")->setCurrentIndex(5);
    modal.onDialog([](QDialog& dialog) {
        EXPECT_EQ(Child<QLabel>(dialog, "LblTopicTitle")->text(), QStringLiteral("Detail Level"));
        auto* text = Child<QPlainTextEdit>(dialog, "TopicText");
        EXPECT_EQ(text->toPlainText(), QStringLiteral("The detail level is chosen."));
        // The text has the focus and a caret that the keys move, for a screen reader to follow.
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(text->textCursor().position(), text->toPlainText().size());
        Child<QPushButton>(dialog, "BtnClose")->click();
        return dialog.result();
    });
    Child<QPushButton>(window, "BtnHelp")->click();
    EXPECT_TRUE(modal.shown().empty());
}

TEST(HelpWindow, AMissingFileOrTopicIsAnErrorNamingTheFileAndTheNumber)
{
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    const QString present = alias.path(QStringLiteral("present.hlp"));
    QFile file(present);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#100 Only the first page\ntext\n");
    file.close();
    const struct {
        QString path;
        int page;
        const char* context;
    } cases[] = {
        {alias.path(QStringLiteral("missing.hlp")), 5, "550"},
        {present, 10, "800"},
    };
    for (const auto& c : cases) {
        modal.clear();
        programfiles::SetHelpFile(c.path);
        Child<QStackedWidget>(window, "Notebook1")->setCurrentIndex(c.page);
        Child<QPushButton>(window, "BtnHelp")->click();
        ASSERT_EQ(modal.shown().size(), 1u) << c.context;
        EXPECT_EQ(modal.shown()[0].kind, ui::MessageKind::Error);
        EXPECT_TRUE(modal.shown()[0].text.contains(QDir::toNativeSeparators(c.path))) << modal.shown()[0].text.toStdString();
        EXPECT_TRUE(modal.shown()[0].text.contains(QLatin1String(c.context))) << modal.shown()[0].text.toStdString();
    }
}
