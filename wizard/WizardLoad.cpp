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
#include "store/engine/Table.h"
#include "store/report/RecordRow.h"
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
    reportOnDisk_.reset();
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

    using Category = CategoryPage::Category;
    const std::pair<store::Category, Category> categories[] = {
        {store::Category::Contact, Category::Contact}, {store::Category::Event, Category::Event},
        {store::Category::Note, Category::Note},       {store::Category::Call, Category::Call},
        {store::Category::Letter, Category::Letter},   {store::Category::Meeting, Category::Meeting},
        {store::Category::Todo, Category::Todo},
    };
    const store::ReportType checkedType =
        reportType.dateOrdered() ? store::ReportType::Calendar : store::ReportType::Contact;
    for (const store::Category category : rules::CategoriesTurnedOn(checkedType, head.categoryLine))
        for (const auto& [each, kind] : categories)
            if (each == category)
                categoryPage().choose(kind);

    FillPickFields(PageTurn::None);

    paperPage().setPrintableWidth(head.width);

    const int count = store::FieldCountOf(head, reader); // refused before the working table is touched
    detailPage().chooseDetailLevel(false);

    store::Table& table = TblTRData();
    // The bound controls follow the table once, when the load is over.
    const store::ControlsDisabled quiet(table);
    // A refused record ends the load with its message; the records before it stay.
    store::FieldRecords records(reader, count);
    for (store::ReportFieldRecord record; records.next(record);) {
        try {
            store::InsertRecordRow(table, record);
            if (rules::IsDetailLevelRecord(record))
                detailPage().chooseDetailLevel(true);
            table.Post();
        } catch (const base::EngineError& e) {
            // The row being built is not stored; the ones before it stay.
            table.Cancel();
            throw base::EngineError(store::FieldRecordFailure(e.text(), record.order, path));
        } catch (...) {
            table.Cancel();
            throw;
        }
    }
    table.FlushBuffers();
    reportOnDisk_ = ReportOnDisk{path, reader.version()};

    QStringList contacts;
    QStringList events;
    for (table.First(); !table.Eof(); table.Next()) {
        const QString kind = table.FieldByName(QStringLiteral("DbType")).AsString();
        const QString field = table.FieldByName(QStringLiteral("Field")).AsString();
        if (kind == QLatin1String("0"))
            contacts << field;
        else if (kind == QLatin1String("1"))
            events << rules::GetEventDisplayName(state_.EventCategory, field);
    }
    fields_->tickLoaded(contacts, events);

    table.SetIndexName(QStringLiteral("iOrder"));
    order_->clearFields();
    int onFirstLine = 0;
    for (table.First(); !table.Eof(); table.Next()) {
        order_->addField(table.FieldByName(QStringLiteral("Field")).AsString());
        if (table.FieldByName(QStringLiteral("Line")).AsInteger() == 1)
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
