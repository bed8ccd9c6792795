// The dialogs at a large desktop font: the text grows with it and nothing is cut off.
#include "shell/HelpViewer.h"
#include "shell/TFrmSpecial.h"
#include "tests/support/CutOff.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"
#include "ui/PickList.h"
#include "wizard/dialogs/TFrmSelect.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

void ExpectNothingCutOff(QDialog& dialog, const std::string& where)
{
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ::ExpectNothingCutOff(dialog, dialog, where);
}

} // namespace

TEST(TextSize, AtSixteenAndTwentyPointsTheDialogsGrowAndCutNothingOff)
{
    TempAlias alias;
    RecordingModal modal;
    const QFont original = QApplication::font();
    int defaultHeight = 0;
    {
        wizard::TFrmSelect select(alias.session());
        defaultHeight = QFontInfo(select.font()).pixelSize();
    }
    for (const int points : {16, 20}) {
        QFont large = original;
        large.setPointSize(points);
        QApplication::setFont(large);
        const std::string at = std::to_string(points) + " pt";
        {
            wizard::TFrmSelect select(alias.session());
            EXPECT_GT(QFontInfo(select.font()).pixelSize(), defaultHeight) << "the text follows the desktop's size";
            ExpectNothingCutOff(select, "Select A Report at " + at);
        }
        {
            shell::TFrmSpecial special({});
            ExpectNothingCutOff(special, "Special Fields at " + at);
        }
        {
            help::HelpWindow help({100, QStringLiteral("Choosing what to do"), QStringLiteral("Text.")});
            ExpectNothingCutOff(help, "Help at " + at);
        }
    }
    QApplication::setFont(original);
}
