// The real message boxes: a question whose Yes loses someone's work warns, and
// only a deliberate Yes answers it.
#include "ui/Modal.h"
#include "tests/support/QtPrinting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

namespace {

// Where a key pressed in the box goes: the button that has the focus.
QWidget* KeyTarget(QMessageBox& box)
{
    return box.focusWidget() ? box.focusWidget() : &box;
}

} // namespace

TEST(Modal, AWarningQuestionIsAnsweredNoByReturnEscapeAndTheFrameAndYesOnlyByYes)
{
    const struct {
        const char* name;
        std::function<void(QMessageBox&)> answer;
        bool yes;
    } cases[] = {
        {"Return", [](QMessageBox& box) { QTest::keyClick(KeyTarget(box), Qt::Key_Return); }, false},
        {"Escape", [](QMessageBox& box) { QTest::keyClick(KeyTarget(box), Qt::Key_Escape); }, false},
        {"frame", [](QMessageBox& box) { box.close(); }, false},
        {"Yes", [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString caption;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            caption = box->windowTitle();
            c.answer(*box);
        });
        EXPECT_EQ(ui::AskYesNoWarning(nullptr, QStringLiteral("Overwrite it?")), c.yes);
        EXPECT_EQ(icon, QMessageBox::Warning);
        EXPECT_EQ(caption, QStringLiteral("Warning"));
    }
}

// Sentences joined by a carriage return alone stand on lines of their own, so a
// screen reader reads them as sentences, not run together.
TEST(Modal, SentencesJoinedByACarriageReturnStandOnLinesOfTheirOwn)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    ui::ShowError(nullptr, QStringLiteral("Wrong characters.\rUse letters.\r\nTry again."));
    EXPECT_EQ(shown, QStringLiteral("Wrong characters.\nUse letters.\nTry again."));
}
