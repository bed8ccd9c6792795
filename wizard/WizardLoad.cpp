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
#include "base/TextNumbers.h"
#include "store/engine/Table.h"
#include "store/report/ReportContent.h"
#include "store/report/ReportReader.h"
#include "rules/EventFieldMap.h"

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

    // A description longer than the edit takes by typing is kept whole; the edit
    // would otherwise cut it, and the report would be written back shortened.
    const QString description = reader.nextLine();
    descriptionPage().allowLength(description.size());
    descriptionPage().setDescription(description);
    LblDesc->setText(description);

    const QString type = reader.nextLine();
    ReportTypePage& reportType = reportTypePage();
    if (store::MatchesWord(type, QLatin1String("CONTACT")))
        reportType.chooseDateOrdered(false);
    if (store::MatchesWord(type, QLatin1String("CALENDAR")))
        reportType.chooseDateOrdered(true);

    using Category = CategoryPage::Category;
    const QString category = reader.nextLine();
    if (store::MatchesWord(category, QLatin1String("CONTACT")))
        categoryPage().choose(Category::Contact);
    if (!reportType.dateOrdered()) {
        const std::pair<const char*, Category> words[] = {
            {"EVENT", Category::Event},   {"NOTE", Category::Note},       {"CALL", Category::Call},
            {"LETTER", Category::Letter}, {"MEETING", Category::Meeting}, {"TO-DO", Category::Todo},
        };
        for (const auto& [word, kind] : words)
            if (store::MatchesWord(category, QLatin1String(word)))
                categoryPage().choose(kind);
    }
    if (reportType.dateOrdered())
        categoryPage().choose(Category::Event);

    FillPickFields(PageTurn::None);

    paperPage().setPrintableWidth(base::StrToIntOrZero(reader.nextLine()));

    const int count = store::ReadFieldCount(reader); // refused before the working table is touched
    detailPage().chooseDetailLevel(false);

    store::Table& table = TblTRData();
    // The bound controls follow the table once, when the load is over.
    const store::ControlsDisabled quiet(table);
    for (int i = 1; i <= count; ++i) {
        table.Insert();
        try {
            table.FieldByName(QStringLiteral("Order")).SetAsInteger(i);
            store::ReadFieldRecord(reader, table);
            if (table.FieldByName(QStringLiteral("Field")).AsString().toLower() == QLatin1String("customid"))
                detailPage().chooseDetailLevel(true);
            table.Post();
        } catch (const base::EngineError& e) {
            // The record being built is not stored; the ones before it stay. The
            // engine's text says what was wrong; where it was is added.
            table.Cancel();
            throw base::EngineError(store::FieldRecordFailure(e.text(), i, path));
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
            events << wizard::GetEventDisplayName(state_.EventCategory, field);
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

    order_->moveLast(wizard::GetEventDisplayName(state_.EventCategory, QStringLiteral("Memo")));

    const bool detailLevel = detailPage().detailLevel();
    if (!detailLevel)
        detailPage().chooseDetailLevel(false);
    order_->showDetailLevel(detailLevel);
    columns_->showDetailLevel(detailLevel);

    state_.SelectedCount = order_->fieldCount();
    columns_->setColumnCount(onFirstLine);
    SetGrid();
}
