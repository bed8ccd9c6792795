#include "tests/support/WizardDriver.h"

#include <QFrame>
#include <QLocale>

namespace {

// The window on the paper-size page of a new report.
class PaperSize : public WizardDriver {
protected:
    void SetUp() override
    {
        WizardDriver::SetUp();
        next();
        next();
        next();
        describe(QStringLiteral("Paper"));
        next();
        ASSERT_EQ(page(), 4);
        spin = child<ui::SpinEdit>("SpinMargin");
        panel = child<QFrame>("PnlPrint");
    }

    ui::SpinEdit* spin = nullptr;
    QFrame* panel = nullptr;
};

// The user's locale for one test, put back afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

} // namespace

TEST_F(PaperSize, EachOptionSetsTheWidthTheLabelAndThePanel)
{
    EXPECT_EQ(spin->value(), 75);
    EXPECT_EQ(text("LblMargin"), QStringLiteral("(7.5\")"));
    EXPECT_TRUE(panel->isHidden());

    const struct {
        const char* option;
        int width;
        const char* label;
        bool other;  // spin edit enabled and panel shown
    } steps[] = {
        {"RbA4Por", 77, "(7.7\")", false},
        {"RbOther", 77, "(7.7\")", true},
        {"RbAmLan", 110, "(11.0\")", false},
        {"RBA4Lan", 115, "(11.5\")", false},
        {"RbOther", 115, "(11.5\")", true},
        {"RBAmPor", 75, "(7.5\")", false},
    };
    for (const auto& s : steps) {
        click(s.option);
        EXPECT_EQ(spin->value(), s.width) << s.option;
        EXPECT_EQ(text("LblMargin"), QString::fromLatin1(s.label)) << s.option;
        EXPECT_EQ(spin->isEnabled(), s.other) << s.option;
        EXPECT_EQ(panel->isHidden(), !s.other) << s.option;
    }
    EXPECT_TRUE(modal.shown().empty());
}

TEST_F(PaperSize, ATypedWidthShowsInchesWithTheLocalesDecimalSeparator)
{
    const struct {
        QLocale locale;
        const char* typed;
        const char* label;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "200", "(20.0\")"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "5", "(0.5\")"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "100", "(10.0\")"},
        {QLocale(QLocale::German, QLocale::Germany), "200", "(20,0\")"},
        {QLocale(QLocale::German, QLocale::Germany), "75", "(7,5\")"},
    };
    for (const auto& c : cases) {
        LocaleScope scope(c.locale);
        click("RbOther");
        spin->selectAll();
        QTest::keyClicks(spin, QString::fromLatin1(c.typed));
        EXPECT_EQ(spin->value(), QString::fromLatin1(c.typed).toInt());
        EXPECT_EQ(text("LblMargin"), QString::fromLatin1(c.label)) << c.typed;

        // A fixed size afterwards hides the panel and shows its own width, written as the typed one is.
        click("RbA4Por");
        EXPECT_EQ(spin->value(), 77);
        EXPECT_EQ(text("LblMargin"), QStringLiteral("(%1\")").arg(c.locale.toString(7.7, 'f', 1)));
        EXPECT_TRUE(panel->isHidden());
    }
}
