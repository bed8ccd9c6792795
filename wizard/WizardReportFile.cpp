// Writing the report definition file from the pages and the working table.
#include "wizard/WizardForm.h"

#include "base/Modal.h"
#include "base/Option.h"
#include "base/Paths.h"
#include "base/SpinEdit.h"
#include "store/Alias.h"
#include "store/ReportNames.h"
#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "store/report/ReportWriter.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>

void WizardForm::WriteTheReportFile(store::Table& table)
{
    ensurePages(); // every page has its part in a report
    store::RequireOwnWorkingTable(table);
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
    const QString path = reportPath();
    reportOnDisk_ = ReportOnDisk{path, store::WriteReportFile(path, header, table)};
}

// A report chosen in the selection dialog is known by its bare name in small
// letters; it is found under its name on disk in the alias directory.
QString WizardForm::reportPath() const
{
    if (QFileInfo(state_.ReportFileName).isAbsolute())
        return state_.ReportFileName;
    const QString directory = store::GetAliasDirectory(store::DatabaseAlias);
    return base::JoinPath(directory, store::ResolveReportName(directory, state_.ReportFileName));
}

bool WizardForm::confirmReplacing(QWidget* parent)
{
    const QString path = reportPath();
    if (!reportOnDisk_ || reportOnDisk_->path != path)
        return true;
    const store::ReportChange change = store::ChangeSince(path, reportOnDisk_->version);
    const QString name = QFileInfo(path).fileName();
    switch (change.kind) {
    case store::ReportChange::Kind::None:
        return true;
    case store::ReportChange::Kind::Deleted:
        return base::AskYesNo(parent, QStringLiteral("The report %1 has been deleted by another program or user "
                                                     "since it was loaded or saved here.\n\nDo you want to save it "
                                                     "again with this version?")
                                          .arg(name));
    case store::ReportChange::Kind::Changed:
        break;
    }
    return base::AskYesNo(parent, QStringLiteral("The report %1 has been changed by another program or user since it "
                                                 "was loaded or saved here; it was last changed on %2.\n\nDo you "
                                                 "want to overwrite it with this version?")
                                      .arg(name, QLocale().toString(change.modified, QLocale::LongFormat)));
}
