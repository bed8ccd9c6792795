// Loading an existing report definition file back into the pages, the field
// lists and the working table.
#include "wizard/Wizard.h"

#include "wizard/pages/ColumnsPage.h"
#include "wizard/pages/FieldOrderPage.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "wizard/pages/CategoryPage.h"
#include "wizard/pages/DescriptionPage.h"
#include "wizard/pages/DetailPage.h"
#include "wizard/pages/PaperPage.h"
#include "wizard/pages/ReportTypePage.h"
#include "base/EngineError.h"
#include "ui/Option.h"
#include "ui/SpinEdit.h"
#include "design/ReportSession.h"
#include "store/report/ReportReader.h"
#include "store/report/ReportWords.h"
#include "rules/EventFieldMap.h"
#include "rules/ReportSettings.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

void Wizard::LoadConfig()
{
    ensurePages(); // every page has its part in a report
    report().forgetFile();
    const QString path = reportPath();
    store::ReportReader reader(path);
    const store::ReportHead head = store::ReadReportHead(reader);

    // A description longer than the edit takes by typing is kept whole; the edit
    // would otherwise cut it, and the report would be written back shortened.
    descriptionPage().allowLength(head.description.size());
    descriptionPage().setDescription(head.description);
    LblDesc->setText(head.description);

    ReportTypePage& reportType = reportTypePage();
    const std::optional<store::ReportType> type = store::ReportTypeNamed(head.typeLine);
    if (type == store::ReportType::Contact)
        reportType.chooseDateOrdered(false);
    if (type == store::ReportType::Calendar)
        reportType.chooseDateOrdered(true);

    const store::ReportType checkedType =
        reportType.dateOrdered() ? store::ReportType::Calendar : store::ReportType::Contact;
    for (const store::Category category : rules::CategoriesTurnedOn(checkedType, head.categoryLine))
        categoryPage().choose(category);

    FillPickFields(PageTurn::None);

    paperPage().setPrintableWidth(head.width);

    const int count = store::FieldCountOf(head, reader); // refused before the working table is touched
    detailPage().chooseDetailLevel(false);

    // A refused record ends the load with its message; the records before it stay.
    const std::vector<store::FieldRow> rows =
        report().load(reader, path, count, [this](const store::FieldRow& record) {
            if (rules::IsDetailLevelRecord(record))
                detailPage().chooseDetailLevel(true);
        });

    QStringList contacts;
    QStringList events;
    for (const store::FieldRow& row : rows) {
        if (row.dbType == 0)
            contacts << row.field;
        else if (row.dbType == 1)
            events << rules::GetEventDisplayName(state_.EventCategory, row.field);
    }
    fields_->tickLoaded(contacts, events);

    order_->clearFields();
    int onFirstLine = 0;
    // The rows' orders are their places in the file: the report's order is the table's.
    for (const store::FieldRow& row : design::InReportOrder(rows)) {
        order_->addField(row.field);
        if (row.line == 1)
            ++onFirstLine;
    }

    order_->moveLast(rules::GetEventDisplayName(state_.EventCategory, QStringLiteral("Memo")));

    const bool detailLevel = detailPage().detailLevel();
    if (!detailLevel)
        detailPage().chooseDetailLevel(false);
    order_->showDetailLevel(detailLevel);
    columns_->showDetailLevel(detailLevel);

    state_.SelectedCount = order_->fieldCount();
    columns_->setColumnCount(onFirstLine);
    SetGrid();
}
