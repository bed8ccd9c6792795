#include "RecordingModal.h"

#include <QDialog>
#include <QStringList>
#include <gtest/gtest.h>

RecordingModal::RecordingModal()
{
    base::Modal::install(this);
}

RecordingModal::~RecordingModal()
{
    base::Modal::install(nullptr);
    EXPECT_TRUE(answers_.empty()) << "unused answers to questions";
    EXPECT_TRUE(dialogs_.empty()) << "unused dialog handlers";
}

void RecordingModal::message(QWidget*, base::MessageKind kind, const QString& caption,
                             const QString& text)
{
    shown_.push_back({kind, caption, text});
}

bool RecordingModal::question(QWidget*, const QString& caption, const QString& text)
{
    shown_.push_back({base::MessageKind::Question, caption, text});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
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
