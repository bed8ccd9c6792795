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
#include "design/ReportSession.h"
#include "store/report/ReportReader.h"
#include "store/report/ReportWords.h"
#include "rules/ReportSettings.h"

#include <QLabel>
#include <algorithm>

namespace wizard {

void Wizard::LoadConfig()
{
    ensurePages(); // every page has its part in a report
    report().forgetFile();
    const QString path = reportPath();
    // The file is read once, from its head to its last field record; each page
    // takes its part as loading has always gone, step by step.
    store::ReportReader reader(path);
    const store::ReportHead head = store::ReadReportHead(reader);

    descriptionPage().loadDescription(head.description);
    LblDesc->setText(head.description);
    reportTypePage().loadType(store::ReportTypeNamed(head.typeLine));
    categoryPage().loadCategories(
        reportTypePage().dateOrdered() ? store::ReportType::Calendar : store::ReportType::Contact, head.categoryLine);

    // The lists offer the fields of the category the head names now.
    shareHead();
    fields_->FillPickFields(PageTurn::None);

    paperPage().setPrintableWidth(head.width);

    const int count = store::FieldCountOf(head, reader); // refused before the working table is touched
    detailPage().chooseDetailLevel(false);

    // A refused record ends the load with its message; the records before it stay.
    const std::vector<store::FieldRow> rows =
        report().load(reader, path, count, [this](const store::FieldRow& record) {
            if (rules::IsDetailLevelRecord(record))
                detailPage().chooseDetailLevel(true);
        });

    fields_->tickLoaded(rows);
    const bool detailLevel = detailPage().detailLevel();
    order_->showLoaded(rows, detailLevel);
    if (!detailLevel)
        detailPage().chooseDetailLevel(false);
    columns_->showDetailLevel(detailLevel);

    state_.SelectedCount = order_->fieldCount();
    shareHead(); // the columns are laid out with the loaded detail level
    columns_->setColumnCount(
        int(std::count_if(rows.begin(), rows.end(), [](const store::FieldRow& row) { return row.line == 1; })));
    columns_->SetGrid();
}

} // namespace wizard
