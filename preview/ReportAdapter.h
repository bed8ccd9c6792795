#pragma once

#include "preview/PreviewReport.h"

namespace design {
struct Report;
}

namespace preview {

// The report as the design core holds it (loaded from a file by
// design::ReportOf, or being designed in a wizard) in the preview's own values:
// the type and category as loading takes them, the fields in report order. The
// one place that knows the core's types.
PreviewReport PreviewReportOf(const design::Report& report);

} // namespace preview
