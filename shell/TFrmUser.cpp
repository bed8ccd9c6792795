#include "shell/TFrmUser.h"

#include "ui/DialogKit.h"
#include "ui/ErrorGuard.h"
#include "ui/KeyboardGrid.h"
#include "ui/Modal.h"
#include "store/Alias.h"
#include "store/engine/Session.h"
#include "design/HostTables.h"
#include "wizard/pages/PageKit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace shell {

namespace {

constexpr int GridRows = 31;
constexpr int ColumnWidth = 85;  // a database's column, at least
// Databases shown, one a column: far more than a contact manager has, and few
// enough that the grid and the memory it takes stay small whatever the file holds.
constexpr int MostDatabases = 500;

void FixSections(QHeaderView* header, int size)
{
    header->hide();
    header->setMinimumSectionSize(1);
    header->setDefaultSectionSize(size);
    header->setSectionResizeMode(QHeaderView::Fixed);
}

} // namespace

const QStringList& TFrmUser::UserFieldNames()
{
    static const QStringList names = [] {
        QStringList list;
        const struct {
            const char* prefix;
            int count;
        } groups[] = {{"User", 10}, {"Date", 10}, {"Num", 5}, {"Money", 5}};
        for (const auto& group : groups)
            for (int i = 1; i <= group.count; ++i)
                list << QString::fromLatin1(group.prefix) + QString::number(i);
        return list;
    }();
    return names;
}

TFrmUser::TFrmUser(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmUser"));
    setWindowTitle(tr("User Field Definitions"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);

    auto* layout = new QVBoxLayout(this);
    StringGrid1 = new ui::KeyboardTableWidget(GridRows, 1, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(tr("User Field Definitions"));
    StringGrid1->setFont(pagekit::Serif(13));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    FixSections(StringGrid1->horizontalHeader(), ui::Scaled(ColumnWidth));
    FixSections(StringGrid1->verticalHeader(), ui::Scaled(17));
    StringGrid1->setFixedSize(ui::Scaled(5 * ColumnWidth + 24), ui::Scaled(17 * 17 + 24));
    layout->addWidget(StringGrid1);

    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ui::Guarded(this, [this] { FormCreate(); });
}

TFrmUser::~TFrmUser() = default;

void TFrmUser::FormCreate()
{
    setCell(0, 0, tr("USER FIELD"));
    for (int i = 0; i < UserFieldNames().size(); ++i)
        setCell(i + 1, 0, UserFieldNames()[i]);
    // The heading in the user's language may be longer than the column.
    StringGrid1->resizeColumnToContents(0);
    StringGrid1->setColumnWidth(0, std::max(ui::Scaled(ColumnWidth), StringGrid1->columnWidth(0)));
    design::UserFieldLabels labels(store::Session::defaultSession(), store::DatabaseAlias, MostDatabases);
    StringGrid1->setColumnCount(labels.count() + 1);
    for (int column = 1; column <= labels.count(); ++column) {
        setCell(0, column, labels.value(column - 1, QStringLiteral("DB")));
        for (int row = 1; row < GridRows; ++row)
            setCell(row, column, labels.value(column - 1, StringGrid1->item(row, 0)->text()));
        // Wide enough for its longest label: none is cut off.
        StringGrid1->resizeColumnToContents(column);
        StringGrid1->setColumnWidth(column, std::max(ui::Scaled(ColumnWidth), StringGrid1->columnWidth(column)));
    }
    if (labels.more())
        ui::ShowInformation(this, tr("%1 holds more than %2 databases; only the first %2 are shown.")
                                        .arg(labels.path(), QString::number(MostDatabases)));
}

// Row 0 and column 0 are the grid's fixed cells, drawn like buttons.
void TFrmUser::setCell(int row, int column, const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    if (row == 0 || column == 0) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().button());
    } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    StringGrid1->setItem(row, column, item);
    // The grid's own headers stay hidden; they carry the texts of the fixed row and
    // column, so a screen reader names a cell's column and row as they are shown.
    if (row == 0)
        StringGrid1->setHorizontalHeaderItem(column, new QTableWidgetItem(text));
    if (column == 0)
        StringGrid1->setVerticalHeaderItem(row, new QTableWidgetItem(text));
}

} // namespace shell
