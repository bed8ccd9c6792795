#pragma once

#include "preview/PreviewReport.h"

namespace store {
struct ReportContent;
}

namespace preview {

// The report as the report reader gives it, in the preview's own values: the
// type and category as loading takes them, the fields in report order. The one
// place that knows the reader's types.
PreviewReport PreviewReportOf(const store::ReportContent& content);

} // namespace preview
