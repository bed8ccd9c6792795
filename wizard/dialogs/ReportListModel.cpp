#include "wizard/dialogs/ReportListModel.h"

#include "translations/ShownWords.h"

namespace wizard {

void ReportListModel::setReports(std::vector<store::ReportEntry> reports)
{
    // Rows removed and inserted rather than the model reset, which would take the columns' widths back too.
    if (!reports_.empty()) {
        beginRemoveRows({}, 0, rowCount() - 1);
        reports_.clear();
        endRemoveRows();
    }
    if (reports.empty())
        return;
    beginInsertRows({}, 0, int(reports.size()) - 1);
    reports_ = std::move(reports);
    endInsertRows();
}

void ReportListModel::setHeaders(const QStringList& headers)
{
    headers_ = headers;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int ReportListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(reports_.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString* ReportListModel::text(const QModelIndex& index)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return nullptr;
    store::ReportEntry& report = reports_[std::size_t(index.row())];
    switch (index.column()) {
    case Description:
        return &report.description;
    case Type:
        return &report.typeWord;
    default:
        return &report.name;
    }
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const QString* shown = const_cast<ReportListModel*>(this)->text(index);
    if (!shown)
        return {};
    // The type is shown in the desktop's language; the file keeps its word.
    return index.column() == Type && role == Qt::DisplayRole ? translations::ShownTypeLine(*shown) : *shown;
}

bool ReportListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    QString* shown = role == Qt::EditRole || role == Qt::DisplayRole ? text(index) : nullptr;
    if (!shown)
        return false;
    *shown = value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headers_.size())
        return headers_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ReportListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

} // namespace wizard
