// Writing the report definition file from the pages and the working table.
#include "wizard/Wizard.h"

#include "wizard/pages/PageHooks.h"
#include "ui/Modal.h"
#include "ui/Option.h"
#include "base/Paths.h"
#include "ui/SpinEdit.h"
#include "store/Alias.h"
#include "store/ReportNames.h"
#include "design/ReportSession.h"
#include "store/report/ReportWords.h"
#include "store/report/ReportWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>

#include <sys/stat.h>

namespace wizard {

bool Wizard::WriteTheReportFile()
{
    return WriteTheReportFile(window_, saveTarget());
}

bool Wizard::WriteTheReportFile(QWidget* parent, SaveTarget target)
{
    const auto ask = [&](const store::ReportChange& change) { return askToReplace(parent, target.path, change); };
    return report().save(target.path, headOfPages(), {target.known, ask});
}

design::ReportHead Wizard::headOfPages()
{
    design::Report report;
    for (int index = Operation; index < PageCount; ++index)
        hooksOf(index).contribute(report); // every page has its part in a report
    return report.head;
}

void Wizard::shareHead()
{
    report_->setHead(headOfPages());
}

// A report chosen in the selection dialog is known by its bare name in small
// letters; it is found under its name on disk in the alias directory. The
// report loaded or saved last is known under its name on disk already: while
// that name is still there, it is taken without reading the directory again.
QString Wizard::reportPath() const
{
    if (QFileInfo(state_.ReportFileName).isAbsolute())
        return state_.ReportFileName;
    const QString directory = store::GetAliasDirectory(store::DatabaseAlias);
    if (const QString known = report_->knownPath(); !known.isEmpty()) {
        const QString onDisk = QFileInfo(known).fileName();
        struct stat info {};
        if (known == base::JoinPath(directory, onDisk) && store::LowerAZ(onDisk) == store::LowerAZ(state_.ReportFileName)
            && ::stat(base::FileNameBytes(known).constData(), &info) == 0 && !S_ISDIR(info.st_mode))
            return known;
    }
    return base::JoinPath(directory, store::ResolveReportName(directory, state_.ReportFileName));
}

Wizard::SaveTarget Wizard::saveTarget() const
{
    const QString path = reportPath();
    return SaveTarget{path, report_->knownAt(path)};
}

bool Wizard::confirmReplacing(QWidget* parent, SaveTarget& target)
{
    return store::SettleChanges(target.path, target.known, [&](const store::ReportChange& change) {
        return askToReplace(parent, target.path, change);
    });
}

// The answer that keeps the other person's file is the default. The time is
// the one the file gives, which says when it was last written only as far as
// whoever wrote it set it.
bool Wizard::askToReplace(QWidget* parent, const QString& path, const store::ReportChange& change)
{
    const QString where = QDir::toNativeSeparators(path);
    // The sentence on the file's time, read where the messages below give %2.
    const QString time =
        change.modified.isValid()
            //: %1: the date and time the file says it was last written; a sentence of its own, after another
            ? tr(" Its file time says it was last changed on %1.")
                  .arg(QLocale().toString(change.modified, QLocale::LongFormat))
            : QString();
    switch (change.kind) {
    case store::ReportChange::Kind::Deleted:
        //: %1: the report file's path
        return ui::AskYesNoWarning(parent, tr("The report %1 has been deleted by another program or user since it "
                                              "was loaded or saved here.\n\nDo you want to save it again with this "
                                              "version?")
                                               .arg(where));
    case store::ReportChange::Kind::Appeared:
        //: %1: the report file's path; %2: the sentence on the file's time, or nothing
        return ui::AskYesNoWarning(parent, tr("Another program or user has saved a report as %1 since this report "
                                              "was loaded, saved or named here.%2\n\nDo you want to overwrite it "
                                              "with this version?")
                                               .arg(where, time));
    case store::ReportChange::Kind::None:
    case store::ReportChange::Kind::Changed:
        break;
    }
    //: %1: the report file's path; %2: the sentence on the file's time, or nothing
    return ui::AskYesNoWarning(parent, tr("The report %1 has been changed by another program or user since it was "
                                          "loaded or saved here.%2\n\nDo you want to overwrite it with this version?")
                                           .arg(where, time));
}

} // namespace wizard
