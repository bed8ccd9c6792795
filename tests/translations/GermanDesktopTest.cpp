// The wizard on a German desktop: its texts and Qt's in German, and the files it
// writes byte for byte those it writes in English.
#include "tests/support/ExpectedReports.h"
#include "tests/support/CutOff.h"
#include "translations/Translations.h"
#include "wizard/dialogs/TFrmColumn.h"
#include "wizard/dialogs/TFrmFilename.h"
#include "wizard/dialogs/TFrmSelect.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QKeySequence>
#include <QSet>
#include <QLocale>
#include <QTranslator>

namespace {

// A German desktop while it lives: the default locale, and the translations the
// program installs for it (taken back by deleting them).
class GermanDesktop {
public:
    GermanDesktop()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        translations::Install(*QCoreApplication::instance());
    }
    ~GermanDesktop()
    {
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        QLocale::setDefault(previous_);
    }

private:
    QLocale previous_;
};

// Built before the window, so the window is made in German.
class GermanWizard : public GermanDesktop, public ShownWizardDriver {};

} // namespace

TEST_F(GermanWizard, ShowsGermanTextsAndQtsOwnInGerman)
{
    EXPECT_EQ(translations::Language(), QStringLiteral("de"));
    EXPECT_EQ(child<QAbstractButton>("RBCreate")->text(), QStringLiteral("&Neuen Bericht erstellen"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    next();
    EXPECT_EQ(child<QWidget>("Page2")->accessibleName(), QStringLiteral("Berichtsart"));
    // The wizard's own messages too.
    click("RbContactOrdered");
    next();
    click("RBContact");
    next();
    next();
    EXPECT_EQ(modal.texts(), QStringList{QStringLiteral("Sie müssen eine Beschreibung eingeben.")});
}

// The same steps as the English tests of report creation, and the same bytes.
TEST_F(GermanWizard, WritesAContactReportWithTheDetailLevelByteForByteAsInEnglish)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Phone List");
    tick("PickContactField", "LastName");
    nextTo(10);
    saveAs(QStringLiteral("phones"));
    click("btMakeReport");
    EXPECT_EQ(bytes(QStringLiteral("phones.rpt")), PhoneListReport());
}

TEST_F(GermanWizard, WritesACalendarReportWithEventFieldsByteForByteAsInEnglish)
{
    createUpToFieldSelection("rbDateOrdered", nullptr, "Calendar", "RBA4Lan", "rbCustNo");
    // The event fields as a German desktop lists them; the file holds their stored names.
    tick("PickEventField", "Betreff des Ereignisses");
    tick("PickEventField", "Datum des Ereignisses");
    tick("PickContactField", "LastName");
    nextTo(10);
    saveAs(QStringLiteral("calevent"));
    click("btMakeReport");
    EXPECT_EQ(bytes(QStringLiteral("calevent.rpt")), CalendarEventReport());
}

// In German every page and the bar under it keep their accelerators apart, and
// the bar and the last page speak German.
TEST_F(GermanWizard, NoTwoControlsOfAPageAndTheBarShareAnAccelerator)
{
    expectAcceleratorsApart();
    EXPECT_EQ(child<QAbstractButton>("BtnNext")->text(), QStringLiteral("&Weiter"));
    EXPECT_EQ(child<QAbstractButton>("btMakeReport")->text(), QStringLiteral("Bericht &erstellen"));
}

// The fixed-size dialogs in German, at the default size and at 16 points: the
// save dialog, the column-width editor and the user fields cut no text off.
TEST_F(GermanWizard, TheFixedDialogsCutNothingOffAtNineAndSixteenPoints)
{
    const QFont original = QApplication::font();
    for (const int points : {9, 16}) {
        QFont font = original;
        font.setPointSize(points);
        QApplication::setFont(font);
        const std::string at = " at " + std::to_string(points) + " pt";
        auto whole = [&](QDialog& dialog, const std::string& where) {
            dialog.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            ExpectNothingCutOff(dialog, dialog, where + at);
            dialog.hide();
        };
        {
            wizard::TFrmFilename save(alias.session(), QStringLiteral("Telefonliste"));
            whole(save, "save dialog");
        }
        {
            wizard::TFrmColumn editor(alias.session(), QStringLiteral("Telefonliste"), 75);
            whole(editor, "column-width editor");
        }
        modal.onDialog([&](QDialog& dialog) {
            whole(dialog, "user fields");
            auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
            const QString heading = grid->item(0, 0)->text();
            const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
            EXPECT_GE(grid->columnWidth(0), QFontMetrics(grid->font()).horizontalAdvance(heading) + 2 * margin)
                << heading.toStdString() << at;
            return int(QDialog::Accepted);
        });
        child<QPushButton>("BtnUser")->click();
    }
    QApplication::setFont(original);
}

// The selection dialog shows a report's type in German, a line naming no type as it stands,
// and its count on one line with its word; the file keeps its English word.
TEST_F(GermanWizard, TheSelectionDialogShowsTheTypesInGermanAndTheCountOnOneLine)
{
    writeReport(QStringLiteral("cal.rpt"), "Termine\r\ncalendar\r\n");
    writeReport(QStringLiteral("odd.rpt"), "Seltsam\r\nKalendar\r\n");
    const QFont original = QApplication::font();
    for (const int points : {9, 16}) {
        QFont font = original;
        font.setPointSize(points);
        QApplication::setFont(font);
        const std::string at = "selection dialog at " + std::to_string(points) + " pt";
        wizard::TFrmSelect select(alias.session());
        const QAbstractItemModel& rows = *select.findChild<QTableView*>(QStringLiteral("grid"))->model();
        QHash<QString, QString> types;
        for (int row = 0; row < rows.rowCount(); ++row)
            types[rows.index(row, 0).data().toString()] = rows.index(row, 1).data().toString();
        EXPECT_EQ(types.value(QStringLiteral("Termine")), QStringLiteral("Kalender")) << at;
        EXPECT_EQ(types.value(QStringLiteral("Seltsam")), QStringLiteral("Kalendar")) << at;
        select.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&select));
        ExpectNothingCutOff(select, select, at);
        ExpectOnOneLine(*select.findChild<QLabel*>(QStringLiteral("lblCount")),
                        *select.findChild<QLabel*>(QStringLiteral("LblReports")), select, at);
    }
    QApplication::setFont(original);
    EXPECT_TRUE(bytes(QStringLiteral("cal.rpt")).startsWith("Termine\r\ncalendar\r\n"));
}
