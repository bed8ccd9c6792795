#pragma once

#include "preview/HostColumns.h"
#include "preview/PreviewReport.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace preview {

// What one field adds up over the blocks: values counted (those that show
// something), the total of its numbers, and the greatest and least number,
// date, time or timestamp.
class FieldSummary {
public:
    void add(const CellText& cell, const px::Value* value);
    std::int64_t count() const { return count_; }
    // The summary as the preview prints it; empty when the field's values give
    // none (a total of dates, a maximum of text).
    QString text(Summary summary, const ColumnKind& kind, const QLocale& locale) const;

private:
    std::int64_t count_ = 0;
    std::int64_t numbers_ = 0;
    double total_ = 0;
    std::optional<px::Value> max_;
    std::optional<px::Value> min_;
};

// The word a summary's line gives it, in the user's language.
QString SummaryLabel(Summary summary);

} // namespace preview
