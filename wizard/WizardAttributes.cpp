// The field-definitions page: header and flags of each field, edited on the
// working table's current row through data-aware controls.
#include "wizard/Wizard.h"

#include "ui/ErrorGuard.h"
#include "design/ReportDesign.h"
#include "store/engine/Table.h"
#include "rules/EventFieldMap.h"
#include "rules/SummaryRules.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

std::vector<std::pair<QCheckBox*, design::ReportDesign::Flag>> Wizard::boundFlags() const
{
    using enum design::ReportDesign::Flag;
    return {{cbDotLead, Leaders}, {cbDotTrail, Trailers}, {DBCBCount, Count}, {DBCBMax, Max},
            {DBCBMin, Min},       {DBCBTotal, Total},     {DBCBAverage, Average}};
}

namespace {

bool FlagOf(const store::FieldRow& row, design::ReportDesign::Flag flag)
{
    using enum design::ReportDesign::Flag;
    switch (flag) {
    case Leaders: return row.leaders;
    case Trailers: return row.trailers;
    case Count: return row.count.value_or(false);
    case Max: return row.maxValue.value_or(false);
    case Min: return row.minValue.value_or(false);
    case Total: return row.total.value_or(false);
    case Average: return row.average.value_or(false);
    }
    return false;
}

} // namespace

void Wizard::bindFieldDefinitions()
{
    for (const auto& [box, flag] : boundFlags()) {
        connect(box, &QCheckBox::clicked, this, [this, flag = flag](bool on) {
            ui::Guarded(window_, [&] { design().setCurrentFlag(flag, on); });
        });
    }
    connect(DBEdit1, &QLineEdit::textEdited, this,
            [this](const QString& text) { ui::Guarded(window_, [&] { design().setCurrentHeader(text); }); });
    connect(design_.get(), &design::ReportDesign::changed, this, &Wizard::refreshBoundControls);
}

void Wizard::refreshBoundControls()
{
    const std::optional<store::FieldRow> row = design().current();
    const QString header = row ? row->header : QString();
    if (DBEdit1->text() != header)
        DBEdit1->setText(header);
    for (const auto& [box, flag] : boundFlags())
        box->setChecked(row && FlagOf(*row, flag));
}

void Wizard::LBFieldDefsClick(QObject* Sender)
{
    Q_UNUSED(Sender);
    QListWidgetItem* picked = LBFieldDefs->currentItem();
    if (!picked)
        return;
    design().goTo(rules::GetEventFieldName(state_.EventCategory, picked->text()));
    CheckFieldTypes();
}

void Wizard::CheckFieldTypes()
{
    TblContact().Open();
    const std::optional<store::FieldRow> row = design().current();
    const QString field = row ? row->field : QString();
    const rules::SummaryBoxes offered = rules::SummariesOffered(TblContact().FieldTypeOf(field));
    DBCBTotal->setVisible(offered.totaled);
    DBCBCount->setVisible(offered.counted);
    DBCBAverage->setVisible(offered.averaged);
    DBCBMax->setVisible(offered.maxValue);
    DBCBMin->setVisible(offered.minValue);
}
