// The field-definitions page: header and flags of each field, edited on the
// working table's current row through data-aware controls.
#include "wizard/Wizard.h"

#include "wizard/pages/FieldDefinitionsPage.h"
#include "ui/ErrorGuard.h"
#include "store/engine/Table.h"
#include "rules/EventFieldMap.h"
#include "rules/SummaryRules.h"

void Wizard::bindFieldDefinitions()
{
    // An edit is stored on the working table's current row, when it is on one.
    auto onRow = [this] { return TblTRData().Active() && TblTRData().RecordCount() > 0; };
    definitions_->setEditHandlers(
        [this, onRow](const QString& header) {
            ui::Guarded(window_, [&] {
                if (onRow())
                    TblTRData().FieldByName(QStringLiteral("Header")).SetAsString(header);
            });
        },
        [this, onRow](const QString& column, bool on) {
            ui::Guarded(window_, [&] {
                if (onRow())
                    TblTRData().FieldByName(column).SetAsBoolean(on);
            });
        });
    connect(TblTRData_.get(), &store::Table::changed, this, &Wizard::refreshBoundControls);
}

void Wizard::refreshBoundControls()
{
    store::Table& table = TblTRData();
    const bool onRow = table.Active() && (table.RecordCount() > 0 || table.State() == store::TableState::Insert);
    const QString header = onRow ? table.FieldByName(QStringLiteral("Header")).AsString() : QString();
    definitions_->showDefinition(
        header, [&](const QString& column) { return onRow && table.FieldByName(column).AsBoolean(); });
}

void Wizard::LBFieldDefsClick(QObject* Sender)
{
    Q_UNUSED(Sender);
    const std::optional<QString> picked = definitions_->pickedField();
    if (!picked)
        return;
    store::Table& table = TblTRData();
    table.SetIndexName(QString());
    table.FindKey({rules::GetEventFieldName(state_.EventCategory, *picked)});
    CheckFieldTypes();
}

void Wizard::CheckFieldTypes()
{
    TblContact().Open();
    const QString field = TblTRData().FieldByName(QStringLiteral("Field")).AsString();
    definitions_->offerSummaries(rules::SummariesOffered(TblContact().FieldTypeOf(field)));
}
