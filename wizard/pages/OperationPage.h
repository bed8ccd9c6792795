#pragma once

#include "wizard/pages/PageHooks.h"
#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <optional>

namespace ui {
class Option;
}

class QLabel;

namespace wizard {

// Page 0: what the wizard is to do, under the product's name.
class OperationPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(OperationPage)

public:
    enum class Choice { Create, Modify, Copy, ColumnWidths, Delete };

    // What running the operation asks of the wizard around the page.
    struct Steps {
        // An operation begins: what the last one left goes. Its mode, none for a deletion.
        std::function<void(std::optional<wizard::Mode>)> begin;
        // The report selection dialog, to modify or to delete; false when cancelled.
        std::function<bool(bool deleting)> chooseReport;
        // The report chosen loaded into the pages.
        std::function<void()> load;
        // The wizard back on this page, the keyboard on it as after a turn.
        std::function<void()> stay;
    };

    explicit OperationPage(Steps steps);

    void setTitle(const QString& text);
    Choice choice() const;
    // Runs the operation chosen: a new report starts; otherwise a report is
    // chosen and loaded, or deleted. False when it ends on this page (the
    // dialog cancelled, or a report deleted), which is then shown.
    bool runOperation();
    // Left forward, the operation chosen runs.
    bool leave(wizard::PageTurn turn) override;
    // Told whenever one of its options is turned on.
    void setChoiceHandler(std::function<void()> handler) { onChoice_ = std::move(handler); }

private:
    // Any operation turned on (the field catalogue is to be filled again).
    void RBCreateClick();

    Steps steps_;
    std::function<void()> onChoice_;
    QLabel* Label1 = nullptr;
    ui::Option* RBCreate = nullptr;
    ui::Option* RbModify = nullptr;
    ui::Option* RbCopy = nullptr;
    ui::Option* RBColumn = nullptr;
    ui::Option* RbDelete = nullptr;
};

} // namespace wizard
