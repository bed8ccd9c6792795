// How the pages look: where the titles stand and which font the buttons use.
#include "tests/support/CutOff.h"
#include "tests/support/WizardDriver.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>

namespace {

using PageLook = ShownWizardDriver;

// The title of the page shown: its bold label drawn 29 pixels high at the default
// font (the fonts are set in points, so they follow the desktop's size), placed in the window.
QRect TitleOnShownPage(QWidget& window)
{
    QWidget* page = window.findChild<QStackedWidget*>(QStringLiteral("Notebook1"))->currentWidget();
    for (QLabel* label : page->findChildren<QLabel*>())
        if (QFontInfo(label->font()).pixelSize() == 29 && label->font().bold())
            return {label->mapTo(&window, QPoint(0, 0)), label->size()};
    ADD_FAILURE() << "no title on " << page->objectName().toStdString();
    return {};
}

} // namespace

TEST_F(PageLook, EveryTitleStandsAtTheSameHeightAndOnlyTheBarAndPageSixUseTheSmallButtonFont)
{
    click("RBCreate");
    QRect firstTitle;
    for (int target = 1; target <= 10; ++target) {
        if (target == 4)
            type("EdDescription", QStringLiteral("Looks"));
        if (target == 7)
            tick("PickContactField", QStringLiteral("LastName"));
        next();
        ASSERT_EQ(page(), target) << messages();
        const QRect title = TitleOnShownPage(window);
        if (target == 1)
            firstTitle = title;
        // A title is drawn centred in its label's height: the centres meet.
        EXPECT_NEAR(title.center().y(), firstTitle.center().y(), 1) << "page " << target;
    }

    const struct {
        const char* button;
        const char* family;
        int pixels;
    } fonts[] = {
        {"BtnMoveUp", "Liberation Serif", 16}, {"BtnDown", "Liberation Serif", 16},
        {"BtnCheck", "Liberation Serif", 16},  {"btMakeReport", "Liberation Serif", 16},
        {"BitBtn2", "Liberation Sans", 11},    {"BtnUser", "Liberation Sans", 11},
        {"BtnNext", "Liberation Sans", 11},
    };
    for (const auto& f : fonts) {
        const QFont font = child(f.button)->font();
        EXPECT_EQ(font.family(), QLatin1String(f.family)) << f.button;
        EXPECT_EQ(QFontInfo(font).pixelSize(), f.pixels) << f.button;
    }
}

namespace {

// The desktop's font at some points while a window is made and shown.
class DesktopFont {
public:
    explicit DesktopFont(int points) : original_(QApplication::font())
    {
        QFont large = original_;
        large.setPointSize(points);
        QApplication::setFont(large);
    }
    ~DesktopFont() { QApplication::setFont(original_); }

private:
    QFont original_;
};

class LargeTextPages : public testing::WithParamInterface<int>, public DesktopFont, public ShownWizardDriver {
protected:
    LargeTextPages() : DesktopFont(GetParam()) {}
};

} // namespace

TEST_P(LargeTextPages, EveryPageGrowsWithTheDesktopFontAndCutsNothingOff)
{
    EXPECT_GT(window.width(), 624);
    click("RBCreate");
    for (int target = 0; target <= 10; ++target) {
        if (target > 0) {
            if (target == 4)
                type("EdDescription", QStringLiteral("Large"));
            if (target == 7)
                tick("PickContactField", QStringLiteral("LastName"));
            next();
        }
        ASSERT_EQ(page(), target) << messages();
        ExpectNothingCutOff(window, window, std::to_string(GetParam()) + " pt, page " + std::to_string(target));
    }
}

INSTANTIATE_TEST_SUITE_P(Points, LargeTextPages, testing::Values(16, 20));
