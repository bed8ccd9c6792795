// The field-definitions page: header and flags of each field, edited on the
// working table's current row through data-aware controls.
#include "wizard/Wizard.h"

#include "wizard/pages/FieldDefinitionsPage.h"
#include "ui/ErrorGuard.h"
#include "design/ReportDesign.h"
#include "rules/EventFieldMap.h"
#include "rules/SummaryRules.h"

void Wizard::bindFieldDefinitions()
{
    // An edit is stored on the working table's current row, when it is on one.
    definitions_->setEditHandlers(
        [this](const QString& header) { ui::Guarded(window_, [&] { design().setCurrentHeader(header); }); },
        [this](store::FieldFlag flag, bool on) { ui::Guarded(window_, [&] { design().setCurrentFlag(flag, on); }); });
    connect(report_.get(), &design::ReportSession::rowsChanged, this, &Wizard::refreshBoundControls);
}

void Wizard::refreshBoundControls()
{
    definitions_->showDefinition(design().current());
}

void Wizard::LBFieldDefsClick(QObject* Sender)
{
    Q_UNUSED(Sender);
    const std::optional<QString> picked = definitions_->pickedField();
    if (!picked)
        return;
    design().goTo(rules::GetEventFieldName(report_->eventCategory(), *picked));
    CheckFieldTypes();
}

void Wizard::CheckFieldTypes()
{
    const std::optional<store::FieldRow> row = design().current();
    const QString field = row ? row->field : QString();
    definitions_->offerSummaries(rules::SummariesOffered(hostTables_->contactFieldKind(field)));
}
