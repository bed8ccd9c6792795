// Writing the report definition file from the pages and the working table.
#include "WizardForm.h"

#include "Option.h"
#include "ReportWriter.h"
#include "SpinEdit.h"

#include <QLineEdit>

void WizardForm::WriteTheReportFile(store::Table& table)
{
    store::ReportHeader header;
    header.description = EdDescription->text();
    if (RbContactOrdered->isChecked())
        header.typeWord = QStringLiteral("Contact");
    if (rbDateOrdered->isChecked())
        header.typeWord = QStringLiteral("Calendar");
    const std::pair<base::Option*, const char*> categories[] = {
        {RBContact, "Contact"}, {RBEvent, "Event"},     {RBNote, "Note"},  {RbCall, "Call"},
        {RBLetter, "Letter"},   {RbMeeting, "Meeting"}, {RbTodo, "TO-DO"},
    };
    for (const auto& [option, word] : categories)
        if (option->isChecked()) {
            header.categoryWord = QString::fromLatin1(word);
            break;
        }
    header.width = SpinMargin->value();
    store::WriteReportFile(state_.ReportFileName, header, table);
}
