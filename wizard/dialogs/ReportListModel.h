#pragma once

#include "store/ReportDirectory.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace wizard {

// The rows of the selection dialog over the listed reports themselves, three
// columns (description, type, name), rather than a cell object per value: a
// text becomes a QVariant only when it is shown. A text set later (EditRole)
// is shown in its place, as the grid's cells took one. The type's word is
// shown in the desktop's language.
class ReportListModel : public QAbstractTableModel {
public:
    enum Column { Description, Type, Name, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setReports(std::vector<store::ReportEntry> reports);
    void setHeaders(const QStringList& headers);
    const store::ReportEntry& report(int row) const { return reports_[std::size_t(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString* text(const QModelIndex& index);

    std::vector<store::ReportEntry> reports_;
    QStringList headers_;
};

} // namespace wizard
