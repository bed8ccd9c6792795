#pragma once

#include "wizard/pages/PageHooks.h"
#include <QCoreApplication>
#include <QWidget>
#include <functional>

namespace ui {
class Option;
}

namespace wizard {

// Page 5: whether the report's first column is the detail level (the CustomID field).
class DetailPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(DetailPage)

public:
    DetailPage();

    bool detailLevel() const;
    // Its part of the report's head.
    void contribute(design::Report& report) const override;
    // Turns the choice on, as a click does.
    void chooseDetailLevel(bool detailLevel);
    // Told the choice whenever it is turned on.
    void setChoiceHandler(std::function<void(bool)> handler) { onChoice_ = std::move(handler); }

private:
    void rbCustYesClick();
    void rbCustNoClick();

    ui::Option* rbCustYes = nullptr;
    ui::Option* rbCustNo = nullptr;
    std::function<void(bool)> onChoice_;
};

} // namespace wizard
