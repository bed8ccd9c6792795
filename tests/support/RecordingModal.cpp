#include "tests/support/RecordingModal.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Stands in for the box on the screen for as long as it is open: like a real
// one it takes the focus from the active window (an edit losing it runs its
// focus-out correction while the box is up) and gives it back when it closes.
void TakeTheFocusAsABoxDoes(QWidget* parent)
{
    QWidget* active = QApplication::activeWindow();
    if (!active)
        return;  // no window has the focus to lose
    QDialog box(parent);
    box.show();
    box.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }))
        << "the stand-in box did not take the focus";
    box.hide();
    active->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == active; }))
        << "the focus did not come back";
}

} // namespace

RecordingModal::RecordingModal()
{
    ui::Modal::install(this);
}

RecordingModal::~RecordingModal()
{
    ui::Modal::install(nullptr);
    EXPECT_TRUE(answers_.empty()) << "unused answers to questions";
    EXPECT_TRUE(dialogs_.empty()) << "unused dialog handlers";
}

void RecordingModal::message(QWidget* parent, ui::MessageKind kind, const QString& caption,
                             const QString& text)
{
    shown_.push_back({kind, caption, text});
    TakeTheFocusAsABoxDoes(parent);
}

bool RecordingModal::question(QWidget* parent, const QString& caption, const QString& text)
{
    shown_.push_back({ui::MessageKind::Question, caption, text});
    TakeTheFocusAsABoxDoes(parent);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const auto [yes, meanwhile] = std::move(answers_.front());
    answers_.pop_front();
    if (meanwhile)
        meanwhile();
    return yes;
}

int RecordingModal::exec(QDialog& dialog)
{
    if (dialogs_.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    auto handler = std::move(dialogs_.front());
    dialogs_.pop_front();
    const int result = handler(dialog);
    dialog.setResult(result);
    return result;
}

QStringList RecordingModal::texts() const
{
    QStringList list;
    for (const auto& s : shown_)
        list << s.text;
    return list;
}
