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

namespace rules {
struct SummaryBoxes;
}

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// Page 10: the report's fields, and for the one picked its column header, its
// dot leaders and trailers and the summaries its type offers, each bound to a
// column of the field's working-table row; and Make Report.
class FieldDefinitionsPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(FieldDefinitionsPage)
public:
    FieldDefinitionsPage();

    // The list of the report's fields, in report order, none picked.
    void showFields(const QStringList& fields);
    // The field picked in the list; none when no entry is.
    std::optional<QString> pickedField() const;
    // The keyboard in the list and its first field picked, which the pick
    // handler is not told; false, doing nothing, when the list is out of sight.
    bool pickFirstField();
    // The bound controls show the picked field's row: its header and flags;
    // without a row, an empty header and no flag.
    void showDefinition(const std::optional<store::FieldRow>& row);
    // The summary boxes the picked field offers shown, the others hidden.
    void offerSummaries(const rules::SummaryBoxes& offered);

    // Told when another field is picked in the list.
    void setPickHandler(std::function<void()> handler);
    // Told the header's text as the user edits it, and a flag and its state
    // as the user clicks its box.
    void setEditHandlers(std::function<void(const QString& header)> header,
                         std::function<void(store::FieldFlag flag, bool on)> flag);
    // Told when Make Report is clicked.
    void setMakeReportHandler(std::function<void()> handler);
    // Told when Preview is clicked.
    void setPreviewHandler(std::function<void()> handler);

private:
    struct Flag {
        QCheckBox* box;
        store::FieldFlag flag;
    };

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
