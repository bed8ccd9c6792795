// The wizard on a German desktop: its texts and Qt's in German, and the files it
// writes byte for byte those it writes in English.
#include "tests/support/WizardDriver.h"
#include "translations/Translations.h"

#include <QCoreApplication>
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
}

// The same steps as the English tests of report creation, and the same bytes.
TEST_F(GermanWizard, WritesAContactReportWithTheDetailLevelByteForByteAsInEnglish)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Phone List");
    tick("PickContactField", "LastName");
    nextTo(10);
    saveAs(QStringLiteral("phones"));
    click("btMakeReport");
    EXPECT_EQ(bytes(QStringLiteral("phones.rpt")),
              Crlf({"Phone List", "Contact", "Contact", "75", "2",
                    "0", "", "", "CustomID", "CustomID", "1", "1", "25", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "LastName", "LastName", "1", "26", "49", "FALSE", "FALSE", "FALSE", "FALSE",
                    "FALSE"}));
}

TEST_F(GermanWizard, WritesACalendarReportWithEventFieldsByteForByteAsInEnglish)
{
    createUpToFieldSelection("rbDateOrdered", nullptr, "Calendar", "RBA4Lan", "rbCustNo");
    tick("PickEventField", "Event subject");
    tick("PickEventField", "Event date");
    tick("PickContactField", "LastName");
    nextTo(10);
    saveAs(QStringLiteral("calevent"));
    click("btMakeReport");
    EXPECT_EQ(bytes(QStringLiteral("calevent.rpt")),
              Crlf({"Calendar", "Calendar", "Event", "115", "3",
                    "0", "", "", "LastName", "LastName", "1", "1", "38", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "1", "", "", "EventDate", "EventDate", "1", "39", "76", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "1", "", "", "Summary", "Summary", "1", "77", "114", "FALSE", "FALSE", "FALSE", "FALSE",
                    "FALSE"}));
}
