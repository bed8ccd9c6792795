#pragma once

#include "store/report/FieldRow.h"
#include "store/report/ReportContent.h"
#include "store/report/ReportVersion.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace store {

// Asked when the file a save is about to replace is not as the saver knows it
// (see ChangeSince): true to write over what is there now.
using ReplaceQuestion = std::function<bool(const ReportChange& change)>;

// What a save may write over: the version of the file at its path that the
// saver has seen (none: nothing should be there), and whom to ask when the
// file is not that version. Without a question the file is written over
// whatever is there.
struct SaveGuard {
    std::optional<ReportVersion> known;
    ReplaceQuestion ask;
};

// Looks at the file at path until it is as known, asking about each change
// (a change made while the question is open is asked about again). After Yes,
// what is there is known. False when the answer was No.
bool SettleChanges(const QString& path, std::optional<ReportVersion>& known, const ReplaceQuestion& ask);

// Writes the report definition file: lines 1 to 4 of head (the type and
// category lines as the words that ReportWords gives), the number of rows (not
// head's line 5), then one
// thirteen-line record per row in the order given (the report's order: by
// line, then order), every line in Windows-1252 ending in CR LF. A bare path is
// taken against the current directory. The file is replaced through
// WriteFileAtomically: on failure the old report stays as it was and
// base::FileError tells why (also when a text holds a character that
// Windows-1252 lacks). The guard's look comes last, once the new file is on
// disk, right before it takes its place; where nothing should be, it is put
// only where nothing is. Returns what was written, to tell later changes by
// others; none when the question was answered No and nothing was written.
std::optional<ReportVersion> WriteReportFile(const QString& path, const ReportHead& head,
                                             const std::vector<FieldRow>& rows, const SaveGuard& guard = {});

} // namespace store
