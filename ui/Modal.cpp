#include "ui/Modal.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>

namespace ui {
namespace {

// A box asks for an answer, so it shows the arrow even while an hourglass stands.
class ArrowWhileAsking {
public:
    ArrowWhileAsking() : busy_(QApplication::overrideCursor() != nullptr)
    {
        if (busy_)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileAsking()
    {
        if (busy_)
            QApplication::restoreOverrideCursor();
    }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

private:
    bool busy_;
};

// Closing a modal window hands the keyboard back to the window it was opened
// from. A window manager busy with one closing when the next comes (a message
// box, then the dialog under it) may activate no window at all, and without one
// nothing is active: the keyboard then does nothing and a screen reader is silent.
void GiveBack(QWidget* parent)
{
    QWidget* window = parent ? parent->window() : nullptr;
    if (window && window->isVisible())
        window->activateWindow();
}

// A message's sentences may be joined by a carriage return alone; shown on lines
// of their own, they are also read as sentences of their own, not run together.
QString Lines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

class WidgetModal final : public Modal {
public:
    void message(QWidget* parent, MessageKind kind, const QString& caption,
                 const QString& text) override
    {
        if (kind == MessageKind::Error)
            QApplication::beep();
        const auto icon = kind == MessageKind::Error     ? QMessageBox::Critical
                          : kind == MessageKind::Warning ? QMessageBox::Warning
                                                         : QMessageBox::Information;
        QMessageBox box(icon, caption, Lines(text), QMessageBox::Ok, parent);
        const ArrowWhileAsking arrow;
        box.exec();
        GiveBack(parent);
    }

    bool question(QWidget* parent, const QString& caption, const QString& text) override
    {
        return ask(parent, QMessageBox::Information, caption, text, QMessageBox::Yes);
    }

    bool warningQuestion(QWidget* parent, const QString& caption, const QString& text) override
    {
        return ask(parent, QMessageBox::Warning, caption, text, QMessageBox::No);
    }

    int exec(QDialog& dialog) override
    {
        const ArrowWhileAsking arrow;
        const int result = dialog.exec();
        GiveBack(dialog.parentWidget());
        return result;
    }

private:
    // Escape, and the window frame's close, answer No.
    static bool ask(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                    QMessageBox::StandardButton preset)
    {
        QMessageBox box(icon, caption, Lines(text), QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(preset);
        box.setEscapeButton(QMessageBox::No);
        const ArrowWhileAsking arrow;
        const bool yes = box.exec() == QMessageBox::Yes;
        GiveBack(parent);
        return yes;
    }
};

WidgetModal widgetModal;
Modal* installed = nullptr;

} // namespace

Modal& Modal::current()
{
    return installed ? *installed : widgetModal;
}

void Modal::install(Modal* modal)
{
    installed = modal;
}

void ShowError(QWidget* parent, const QString& text)
{
    Modal::current().message(parent, MessageKind::Error, QCoreApplication::translate("Modal", "Error"), text);
}

void ShowInformation(QWidget* parent, const QString& text)
{
    Modal::current().message(parent, MessageKind::Information, QCoreApplication::translate("Modal", "Information"), text);
}

void ShowWarning(QWidget* parent, const QString& text)
{
    Modal::current().message(parent, MessageKind::Warning, QCoreApplication::translate("Modal", "Warning"), text);
}

bool AskYesNo(QWidget* parent, const QString& text)
{
    return Modal::current().question(parent, QCoreApplication::translate("Modal", "Information"), text);
}

bool AskYesNoWarning(QWidget* parent, const QString& text)
{
    return Modal::current().warningQuestion(parent, QCoreApplication::translate("Modal", "Warning"), text);
}

int ExecModal(QDialog& dialog)
{
    return Modal::current().exec(dialog);
}

} // namespace ui
