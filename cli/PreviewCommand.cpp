// tabrep-report preview: a report laid out on the alias's contacts, as text
// pages, or the fit of its columns as JSON, or drawn by the drawing program.
#include "cli/ReportTool.h"

#include "cli/ReportFiles.h"
#include "cli/Visible.h"
#include "design/Report.h"
#include "preview/Preview.h"
#include "preview/ReportAdapter.h"
#include "store/report/ReportContent.h"

#include <QCoreApplication>

namespace cli {

namespace {

void Write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

QString SpanJson(const std::optional<preview::SuggestedSpan>& span)
{
    if (!span)
        return QStringLiteral("null");
    return QStringLiteral("{\"start\":%1,\"end\":%2,\"holds\":%3}").arg(span->left).arg(span->right).arg(span->holds);
}

QString FitJson(const preview::PreviewReport& report, const preview::FieldFit& fit)
{
    const preview::PreviewField& field = report.fields[std::size_t(fit.field)];
    return QStringLiteral("{\"field\":%1,\"line\":%2,\"start\":%3,\"end\":%4,\"capacity\":%5,\"values\":%6,"
                          "\"cut\":%7,\"longest\":%8,\"all\":%9,\"most\":%10}\n")
        .arg(JsonString(field.name))
        .arg(field.line)
        .arg(field.left)
        .arg(field.right)
        .arg(fit.capacity)
        .arg(fit.values)
        .arg(fit.cut)
        .arg(fit.longest)
        .arg(SpanJson(fit.all), SpanJson(fit.most));
}

} // namespace

int PreviewCommand(const PreviewRequest& request, const Streams& streams)
{
    const NamedFile named = ReportPath(request.file);
    const preview::PreviewReport report = preview::PreviewReportOf(design::ReportOf(ReadReportDefinition(named.path)));
    const std::unique_ptr<PageDrawing> drawing =
        request.drawing ? request.drawing(request.pdf, request.png, report.width) : nullptr;
    // The pages go to the terminal unless they are drawn; the legend, the totals and the fit
    // unless JSON is asked for.
    const bool text = !request.json && !drawing;
    if (!request.json)
        for (const QString& line : preview::Legend(report))
            Write(streams.out, line + u'\n');
    preview::PreviewOptions options;
    options.blockLimit = request.blocks;
    options.page = [&](const preview::Page& page) {
        if (drawing && page.number <= request.pages && !drawing->page(page))
            return false;
        if (text && page.number <= request.pages) {
            Write(streams.out, u'\n' + QCoreApplication::translate("ReportTool", "Page %1").arg(page.number) + u'\n');
            for (const QString& line : page.lines)
                Write(streams.out, Visible(line) + u'\n');
        }
        return true;
    };
    const preview::PreviewResult result = preview::MakePreview(report, AliasDirectory(), options);
    for (const QString& notice : result.notices)
        Complain(streams, notice);
    if (drawing) {
        if (!drawing->finish()) {
            Complain(streams, drawing->failure());
            return Trouble;
        }
    }
    if (request.json) {
        for (const preview::FieldFit& fit : result.fits)
            Write(streams.out, FitJson(report, fit));
        return Passed;
    }
    if (text && result.pages > request.pages && !result.summaryLines.empty()) {
        Write(streams.out, u'\n' + QCoreApplication::translate("ReportTool", "Summaries (page %1):").arg(result.pages) + u'\n');
        for (const QString& line : result.summaryLines)
            Write(streams.out, Visible(line) + u'\n');
    }
    const char* const totals[] = {QT_TRANSLATE_NOOP("ReportTool", "%1 pages, %2 contacts."),
                                  QT_TRANSLATE_NOOP("ReportTool", "%1 pages, %2 events."),
                                  QT_TRANSLATE_NOOP("ReportTool", "%1 pages, %2 blocks.")};
    Write(streams.out, u'\n'
                           + QCoreApplication::translate("ReportTool", totals[int(preview::BlockKindOf(report))])
                                 .arg(result.pages)
                                 .arg(result.blocks)
                           + u'\n');
    for (const preview::FieldFit& fit : result.fits)
        Write(streams.out, Visible(preview::FitSentence(report, fit)) + u'\n');
    return Passed;
}

} // namespace cli
