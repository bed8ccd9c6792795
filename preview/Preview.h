#pragma once

#include "preview/FitFigures.h"
#include "preview/PageLayout.h"
#include "preview/PreviewReport.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace preview {

// How far a pass has come: blocks laid out, pages made, and rows of the table
// the blocks follow read of as many as its header counts.
struct Progress {
    std::int64_t blocks = 0;
    int pages = 0;
    std::int64_t rowsRead = 0;
    std::int64_t rowsClaimed = 0;
};

struct PreviewOptions {
    // Each page as it is made, in order; answer false to end the pass there (the
    // first page comes before the rest of the table is read).
    std::function<bool(const Page&)> page;
    // Called every few thousand blocks; answer false to end the pass.
    std::function<bool(const Progress&)> progress;
    // Set from another thread (a window's Stop) to end the pass at the next block.
    const std::atomic<bool>* stop = nullptr;
    // At most so many blocks (the first contacts or events), as if the table ended there.
    std::int64_t blockLimit = std::numeric_limits<std::int64_t>::max();
    QLocale locale; // dates, times, numbers and yes/no are shown in its forms
};

// One pass of a report over the alias's tables.
struct PreviewResult {
    bool complete = false; // the pass reached the end: the page count, summaries and fits are over every block
    std::int64_t blocks = 0;
    int pages = 0;
    QStringList notices;             // what the reader should know (no link between the tables, a missing field)
    std::vector<FieldFit> fits;      // the fields whose values do not all fit
    std::vector<QString> summaryLines; // the summary lines as the last page shows them
};

// Lays the report out on the tables CONTACT.DB and EVENT.DB of directory in
// one pass, reading them as a stream: memory stays bounded whatever their size.
// Reads only; throws base::EngineError when a table the report needs cannot be
// read or a block does not fit on a page. It shares nothing between calls, so a
// window runs it on a worker thread with the report as it stands, sets stop when
// the design changes, and runs it again on the new value.
PreviewResult MakePreview(const PreviewReport& report, const QString& directory, const PreviewOptions& options);

// The preview's assumptions, in a few lines for its reader: the contact
// manager prints the report, not this program.
QStringList Legend(const PreviewReport& report);

} // namespace preview
