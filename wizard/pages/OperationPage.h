#pragma once

#include "wizard/pages/PageHooks.h"
#include <QCoreApplication>
#include <QWidget>

struct WizardState;

namespace ui {
class Option;
}

class QLabel;

// Page 0: what the wizard is to do, under the product's name.
class OperationPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(OperationPage)

public:
    enum class Choice { Create, Modify, Copy, ColumnWidths, Delete };

    explicit OperationPage(WizardState& state);

    void setTitle(const QString& text);
    Choice choice() const;

private:
    // Any operation turned on: the field catalogue is to be filled again.
    void RBCreateClick();

    WizardState& state_;
    QLabel* Label1 = nullptr;
    ui::Option* RBCreate = nullptr;
    ui::Option* RbModify = nullptr;
    ui::Option* RbCopy = nullptr;
    ui::Option* RBColumn = nullptr;
    ui::Option* RbDelete = nullptr;
};
