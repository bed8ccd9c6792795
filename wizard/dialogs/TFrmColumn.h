#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QModelIndex;
class QPushButton;
class QShowEvent;
class QTableView;

namespace store {
class Session;
class Table;
} // namespace store

namespace design {
class FieldGridModel;
class ReportDesign;
} // namespace design

namespace wizard {

// The column-width editor: the lines and margins of an existing report's fields,
// in a grid on a second, shared cursor of the working table. OK stores the row
// being edited and has the caller rewrite the report (setWriteReport); the
// dialog closes with OK only once that is done. Cancel rejects; rows already
// posted stay changed in the working table.
class TFrmColumn : public QDialog {
    Q_OBJECT
public:
    // description: the report's description; margin: the right-margin maximum in
    // tenths of an inch. The cursor is opened on TRDATA.DB of store::DatabaseAlias.
    TFrmColumn(store::Session& session, const QString& description, int margin, QWidget* parent = nullptr);
    ~TFrmColumn() override;

    // The editor's own view of the report being designed.
    design::ReportDesign& design() { return *design_; }
    // The category whose event fields the report holds, for the layout's labels.
    void setEventCategory(const QString& category) { eventCategory_ = category; }
    // What OK does once the row being edited is stored: rewrites the report and
    // says so. True closes the dialog; false (the user decided against writing)
    // and a failure (shown by the dialog's error handling) keep it open, with the edits.
    void setWriteReport(std::function<bool()> write) { writeReport_ = std::move(write); }
    // What Preview does: shows the report as the editor has it.
    void setPreview(std::function<void()> open) { openPreview_ = std::move(open); }
    // The preview's Apply: the field's row gets the span as if typed into its cells; then the check runs.
    void applySpan(const QString& field, int left, int right);

    void FormShow();
    void BtnCheckClick();
    void BtnOKClick();
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A value or a row the engine refused: the message is shown, and the user put
    // back on the cell (with the typed text in its editor), once the grid has
    // finished the event in which it happened.
    struct Refusal {
        QString text;
        int row = -1;
        int column = 0;
        std::optional<QString> typed;
    };

    void buildControls();
    void buildGrid();
    void openTable();
    void addLayoutView();

    bool commitEditor();
    void closeEditor();
    void refuse(const Refusal& refusal);
    void showRefusal();
    void gridCurrentChanged(const QModelIndex& current, const QModelIndex& previous);
    void followCursor(int row);
    void placeGridCursor(int row, int column);

    QLabel* LblReportName = nullptr;
    QLabel* LblRightJust = nullptr;
    QLabel* LblMargin = nullptr;
    QTableView* DBGrid1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* BtnCheck = nullptr;
    QPushButton* BtnPreview = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BitBtn1 = nullptr;

    std::unique_ptr<design::ReportDesign> design_;
    design::FieldGridModel* model_ = nullptr;
    QString eventCategory_;
    std::function<bool()> writeReport_;
    std::function<void()> openPreview_;
    std::optional<Refusal> refusal_;
    bool placingGridCursor_ = false;
};

} // namespace wizard
