#pragma once

#include "wizard/pages/PageHooks.h"
#include <QStringList>
#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <vector>

struct WizardState;

namespace design {
class ReportSession;
}

namespace store {
struct FieldRow;
}

namespace rules {
struct FieldMove;
}

class QLabel;
class QListWidget;
class QPushButton;

namespace wizard {

class FieldOrderList;

// Page 7: the chosen fields in the order they stand on the report, moved up and
// down under the field-order rules, and the note on the detail level.
class FieldOrderPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(FieldOrderPage)

public:
    // The list is built of the session's pick, its rows written into the
    // session's working table, once the page machine's state says that the
    // field selection changed; the field-order rules follow the session's event category.
    FieldOrderPage(design::ReportSession& session, const WizardState& machine);

    // Entered after a change of the field selection: the list built anew (FillFullList);
    // refused with nothing ticked.
    bool enter(wizard::PageTurn turn) override;
    // Left forward: the order stored in the working table (WriteFieldOrders).
    bool leave(wizard::PageTurn turn) override;
    // The list and the working table's rows built anew of the session's pick:
    // the detail level's CustomID first, the contact fields, then the event
    // fields, the memo field last. Not after Previous; false when nothing is ticked.
    bool FillFullList(wizard::PageTurn turn);
    void RecordDBType(const QString& name, int code);
    // A loaded report's fields in the report's order (the rows' orders are their
    // places in the file), the event memo field last, and the detail level's note.
    void showLoaded(const std::vector<store::FieldRow>& rows, bool detailLevel);
    void WriteFieldOrders();
    // Told the detail level each time the list is built.
    void setDetailLevelHandler(std::function<void(bool)> handler) { onDetailLevel_ = std::move(handler); }

    QStringList orderedFields() const;
    int fieldCount() const;
    // The list built again: emptied, then the fields added one by one.
    void clearFields();
    void addField(const QString& name);
    // A memo field must stay last: when the list holds name (in any letter case),
    // it is taken out, the last entry highlighted, and name appended at the end.
    void moveLast(const QString& name);
    void highlightFirst();
    // The note that says whether the detail level's CustomID leads the report.
    void showDetailLevel(bool detailLevel);

private:
    void BtnMoveUpClick();
    void BtnDownClick();
    void applyMove(const rules::FieldMove& move);
    int highlightedField() const;

    design::ReportSession& session_;
    const WizardState& machine_;
    std::function<void(bool)> onDetailLevel_;
    FieldOrderList* lbAllFields = nullptr;
    QListWidget* lbMirror = nullptr;
    QPushButton* BtnMoveUp = nullptr;
    QPushButton* BtnDown = nullptr;
    QLabel* LblCustYes = nullptr;
    QLabel* LblCustNo = nullptr;
};

} // namespace wizard
