#pragma once

#include "wizard/WizardState.h"
#include "store/ReportDeletion.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTableView;

namespace store {
class Session;
}

namespace wizard {

class ReportListModel;

// The report selection dialog: lists the reports of the alias directory and
// hands back the chosen one's bare name in small letters (SelectAction::Modify),
// or deletes the chosen report after asking (SelectAction::Delete). Creating it fills the list and
// makes the alias directory the process's current directory.
class TFrmSelect : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSelect(store::Session& session, QWidget* parent = nullptr);

    // The heading the caller puts above the list.
    void setTitle(const QString& title);
    // Set by the caller before showing the dialog.
    void setSelectMode(wizard::SelectAction mode) { SelectMode = mode; }
    // After OK in SelectAction::Modify: the chosen report's bare name, in small letters.
    const QString& chosenFileName() const { return chosenFileName_; }

    void FormCreate();
    // Fills the list; false when no report can be chosen.
    bool LoadIntoGrid();
    void BtnOkClick();
    void BtnCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString aliasDirectory() const;
    // Deletes the report named so in the list, asking before a file changed since it was listed is deleted.
    bool deleteListed(const QString& name, const store::ReportStamp& listed);

    store::Session& session_;
    wizard::SelectAction SelectMode = wizard::SelectAction::Modify;
    QString chosenFileName_;

    QLabel* LblTitle = nullptr;
    QTableView* grid = nullptr;
    ReportListModel* reports_ = nullptr;
    QLabel* lblCount = nullptr;
    QLabel* LblReports = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
};

} // namespace wizard
