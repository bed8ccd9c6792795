#pragma once

#include "wizard/pages/PageHooks.h"
#include "store/report/FieldRow.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

struct WizardState;

namespace design {
class HostTables;
class ReportSession;
} // namespace design

namespace rules {
struct SummaryBoxes;
}

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace wizard {

// Page 10: the report's fields, and for the one picked its column header, its
// dot leaders and trailers and the summaries its type offers, each bound to a
// column of the field's row in the session, which the page edits as the
// session's current row; and Make Report. The fields come in the order list's
// order as orderedFields gives them; a field's type is the host tables'.
// window is the parent of the messages of a failed edit.
class FieldDefinitionsPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(FieldDefinitionsPage)
public:
    FieldDefinitionsPage(const WizardState& state, design::ReportSession& session, design::HostTables& hostTables,
                         std::function<QStringList()> orderedFields, QWidget* window);

    // The list of the report's fields shown, none picked.
    bool enter(wizard::PageTurn turn) override;
    // The keyboard in the list, its first field picked and its definition shown.
    void shown() override;
    // The field picked in the list becomes the session's current row: its
    // definition shown (through the rows' change), the summaries its type offers.
    void LBFieldDefsClick(QObject* Sender);
    // The summary boxes that the current row's field offers.
    void CheckFieldTypes();

    // The bound controls show the picked field's row: its header and flags;
    // without a row, an empty header and no flag.
    void showDefinition(const std::optional<store::FieldRow>& row);

    // Told when Make Report is clicked.
    void setMakeReportHandler(std::function<void()> handler);
    // Told when Preview is clicked.
    void setPreviewHandler(std::function<void()> handler);

private:
    struct Flag {
        QCheckBox* box;
        store::FieldFlag flag;
    };

    // The list of the report's fields, in report order, none picked.
    void showFields(const QStringList& fields);
    // The field picked in the list; none when no entry is.
    std::optional<QString> pickedField() const;
    // The keyboard in the list and its first field picked, which the pick
    // handler is not told; false, doing nothing, when the list is out of sight.
    bool pickFirstField();
    // The summary boxes the picked field offers shown, the others hidden.
    void offerSummaries(const rules::SummaryBoxes& offered);
    // An edit of the header or a flag is stored on the current row, when there is one.
    void bindFieldDefinitions();
    void refreshBoundControls();

    const WizardState& state_;
    design::ReportSession& session_;
    design::HostTables& hostTables_;
    std::function<QStringList()> orderedFields_;
    QWidget* window_;
    QListWidget* LBFieldDefs = nullptr;
    QLineEdit* DBEdit1 = nullptr;
    QCheckBox* cbDotLead = nullptr;
    QCheckBox* cbDotTrail = nullptr;
    QCheckBox* DBCBCount = nullptr;
    QCheckBox* DBCBMax = nullptr;
    QCheckBox* DBCBMin = nullptr;
    QCheckBox* DBCBTotal = nullptr;
    QCheckBox* DBCBAverage = nullptr;
    QPushButton* btMakeReport = nullptr;
    QPushButton* btPreview = nullptr;
    std::vector<Flag> flags_;
};

} // namespace wizard
