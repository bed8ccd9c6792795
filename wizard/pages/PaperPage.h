#pragma once

#include "wizard/pages/PageHooks.h"
#include <QCoreApplication>
#include <QWidget>

namespace ui {
class Option;
class SpinEdit;
} // namespace ui

class QFrame;
class QLabel;

namespace wizard {

// Page 4: the paper size, which gives the printable width in tenths of an inch.
class PaperPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(PaperPage)

public:
    PaperPage();

    int printableWidth() const;
    // Its part of the report's head.
    void contribute(design::Report& report) const override;
    // A loaded report's width: the paper of that width turned on, or Other with the width shown.
    void setPrintableWidth(int width);

private:
    void RBAmPorClick();
    void RbAmLanClick();
    void RbA4PorClick();
    void RBA4LanClick();
    void RbOtherClick();
    void SpinMarginChange();
    // A standard paper: its width, fixed, shown as "(7.5\")" in the user's way of
    // writing numbers, and the panel of the other width out of sight.
    void applyPaper(int width);

    ui::Option* RBAmPor = nullptr;
    ui::Option* RbAmLan = nullptr;
    ui::Option* RbA4Por = nullptr;
    ui::Option* RBA4Lan = nullptr;
    ui::Option* RbOther = nullptr;
    QFrame* PnlPrint = nullptr;
    ui::SpinEdit* SpinMargin = nullptr;
    QLabel* LblMargin = nullptr;
};

} // namespace wizard
