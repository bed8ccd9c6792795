#pragma once

#include "wizard/WizardForm.h"

// The program's main window: the wizard with start-up and the bottom-bar commands.
class TFrmTabrep : public WizardForm {
    Q_OBJECT
public:
    explicit TFrmTabrep(store::Session& session, QWidget* parent = nullptr);
    // Lets go of the working table and removes its lock file.
    ~TFrmTabrep() override;

    // False when start-up failed (the error has been shown); the program then ends.
    bool created() const { return created_; }

    void FormCreate();
    void FormShow();

    // Bottom-bar commands and the field-selection page's dialogs.
    void btExitClick();
    void BtnSlideShowClick();
    void BtnHelpClick();
    void BtnAboutClick();
    void BtnUserClick();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void pageBuilt(int index) override;

private:
    bool created_ = false;
};
