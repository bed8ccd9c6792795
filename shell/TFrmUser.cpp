#include "TFrmUser.h"

#include "Alias.h"
#include "ErrorGuard.h"
#include "PageKit.h"
#include "Session.h"
#include "Table.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int GridRows = 31;

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
    : QDialog(parent), Table1(std::make_unique<store::Table>(store::Session::defaultSession()))
{
    setObjectName(QStringLiteral("FrmUser"));
    setWindowTitle(QStringLiteral("User Field Definitions"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    Table1->setObjectName(QStringLiteral("Table1"));
    Table1->SetTableName(QStringLiteral("DATABASE.DB"));

    auto* layout = new QVBoxLayout(this);
    StringGrid1 = new QTableWidget(GridRows, 1, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setFont(pagekit::Serif(13));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    FixSections(StringGrid1->horizontalHeader(), 85);
    FixSections(StringGrid1->verticalHeader(), 17);
    StringGrid1->setFixedSize(5 * 85 + 24, 17 * 17 + 24);
    layout->addWidget(StringGrid1);

    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    base::Guarded(this, [this] { FormCreate(); });
}

TFrmUser::~TFrmUser() = default;

void TFrmUser::FormCreate()
{
    Table1->SetDatabaseName(store::DatabaseAlias);
    setCell(0, 0, QStringLiteral("USER FIELD"));
    for (int i = 0; i < UserFieldNames().size(); ++i)
        setCell(i + 1, 0, UserFieldNames()[i]);
    Table1->Open();
    StringGrid1->setColumnCount(Table1->RecordCount() + 1);
    int column = 1;
    for (Table1->First(); !Table1->Eof(); Table1->Next()) {
        setCell(0, column, Table1->FieldByName(QStringLiteral("DB")).AsString());
        for (int row = 1; row < GridRows; ++row)
            setCell(row, column, Table1->FieldByName(StringGrid1->item(row, 0)->text()).AsString());
        ++column;
    }
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
}
