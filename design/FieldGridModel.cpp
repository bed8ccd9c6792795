#include "design/FieldGridModel.h"

#include "base/Error.h"
#include "store/engine/Table.h"

#include <QCoreApplication>

namespace design {

namespace {

// The indicator column marks the current row, and the row being edited.
const QString CurrentRowMark = QString(QChar(0x25B6));
const QString EditedRowMark = QStringLiteral("I");

// Walks the cursor without announcing each step; the flag keeps the model from
// answering its own walk.
class QuietWalk {
public:
    QuietWalk(store::Table& table, bool& walking) : table_(table), walking_(walking)
    {
        walking_ = true;
        table_.DisableControls();
    }
    ~QuietWalk()
    {
        table_.EnableControls();
        walking_ = false;
    }
    QuietWalk(const QuietWalk&) = delete;
    QuietWalk& operator=(const QuietWalk&) = delete;

private:
    store::Table& table_;
    bool& walking_;
};

} // namespace

FieldGridModel::FieldGridModel(store::Table& table, QList<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns))
{
    connect(&table_, &store::Table::changed, this, &FieldGridModel::tableChanged);
    tableChanged();
}

int FieldGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int FieldGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant FieldGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        // Always text: the cell editor is a line edit, and the engine converts what is typed.
        return rows_[index.row()][index.column()];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant FieldGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= int(columns_.size()))
            return {};
        if (role == Qt::DisplayRole)
            return columns_[section].title;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        return {};
    }
    if (role == Qt::DisplayRole)
        return section == current_ ? (editing_ ? EditedRowMark : CurrentRowMark) : QString();
    // What the mark means, in words, for a screen reader.
    if (role == Qt::AccessibleTextRole)
        return section == current_
                   ? (editing_ ? QCoreApplication::translate("FieldGridModel", "Current row, being edited")
                               : QCoreApplication::translate("FieldGridModel", "Current row"))
                   : QCoreApplication::translate("FieldGridModel", "Row %1").arg(section + 1);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags FieldGridModel::flags(const QModelIndex& index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!columns_[index.column()].readOnly)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool FieldGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)
        || columns_[index.column()].readOnly)
        return false;
    const int row = index.row();
    const int column = index.column();
    const QString typed = value.toString();
    if (typed == rows_[row][column])
        return true;
    try {
        if (row != current_)
            moveTo(row);
        table_.FieldByName(store::ColumnText(columns_[column].column)).SetAsString(typed);
    } catch (const std::exception& failure) {
        // Qt's views must not see the exception: the grid's owner shows the message.
        emit refused(this->index(row, column), typed, base::FailureText(failure));
        return false;
    }
    return true;
}

void FieldGridModel::moveTo(int row)
{
    table_.SetRecNo(row + 1);
}

void FieldGridModel::tableChanged()
{
    if (reading_)
        return;
    if (!table_.Active()) {
        beginResetModel();
        rows_.clear();
        current_ = -1;
        editing_ = false;
        endResetModel();
        emit cursorMoved(current_);
        return;
    }
    if (table_.State() == store::TableState::Browse)
        readAllRows();
    else if (table_.State() == store::TableState::Edit)
        readCurrentRow();
}

QStringList FieldGridModel::valuesOfCurrentRow()
{
    QStringList values;
    for (const GridColumn& column : columns_)
        values << table_.FieldByName(store::ColumnText(column.column)).AsString();
    return values;
}

void FieldGridModel::readAllRows()
{
    std::vector<QStringList> rows;
    int current = -1;
    {
        const QuietWalk quiet(table_, reading_);
        const bool atEnd = table_.Eof();
        const int recNo = table_.RecNo();
        for (table_.First(); !table_.Eof(); table_.Next())
            rows.push_back(valuesOfCurrentRow());
        // The walk ends on the last row at the end, where a cursor at its end already stood.
        if (!atEnd && recNo > 0)
            table_.SetRecNo(recNo);
        current = table_.RecNo() - 1;
    }
    const int previous = current_;
    const bool sameCount = rows.size() == rows_.size();
    if (!sameCount)
        beginResetModel();
    rows_ = std::move(rows);
    current_ = current;
    editing_ = false;
    if (!sameCount) {
        endResetModel();
    } else if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
    if (!sameCount || current_ != previous)
        emit cursorMoved(current_);
}

void FieldGridModel::readCurrentRow()
{
    const int row = table_.RecNo() - 1;
    if (row < 0 || row >= int(rows_.size()))
        return;
    rows_[row] = valuesOfCurrentRow();
    const int previous = current_;
    current_ = row;
    editing_ = true;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, std::min(row, std::max(previous, 0)), std::max(row, previous));
    if (current_ != previous)
        emit cursorMoved(current_);
}

} // namespace design
