#pragma once

#include "wizard/pages/PageHooks.h"
#include <QCoreApplication>
#include <QWidget>
#include <functional>

struct WizardState;

namespace ui {
class SpinEdit;
}

namespace rules {
struct ColumnLayout;
}

class QLabel;
class QTableWidget;

// Page 8: the number of columns, and the preview of the block of columns and
// rows the fields are laid out in.
class ColumnsPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(ColumnsPage)

public:
    explicit ColumnsPage(WizardState& state);

    int columnCount() const;
    void setColumnCount(int columns);
    // The rows of the preview shown, at least one.
    int previousRows() const;
    void showLayout(const rules::ColumnLayout& layout);
    void showDetailLevel(bool detailLevel);
    void focusColumns();
    // Told when the column count changed while the preview is not being built.
    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    void SpinColChange();
    void SpinColClick();

    WizardState& state_;
    ui::SpinEdit* SpinCol = nullptr;
    QLabel* Label111 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QLabel* LblCustYes2 = nullptr;
    std::function<void()> onChange_;
};
