#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace ui {

enum class MessageKind { Error, Information, Question, Warning };

// Every message box and every modal dialog of the program goes through the
// installed Modal, so tests can answer them and read back what was shown.
class Modal {
public:
    virtual ~Modal() = default;

    // Error (after the exclamation beep), information or warning box with one OK button.
    virtual void message(QWidget* parent, MessageKind kind, const QString& caption,
                         const QString& text) = 0;
    // Information box with Yes and No; true only for Yes.
    virtual bool question(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Warning box with Yes and No for a question whose Yes loses someone's work:
    // No is the default, so Return and Escape answer No. True only for Yes.
    // Without an override it is asked as a question.
    virtual bool warningQuestion(QWidget* parent, const QString& caption, const QString& text)
    {
        return question(parent, caption, text);
    }
    // Shows the dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog& dialog) = 0;

    static Modal& current();
    // Installs a replacement (tests); nullptr restores the real message boxes.
    static void install(Modal* modal);
};

void ShowError(QWidget* parent, const QString& text);
void ShowInformation(QWidget* parent, const QString& text);
void ShowWarning(QWidget* parent, const QString& text);
bool AskYesNo(QWidget* parent, const QString& text);
bool AskYesNoWarning(QWidget* parent, const QString& text);
int ExecModal(QDialog& dialog);

} // namespace ui
