#pragma once

#include "wizard/Wizard.h"

#include <QDialog>

namespace shell {

// The program's main window: it holds the wizard and adds start-up and the
// bottom-bar commands.
class TFrmTabrep : public QDialog {
    Q_OBJECT
public:
    explicit TFrmTabrep(store::Session& session, QWidget* parent = nullptr);
    // Lets go of the working table and removes its lock file.
    ~TFrmTabrep() override;

    // False when start-up failed (the error has been shown); the program then ends.
    bool created() const { return created_; }

    wizard::Wizard& wizard() { return *wizard_; }
    wizard::WizardState& state() { return wizard_->state(); }

    void FormCreate();
    void FormShow();
    // Removes the files an old working table and killed writers left in the alias directory; run once, after
    // the window's first paint.
    void RemoveLeftovers();

    // Bottom-bar commands and the field-selection page's dialogs.
    void btExitClick();
    void BtnSlideShowClick();
    void BtnHelpClick();
    void BtnAboutClick();
    void BtnUserClick();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    store::Session& session_;
    wizard::Wizard* wizard_;  // a child of the window
    bool created_ = false;
    bool leftoversQueued_ = false;
};

} // namespace shell
