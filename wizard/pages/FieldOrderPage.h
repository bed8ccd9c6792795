#pragma once

#include "wizard/pages/PageHooks.h"
#include <QStringList>
#include <QCoreApplication>
#include <QWidget>

namespace design {
class ReportSession;
}

namespace rules {
struct FieldMove;
}

class FieldOrderList;
class QLabel;
class QListWidget;
class QPushButton;

// Page 7: the chosen fields in the order they stand on the report, moved up and
// down under the field-order rules, and the note on the detail level.
class FieldOrderPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(FieldOrderPage)

public:
    // The field-order rules follow the session's event category.
    explicit FieldOrderPage(const design::ReportSession& session);

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

    const design::ReportSession& session_;
    FieldOrderList* lbAllFields = nullptr;
    QListWidget* lbMirror = nullptr;
    QPushButton* BtnMoveUp = nullptr;
    QPushButton* BtnDown = nullptr;
    QLabel* LblCustYes = nullptr;
    QLabel* LblCustNo = nullptr;
};
