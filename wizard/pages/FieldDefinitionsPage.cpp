#include "wizard/pages/FieldDefinitionsPage.h"

#include "design/HostTables.h"
#include "design/ReportSession.h"
#include "rules/EventFieldMap.h"
#include "rules/SummaryRules.h"
#include "ui/Announce.h"
#include "ui/ErrorGuard.h"
#include "wizard/WizardState.h"
#include "wizard/pages/Cp1252Validator.h"
#include "wizard/pages/PageKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace wizard {

using namespace pagekit;

FieldDefinitionsPage::FieldDefinitionsPage(const WizardState& state, design::ReportSession& session,
                                           design::HostTables& hostTables, std::function<QStringList()> orderedFields,
                                           QWidget* window)
    : state_(state), session_(session), hostTables_(hostTables), orderedFields_(std::move(orderedFields)),
      window_(window)
{
    QGridLayout* grid = GridLayout(this, QStringLiteral("Page10"), tr("Field Definitions"), 2);
    QWidget* page = this;
    grid->addWidget(Text(page, tr("Select the characteristics of the fields by making your selections below.")),
                    1, 0, 1, 2);
    LBFieldDefs = new ui::SaysCurrentEntry<QListWidget>(page);
    LBFieldDefs->setObjectName(QStringLiteral("LBFieldDefs"));
    LBFieldDefs->setAccessibleName(tr("Field Definitions"));
    grid->addWidget(LBFieldDefs, 2, 0, 9, 1);
    QLabel* headerLabel = Text(page, tr("Column Header"));
    grid->addWidget(headerLabel, 2, 1);
    DBEdit1 = new QLineEdit(page);
    headerLabel->setBuddy(DBEdit1);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setMaxLength(50);
    DBEdit1->setValidator(new wizard::Cp1252Validator(DBEdit1));
    grid->addWidget(DBEdit1, 3, 1);
    // Each box with the flag of the field it is bound to.
    struct Box {
        QCheckBox*& box;
        const char* name;
        const char* caption;
        store::FieldFlag flag;
    };
    using enum store::FieldFlag;
    const Box boxes[] = {
        {cbDotLead, "cbDotLead", QT_TR_NOOP("DOT Leaders (....)"), Leaders},
        {cbDotTrail, "cbDotTrail", QT_TR_NOOP("DOT Trailers (....)"), Trailers},
        {DBCBCount, "DBCBCount", QT_TR_NOOP("Counted"), Count},
        {DBCBMax, "DBCBMax", QT_TR_NOOP("Max Value"), Max},
        {DBCBMin, "DBCBMin", QT_TR_NOOP("Min Value"), Min},
        {DBCBTotal, "DBCBTotal", QT_TR_NOOP("Totaled"), Total},
        {DBCBAverage, "DBCBAverage", QT_TR_NOOP("Averaged"), Average},
    };
    int row = 4;
    for (const Box& b : boxes) {
        b.box = new QCheckBox(tr(b.caption), page);
        b.box->setObjectName(QString::fromLatin1(b.name));
        grid->addWidget(b.box, row++, 1);
        flags_.push_back({b.box, b.flag});
    }
    btMakeReport = Button(page, QStringLiteral("btMakeReport"), tr("&Make Report"));
    grid->addWidget(btMakeReport, row, 1);
    // Under the list, on Make Report's row, so that the page keeps its height.
    btPreview = Button(page, QStringLiteral("btPreview"), tr("Pre&view"));
    grid->addWidget(btPreview, row, 0, Qt::AlignLeft);
    connect(LBFieldDefs, &QListWidget::currentRowChanged, this,
            [this] { ui::Guarded(window_, [this] { LBFieldDefsClick(this); }); });
    bindFieldDefinitions();
}

bool FieldDefinitionsPage::enter(wizard::PageTurn)
{
    showFields(orderedFields_());
    return true;
}

// Picked from code: the attributes are shown once, by the call below.
void FieldDefinitionsPage::shown()
{
    if (pickFirstField())
        LBFieldDefsClick(this);
}

void FieldDefinitionsPage::LBFieldDefsClick(QObject* Sender)
{
    Q_UNUSED(Sender);
    const std::optional<QString> picked = pickedField();
    if (!picked)
        return;
    session_.rows().goTo(rules::GetEventFieldName(session_.eventCategory(), *picked));
    CheckFieldTypes();
}

void FieldDefinitionsPage::CheckFieldTypes()
{
    const std::optional<store::FieldRow> row = session_.rows().current();
    const QString field = row ? row->field : QString();
    offerSummaries(rules::SummariesOffered(hostTables_.contactFieldKind(field)));
}

void FieldDefinitionsPage::bindFieldDefinitions()
{
    design::ReportDesign& rows = session_.rows();
    for (const Flag& each : flags_)
        connect(each.box, &QCheckBox::clicked, this, [this, &rows, flag = each.flag](bool on) {
            ui::Guarded(window_, [&] { rows.setCurrentFlag(flag, on); });
        });
    connect(DBEdit1, &QLineEdit::textEdited, this, [this, &rows](const QString& header) {
        ui::Guarded(window_, [&] { rows.setCurrentHeader(header); });
    });
    connect(&session_, &design::ReportSession::rowsChanged, this, &FieldDefinitionsPage::refreshBoundControls);
}

void FieldDefinitionsPage::refreshBoundControls()
{
    showDefinition(session_.rows().current());
}

void FieldDefinitionsPage::showFields(const QStringList& fields)
{
    LBFieldDefs->clear();
    LBFieldDefs->addItems(fields);
}

std::optional<QString> FieldDefinitionsPage::pickedField() const
{
    if (const QListWidgetItem* picked = LBFieldDefs->currentItem())
        return picked->text();
    return std::nullopt;
}

bool FieldDefinitionsPage::pickFirstField()
{
    if (!LBFieldDefs->isVisible())
        return false;
    LBFieldDefs->setFocus();
    const QSignalBlocker quiet(LBFieldDefs);
    LBFieldDefs->setCurrentRow(0);
    return true;
}

void FieldDefinitionsPage::showDefinition(const std::optional<store::FieldRow>& row)
{
    const QString header = row ? row->header : QString();
    if (DBEdit1->text() != header)
        DBEdit1->setText(header);
    for (const Flag& each : flags_)
        each.box->setChecked(row && store::IsSet(*row, each.flag));
}

void FieldDefinitionsPage::offerSummaries(const rules::SummaryBoxes& offered)
{
    DBCBTotal->setVisible(offered.totaled);
    DBCBCount->setVisible(offered.counted);
    DBCBAverage->setVisible(offered.averaged);
    DBCBMax->setVisible(offered.maxValue);
    DBCBMin->setVisible(offered.minValue);
}

void FieldDefinitionsPage::setMakeReportHandler(std::function<void()> handler)
{
    connect(btMakeReport, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

void FieldDefinitionsPage::setPreviewHandler(std::function<void()> handler)
{
    connect(btPreview, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

} // namespace wizard
