// The preview window opened from the column-widths and field-definitions pages and from the column-width editor.
#include "wizard/Wizard.h"

#include "wizard/dialogs/TFrmColumn.h"
#include "wizard/pages/ColumnWidthsPage.h"
#include "wizard/preview/PreviewWindow.h"
#include "design/ReportDesign.h"
#include "store/Alias.h"
#include "ui/ErrorGuard.h"

namespace wizard {

design::Report Wizard::reportAsDesigned()
{
    // Reading the rows stores the pending edit and walks the cursor, which the
    // field-definitions page edits through: it is put back on its field.
    const std::optional<store::FieldRow> current = design().current();
    design::Report report = report_->report({});
    if (current)
        design().goTo(current->field);
    // Over the session's rows, each page's part: the head's pages theirs, the
    // column-widths page the positions typed, which reach the rows only when it is left or checked.
    for (int index = Operation; index < PageCount; ++index)
        hooksOf(index).contribute(report);
    return report;
}

void Wizard::showPreview()
{
    if (!previewWindow_) {
        PreviewWindow::Source source;
        source.report = [this] { return reportAsDesigned(); };
        source.apply = [this](const QString& field, int left, int right) {
            // The window stays open on every page: the columns are checked against the width the pages hold now.
            shareHead();
            widths_->applySpan(field, left, right);
        };
        previewWindow_ = new PreviewWindow(store::GetAliasDirectory(store::DatabaseAlias), std::move(source), window_);
        connect(report_.get(), &design::ReportSession::rowsChanged, previewWindow_.data(),
                &PreviewWindow::designChanged);
    } else {
        previewWindow_->runAgain();
    }
    previewWindow_->show();
    previewWindow_->raise();
    previewWindow_->activateWindow();
}

void Wizard::showEditorPreview(TFrmColumn& editor)
{
    if (auto* open = editor.findChild<PreviewWindow*>()) {
        open->runAgain();
        open->raise();
        open->activateWindow();
        return;
    }
    PreviewWindow::Source source;
    // The rows as the editor has stored them, read through a cursor of their own, so the editor's grid stays put.
    source.report = [this] {
        design::ReportDesign rows(session_, store::DatabaseAlias);
        rows.open();
        return design::Report{headOfPages(), rows.rowsInReportOrder()};
    };
    source.apply = [&editor](const QString& field, int left, int right) { editor.applySpan(field, left, right); };
    auto* window = new PreviewWindow(store::GetAliasDirectory(store::DatabaseAlias), std::move(source), &editor);
    connect(&editor.design(), &design::ReportDesign::changed, window, &PreviewWindow::designChanged);
    window->show();
}

} // namespace wizard
