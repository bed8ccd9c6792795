// Writing the report definition file from the pages and the working table.
#include "wizard/WizardForm.h"

#include "base/Option.h"
#include "base/Paths.h"
#include "base/SpinEdit.h"
#include "store/Alias.h"
#include "store/ReportNames.h"
#include "store/engine/Table.h"
#include "store/report/ReportWriter.h"

#include <QFileInfo>
#include <QLineEdit>

void WizardForm::WriteTheReportFile(store::Table& table)
{
    ensurePages(); // every page has its part in a report
    // The working table on disk holds what the report is written from.
    table.FlushBuffers();
    // Its bound controls follow the walk over the rows once, at the end.
    const store::ControlsDisabled quiet(table);
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
    // A report chosen in the selection dialog is known by its bare name in small
    // letters; it is written back under its name on disk in the alias directory.
    QString path = state_.ReportFileName;
    if (QFileInfo(path).isRelative()) {
        const QString directory = store::GetAliasDirectory(store::DatabaseAlias);
        path = base::JoinPath(directory, store::ResolveReportName(directory, path));
    }
    store::WriteReportFile(path, header, table);
}
