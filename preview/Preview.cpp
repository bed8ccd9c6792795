#include "preview/Preview.h"

#include "preview/BlockStream.h"
#include "preview/Paper.h"
#include "preview/Summaries.h"

#include <QCoreApplication>

namespace preview {

namespace {

constexpr std::int64_t ProgressEvery = 4096;

} // namespace

PreviewResult MakePreview(const PreviewReport& report, const QString& directory, const PreviewOptions& options)
{
    PreviewResult result;
    BlockStream stream(report, directory);
    const HostColumns& columns = stream.columns();
    std::vector<QString> lastPage;
    bool stopped = false;
    PageMaker pages(report, [&](const Page& page) {
        lastPage = std::vector<QString>(page.lines.begin(), page.lines.end());
        return !options.page || options.page(page);
    });
    std::vector<FieldSummary> summaries(report.fields.size());
    std::vector<LengthTally> tallies(report.fields.size());
    std::vector<CellText> cells(report.fields.size());
    while (result.blocks < options.blockLimit) {
        if (options.stop && options.stop->load(std::memory_order_relaxed)) {
            stopped = true;
            break;
        }
        if (!stream.next())
            break;
        for (std::size_t i = 0; i < report.fields.size(); ++i) {
            cells[i] = CellOf(columns.fields[i], stream.contact(), stream.event(), options.locale);
            summaries[i].add(cells[i], ValueOf(columns.fields[i], stream.contact(), stream.event()));
            if (pages.placed()[i])
                tallies[i].add(cells[i].text.size());
        }
        ++result.blocks;
        if (!pages.addBlock(cells)) {
            stopped = true;
            break;
        }
        if (options.progress && result.blocks % ProgressEvery == 0
            && !options.progress({result.blocks, pages.pages(), stream.rowsRead(), stream.rowsClaimed()})) {
            stopped = true;
            break;
        }
    }
    if (!stopped) {
        std::vector<std::vector<QString>> texts(report.fields.size());
        for (std::size_t i = 0; i < report.fields.size(); ++i)
            for (const Summary summary : kSummaries)
                texts[i].push_back(summaries[i].text(summary, columns.fields[i].kind, options.locale));
        result.complete = pages.finish(texts);
        const qsizetype summaryLines = std::count_if(std::begin(kSummaries), std::end(kSummaries), [&](Summary s) {
            return std::any_of(report.fields.begin(), report.fields.end(), [s](const PreviewField& f) { return f.has(s); });
        });
        if (summaryLines > 0 && qsizetype(lastPage.size()) >= summaryLines)
            result.summaryLines.assign(lastPage.end() - summaryLines, lastPage.end());
    }
    result.pages = pages.pages();
    result.notices = stream.notices();
    for (std::size_t i = 0; i < report.fields.size(); ++i)
        if (!pages.placed()[i])
            result.notices << QCoreApplication::translate("Preview", "%1 has no place on the page (line %2, %3 to %4): "
                                                                     "it is not shown.")
                                  .arg(report.fields[i].name)
                                  .arg(report.fields[i].line)
                                  .arg(report.fields[i].left)
                                  .arg(report.fields[i].right);
    result.fits = FitsOf(report, tallies);
    return result;
}

QStringList Legend(const PreviewReport& report)
{
    const int lines = PageLines(report.width);
    return {
        QCoreApplication::translate("Preview", "As the contact manager is expected to print it: 10 characters an inch "
                                               "(a column from L to R holds R - L + 1), 6 lines an inch, %1 lines a "
                                               "page.")
            .arg(lines),
        QCoreApplication::translate("Preview", "\u2026 marks a value cut at its column's end; dates, times, numbers "
                                               "and yes/no in your locale's short forms; a memo's first line."),
    };
}

} // namespace preview
