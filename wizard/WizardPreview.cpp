// The preview window opened from the column-widths and field-definitions pages and from the column-width editor.
#include "wizard/Wizard.h"

#include "wizard/dialogs/TFrmColumn.h"
#include "wizard/pages/ColumnWidthsPage.h"
#include "wizard/preview/PreviewWindow.h"
#include "design/ReportDesign.h"
#include "rules/DefaultPositions.h"
#include "rules/EventFieldMap.h"
#include "store/Alias.h"
#include "ui/ErrorGuard.h"

namespace {

std::optional<int> NumberOf(const QString& text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

} // namespace

design::Report Wizard::reportAsDesigned()
{
    // Reading the rows stores the pending edit and walks the cursor, which the
    // field-definitions page edits through: it is put back on its field.
    const std::optional<store::FieldRow> current = design().current();
    design::Report report = report_->report(headOfPages());
    if (current)
        design().goTo(current->field);
    // Positions typed on the column-widths page reach the working table only when it is left or checked.
    if (state_.PageIndex != Widths || !widths_)
        return report;
    const QList<rules::PositionRow> rows = widths_->positions();
    for (int i = 0; i < rows.size(); ++i) {
        const QString key = rules::GetEventFieldName(report_->eventCategory(), rows[i].field);
        auto field = std::find_if(report.fields.begin(), report.fields.end(),
                                  [&](const store::FieldRow& row) { return row.field == key; });
        if (field == report.fields.end()) {
            store::FieldRow row;
            row.field = row.header = key;
            field = report.fields.insert(report.fields.end(), row);
        }
        field->order = i + 1;
        field->line = NumberOf(rows[i].line);
        field->lposition = NumberOf(rows[i].start);
        field->rposition = NumberOf(rows[i].end);
    }
    report.fields = design::InReportOrder(std::move(report.fields));
    return report;
}

void Wizard::applySpan(const QString& field, int left, int right)
{
    QList<rules::PositionRow> rows = widths_->positions();
    for (rules::PositionRow& row : rows)
        if (rules::GetEventFieldName(report_->eventCategory(), row.field) == field) {
            row.start = QString::number(left);
            row.end = QString::number(right);
        }
    widths_->showPositions(rows);
    BtnCheckClick();
}

void Wizard::showPreview()
{
    if (!previewWindow_) {
        PreviewWindow::Source source;
        source.report = [this] { return reportAsDesigned(); };
        source.apply = [this](const QString& field, int left, int right) { applySpan(field, left, right); };
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
