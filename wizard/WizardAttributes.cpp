// The field-definitions page: header and flags of each field, edited on the
// working table's current row through data-aware controls.
#include "wizard/Wizard.h"

#include "ui/ErrorGuard.h"
#include "store/engine/Table.h"
#include "rules/EventFieldMap.h"
#include "rules/SummaryRules.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

std::vector<std::pair<QCheckBox*, QString>> Wizard::boundFlags() const
{
    return {{cbDotLead, QStringLiteral("LDots")}, {cbDotTrail, QStringLiteral("RDots")},
            {DBCBCount, QStringLiteral("Count")}, {DBCBMax, QStringLiteral("Max")},
            {DBCBMin, QStringLiteral("Min")},     {DBCBTotal, QStringLiteral("Total")},
            {DBCBAverage, QStringLiteral("Average")}};
}

void Wizard::bindFieldDefinitions()
{
    for (const auto& [box, column] : boundFlags()) {
        connect(box, &QCheckBox::clicked, this, [this, name = column](bool on) {
            ui::Guarded(window_, [&] {
                if (TblTRData().Active() && TblTRData().RecordCount() > 0)
                    TblTRData().FieldByName(name).SetAsBoolean(on);
            });
        });
    }
    connect(DBEdit1, &QLineEdit::textEdited, this, [this](const QString& text) {
        ui::Guarded(window_, [&] {
            if (TblTRData().Active() && TblTRData().RecordCount() > 0)
                TblTRData().FieldByName(QStringLiteral("Header")).SetAsString(text);
        });
    });
    connect(TblTRData_.get(), &store::Table::changed, this, &Wizard::refreshBoundControls);
}

void Wizard::refreshBoundControls()
{
    store::Table& table = TblTRData();
    const bool onRow = table.Active() && (table.RecordCount() > 0 || table.State() == store::TableState::Insert);
    const QString header = onRow ? table.FieldByName(QStringLiteral("Header")).AsString() : QString();
    if (DBEdit1->text() != header)
        DBEdit1->setText(header);
    for (const auto& [box, column] : boundFlags())
        box->setChecked(onRow && table.FieldByName(column).AsBoolean());
}

void Wizard::LBFieldDefsClick(QObject* Sender)
{
    Q_UNUSED(Sender);
    QListWidgetItem* picked = LBFieldDefs->currentItem();
    if (!picked)
        return;
    store::Table& table = TblTRData();
    table.SetIndexName(QString());
    table.FindKey({rules::GetEventFieldName(state_.EventCategory, picked->text())});
    CheckFieldTypes();
}

void Wizard::CheckFieldTypes()
{
    TblContact().Open();
    const QString field = TblTRData().FieldByName(QStringLiteral("Field")).AsString();
    const rules::SummaryBoxes offered = rules::SummariesOffered(TblContact().FieldTypeOf(field));
    DBCBTotal->setVisible(offered.totaled);
    DBCBCount->setVisible(offered.counted);
    DBCBAverage->setVisible(offered.averaged);
    DBCBMax->setVisible(offered.maxValue);
    DBCBMin->setVisible(offered.minValue);
}
