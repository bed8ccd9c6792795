#pragma once

#include "wizard/pages/PageHooks.h"
#include "store/report/ReportWords.h"
#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <optional>

namespace ui {
class Option;
}

namespace wizard {

// Page 1: a report ordered by contact or by date.
class ReportTypePage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(ReportTypePage)

public:
    ReportTypePage();

    bool dateOrdered() const;
    // Its part of the report's head.
    void contribute(design::Report& report) const override;
    // Turns the type on, as a click does.
    void chooseDateOrdered(bool dateOrdered);
    // A loaded report's type turned on; a line that names none keeps the option on.
    void loadType(std::optional<store::ReportType> type);
    // Told whenever one of its options is turned on.
    void setChoiceHandler(std::function<void()> handler) { onChoice_ = std::move(handler); }

private:
    // The type turned on (the field catalogue is to be filled again).
    void Notebook1Click();

    std::function<void()> onChoice_;
    ui::Option* RbContactOrdered = nullptr;
    ui::Option* rbDateOrdered = nullptr;
};

} // namespace wizard
