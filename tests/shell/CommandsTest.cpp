#include "shell/Slideshow.h"
#include "shell/TFrmTabrep.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "tests/support/FindControl.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// "2026 The tabrep maintainers", from the licence's copyright line.
QString LicenceHolder()
{
    QFile licence(QStringLiteral(TEST_DATA_DIR "/../../LICENSE"));
    EXPECT_TRUE(licence.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(licence.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("Copyright (c) ")) + 14;
    return text.mid(start, text.indexOf(u'\n', start) - start);
}

// The page machine's state, the field catalogue's and the session's event category.
QString StateText(shell::TFrmTabrep& window)
{
    auto flag = [](bool b) { return QString::number(b); };
    const wizard::WizardState& s = window.state();
    const wizard::FieldSelectionPage::Catalogue& c = window.wizard().fieldSelectionPage().catalogue();
    return QStringList{QString::number(s.PageIndex), QString(c.InfoKind), flag(s.ColumnsGridReady),
                       flag(c.ContactMemoChosen), flag(c.EventMemoChosen), QString::number(int(s.Mode)), flag(s.LayoutDirty),
                       QString::number(s.SelectedCount), flag(c.CatalogueDirty), s.ReportFileName,
                       window.wizard().report().eventCategory()}
        .join(u'|');
}

// Records the programs the slideshow would start, answering with the given result.
class RecordingStarter {
public:
    explicit RecordingStarter(bool result)
    {
        slideshow::SetStarter([this, result](const QString& program, const QStringList& arguments) {
            calls.push_back({program, arguments});
            return result;
        });
    }
    ~RecordingStarter() { slideshow::SetStarter({}); }

    std::vector<slideshow::Command> calls;
};

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

TEST(Exit, NoLeavesThePageAndStateAsTheyWereAndYesClosesTheWindow)
{
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    window.show();
    Child<QPushButton>(window, "BtnNext")->click();
    Child<QPushButton>(window, "BtnNext")->click();
    ASSERT_EQ(Child<QStackedWidget>(window, "Notebook1")->currentIndex(), 2) << modal.texts().join(u'\n').toStdString();
    const QString before = StateText(window);

    modal.answer(false);
    Child<QPushButton>(window, "btExit")->click();
    ASSERT_EQ(modal.shown().size(), 1u);
    EXPECT_EQ(modal.shown()[0].kind, ui::MessageKind::Question);
    EXPECT_EQ(modal.shown()[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(modal.shown()[0].text, QStringLiteral("Exit now. Are you sure?"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Child<QStackedWidget>(window, "Notebook1")->currentIndex(), 2);
    EXPECT_EQ(StateText(window), before);

    modal.answer(true);
    Child<QPushButton>(window, "btExit")->click();
    EXPECT_EQ(modal.shown().size(), 2u);
    EXPECT_FALSE(window.isVisible());
}

TEST(Slideshow, StartsThePlayerWithTheDataFileAsItsOneArgument)
{
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("Program Files/Tabulon"));
    ASSERT_TRUE(QDir().mkpath(dir));
    Touch(dir + QStringLiteral("/player.exe"));
    Touch(dir + QStringLiteral("/omvaddon.dmr"));
    RecordingStarter starter(true);
    EXPECT_TRUE(slideshow::StartSlideshow(dir));
    ASSERT_EQ(starter.calls.size(), 1u);
    EXPECT_EQ(starter.calls[0].program, dir + QStringLiteral("/player.exe"));
    EXPECT_EQ(starter.calls[0].arguments, QStringList{dir + QStringLiteral("/omvaddon.dmr")});
}

TEST(Slideshow, AMissingFileOrAFailedStartShowsNothing)
{
    const struct {
        bool player;
        bool data;
        bool starts;
        std::size_t calls;
    } cases[] = {{false, true, true, 0}, {true, false, true, 0}, {true, true, false, 1}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        if (c.player)
            Touch(dir.filePath(QStringLiteral("player.exe")));
        if (c.data)
            Touch(dir.filePath(QStringLiteral("omvaddon.dmr")));
        RecordingModal modal;
        RecordingStarter starter(c.starts);
        EXPECT_FALSE(slideshow::StartSlideshow(dir.path()));
        EXPECT_EQ(starter.calls.size(), c.calls);
        EXPECT_TRUE(modal.shown().empty());
    }
}

TEST(About, ShowsTheProgramNameInBoldAndClosesWithTheDefaultOkButton)
{
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    modal.onDialog([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About"));
        auto* name = Child<QLabel>(dialog, "ProductName");
        EXPECT_EQ(name->text(), QStringLiteral("Tabulon Personal"));
        EXPECT_TRUE(name->font().bold());
        EXPECT_EQ(name->alignment(), Qt::AlignCenter);
        EXPECT_EQ(Child<QLabel>(dialog, "Version")->text(), QStringLiteral("Version 2.0"));
        // The maker's details agree with the licence the program is given under.
        const QString maker = Child<QLabel>(dialog, "Copyright")->text();
        EXPECT_TRUE(maker.contains(LicenceHolder())) << maker.toStdString();
        EXPECT_TRUE(maker.contains(QStringLiteral("MIT licence")));
        EXPECT_FALSE(maker.contains(QStringLiteral("rights reserved")));
        // A screen reader says the name and the version as the box opens (it leaves short texts unread).
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(&dialog)->text(QAccessible::Description).startsWith(
            QStringLiteral("Tabulon Personal. Version 2.0. ")));
        auto* ok = Child<QPushButton>(dialog, "OKButton");
        EXPECT_TRUE(ok->isDefault());
        ok->click();
        return dialog.result();
    });
    Child<QPushButton>(window, "BtnAbout")->click();
    EXPECT_TRUE(modal.shown().empty());
}
