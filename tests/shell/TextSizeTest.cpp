// The dialogs at a large desktop font: the text grows with it and nothing is cut off.
#include "shell/HelpViewer.h"
#include "shell/TFrmSpecial.h"
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

// Every label and button of the shown dialog is as large as its text needs
// (a wrapped label as high as its text at its width), and inside the dialog.
void ExpectNothingCutOff(QDialog& dialog, const std::string& where)
{
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QList<QWidget*> texts;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        texts << label;
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts << button;
    for (QWidget* text : texts) {
        if (!text->isVisible())
            continue;
        const std::string name = where + ": " + text->objectName().toStdString();
        const auto* label = qobject_cast<QLabel*>(text);
        if (label && label->wordWrap())
            EXPECT_GE(text->height(), label->heightForWidth(text->width())) << name;
        else
            EXPECT_GE(text->width(), text->minimumSizeHint().width()) << name;
        EXPECT_GE(text->height(), text->fontMetrics().height()) << name;
        EXPECT_TRUE(dialog.rect().contains(QRect(text->mapTo(&dialog, QPoint(0, 0)), text->size()))) << name;
    }
}

} // namespace

TEST(TextSize, AtSixteenAndTwentyPointsTheDialogsGrowAndCutNothingOff)
{
    TempAlias alias;
    RecordingModal modal;
    const QFont original = QApplication::font();
    int defaultHeight = 0;
    {
        TFrmSelect select(alias.session());
        defaultHeight = QFontInfo(select.font()).pixelSize();
    }
    for (const int points : {16, 20}) {
        QFont large = original;
        large.setPointSize(points);
        QApplication::setFont(large);
        const std::string at = std::to_string(points) + " pt";
        {
            TFrmSelect select(alias.session());
            EXPECT_GT(QFontInfo(select.font()).pixelSize(), defaultHeight) << "the text follows the desktop's size";
            ExpectNothingCutOff(select, "Select A Report at " + at);
        }
        {
            ui::PickList contacts(QStringLiteral("PickContactField"));
            TFrmSpecial special(&contacts);
            ExpectNothingCutOff(special, "Special Fields at " + at);
        }
        {
            help::HelpWindow help({100, QStringLiteral("Choosing what to do"), QStringLiteral("Text.")});
            ExpectNothingCutOff(help, "Help at " + at);
        }
    }
    QApplication::setFont(original);
}
