#pragma once

#include "store/WorkingColumns.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace store {
class Table;
}

namespace design {

// One visible column of the grid: a column of the working table, its title and
// its width in characters.
struct GridColumn {
    store::WorkingColumn column;
    QString title;
    int width = 10;
    bool readOnly = false;
};

// The rows of a design as a grid (ReportDesign::gridModel), in the order of its cursor's active index,
// kept in step with the cursor through its changed() signal. The cursor's
// current row is the grid's current row; values typed into a cell are stored in
// that row through the engine's text conversion (the row goes into edit state)
// and are posted when the cursor moves to another row. A row being inserted is
// not shown.
class FieldGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    FieldGridModel(store::Table& table, QList<GridColumn> columns, QObject* parent = nullptr);

    const QList<GridColumn>& gridColumns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Stores the text in the cell's row; a text equal to the shown value stores
    // nothing. A refusal of the engine answers false after announcing refused().
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The row the cursor stands on, -1 when it has none.
    int currentRow() const { return current_; }
    // Moves the cursor to the row, posting a pending edit first. Throws
    // base::EngineError when the post is refused; the cursor then stays.
    void moveTo(int row);

signals:
    // The engine refused text typed into the cell with the message text.
    void refused(const QModelIndex& index, const QString& typed, const QString& text);
    // The cursor stands on another row, or the rows were read anew.
    void cursorMoved(int row);

private:
    void tableChanged();
    void readAllRows();
    void readCurrentRow();
    QStringList valuesOfCurrentRow();

    store::Table& table_;
    QList<GridColumn> columns_;
    std::vector<QStringList> rows_;
    int current_ = -1;
    bool editing_ = false;
    bool reading_ = false;
};

} // namespace design
