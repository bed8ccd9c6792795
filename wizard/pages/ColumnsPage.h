#pragma once

#include "wizard/pages/PageHooks.h"
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>
#include <functional>

struct WizardState;

namespace design {
class ReportSession;
}

namespace ui {
class SpinEdit;
}

namespace rules {
struct ColumnLayout;
}

class QLabel;
class QTableWidget;

namespace wizard {

// Page 8: the number of columns, and the preview of the block of columns and
// rows the fields are laid out in, a layout which the session keeps for the
// default positions of page 9. The fields come in the order list's order, as
// orderedFields gives them; the detail level is the session's head's; window
// is the parent of the page's messages.
class ColumnsPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(ColumnsPage)

public:
    ColumnsPage(WizardState& state, design::ReportSession& session, std::function<QStringList()> orderedFields,
                QWidget* window);

    // Entered forward: the fields laid out anew (see fieldsChanged).
    bool enter(wizard::PageTurn turn) override;
    // The keyboard in the Columns box.
    void shown() override;
    // The fields picked changed: a single column becomes one per field, and
    // the fields are laid out.
    void fieldsChanged();
    // Lays the fields out over the columns: the preview shown and kept in the
    // session; when the fields need more rows than there are, says so.
    void SetGrid();

    int columnCount() const;
    void setColumnCount(int columns);
    void showLayout(const rules::ColumnLayout& layout);
    void showDetailLevel(bool detailLevel);

private:
    // The rows of the preview shown, at least one.
    int previousRows() const;
    void SpinColChange();
    void SpinColClick();

    WizardState& state_;
    design::ReportSession& session_;
    std::function<QStringList()> orderedFields_;
    QWidget* window_;
    ui::SpinEdit* SpinCol = nullptr;
    QLabel* Label111 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QLabel* LblCustYes2 = nullptr;
};

} // namespace wizard
