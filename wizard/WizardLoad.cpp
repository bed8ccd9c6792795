// Loading an existing report definition file back into the pages, the field
// lists and the working table.
#include "wizard/WizardForm.h"

#include "base/EngineError.h"
#include "ui/Option.h"
#include "ui/PickList.h"
#include "ui/SpinEdit.h"
#include "store/engine/Table.h"
#include "store/report/RecordRow.h"
#include "store/report/ReportReader.h"
#include "store/report/ReportWords.h"
#include "rules/EventFieldMap.h"
#include "rules/ReportSettings.h"

#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

namespace {

// A pick list's entries by their text in any letter case, as findEntry compares
// them: one look-up a record instead of a walk of the list.
class EntryIndex {
public:
    explicit EntryIndex(const ui::PickList& list)
    {
        for (int i = list.count() - 1; i >= 0; --i) // of equal texts the first wins, as in findEntry
            index_.insert(list.entryText(i).toCaseFolded(), i);
    }
    int find(const QString& text) const { return index_.value(text.toCaseFolded(), -1); }

private:
    QHash<QString, int> index_;
};

} // namespace

void WizardForm::LoadConfig()
{
    ensurePages(); // every page has its part in a report
    reportOnDisk_.reset();
    const QString path = reportPath();
    store::ReportReader reader(path);
    const store::ReportHead head = store::ReadReportHead(reader);

    // A description longer than the edit takes by typing is kept whole; the edit
    // would otherwise cut it, and the report would be written back shortened.
    EdDescription->setMaxLength(std::max<int>(DescriptionLength, head.description.size()));
    EdDescription->setText(head.description);
    LblDesc->setText(head.description);

    const std::optional<store::ReportType> type = store::ReportTypeNamed(head.typeLine);
    if (type == store::ReportType::Contact)
        RbContactOrdered->turnOn();
    if (type == store::ReportType::Calendar)
        rbDateOrdered->turnOn();

    const std::pair<store::Category, ui::Option*> categoryOptions[] = {
        {store::Category::Contact, RBContact}, {store::Category::Event, RBEvent},
        {store::Category::Note, RBNote},       {store::Category::Call, RbCall},
        {store::Category::Letter, RBLetter},   {store::Category::Meeting, RbMeeting},
        {store::Category::Todo, RbTodo},
    };
    const store::ReportType checkedType =
        rbDateOrdered->isChecked() ? store::ReportType::Calendar : store::ReportType::Contact;
    for (const store::Category category : wizard::CategoriesTurnedOn(checkedType, head.categoryLine))
        for (const auto& [each, option] : categoryOptions)
            if (each == category)
                option->turnOn();

    FillPickFields(PageTurn::None);

    SpinMargin->setValue(head.width);
    const std::pair<wizard::PaperSize, ui::Option*> papers[] = {{wizard::PaperSize::UsPortrait, RBAmPor},
                                                            {wizard::PaperSize::A4Portrait, RbA4Por},
                                                            {wizard::PaperSize::UsLandscape, RbAmLan},
                                                            {wizard::PaperSize::A4Landscape, RBA4Lan},
                                                            {wizard::PaperSize::Other, RbOther}};
    const wizard::PaperSize paper = wizard::PaperOf(head.width);
    for (const auto& [each, option] : papers)
        if (each == paper)
            option->turnOn();
    if (paper == wizard::PaperSize::Other)
        PnlPrint->show();

    const int count = store::FieldCountOf(head, reader); // refused before the working table is touched
    rbCustNo->turnOn();

    store::Table& table = TblTRData();
    // The bound controls follow the table once, when the load is over.
    const store::ControlsDisabled quiet(table);
    // A refused record ends the load with its message; the records before it stay.
    store::FieldRecords records(reader, count);
    for (store::ReportFieldRecord record; records.next(record);) {
        try {
            store::InsertRecordRow(table, record);
            if (wizard::IsDetailLevelRecord(record))
                rbCustYes->turnOn();
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

    PickContactField->clearTicks();
    PickEventField->clearTicks();
    const EntryIndex contactEntries(*PickContactField);
    const EntryIndex eventEntries(*PickEventField);
    for (table.First(); !table.Eof(); table.Next()) {
        const QString kind = table.FieldByName(QStringLiteral("DbType")).AsString();
        const QString field = table.FieldByName(QStringLiteral("Field")).AsString();
        ui::PickList* list = kind == QLatin1String("0")   ? PickContactField
                               : kind == QLatin1String("1") ? PickEventField
                                                            : nullptr;
        if (!list)
            continue;
        const int index = list == PickEventField
                              ? eventEntries.find(wizard::GetEventDisplayName(state_.EventCategory, field))
                              : contactEntries.find(field);
        if (index >= 0)
            list->setTicked(index, true);
    }

    table.SetIndexName(QStringLiteral("iOrder"));
    lbAllFields->clear();
    int onFirstLine = 0;
    for (table.First(); !table.Eof(); table.Next()) {
        lbAllFields->addItem(table.FieldByName(QStringLiteral("Field")).AsString());
        if (table.FieldByName(QStringLiteral("Line")).AsInteger() == 1)
            ++onFirstLine;
    }

    MoveFieldLast(lbAllFields, wizard::GetEventDisplayName(state_.EventCategory, QStringLiteral("Memo")));

    const bool detailLevel = rbCustYes->isChecked();
    if (!detailLevel)
        rbCustNo->turnOn();
    LblCustYes->setVisible(detailLevel);
    LblCustYes2->setVisible(detailLevel);
    LblCustNo->setVisible(!detailLevel);

    state_.SelectedCount = lbAllFields->count();
    SpinCol->setValue(onFirstLine);
    SetGrid();
}
