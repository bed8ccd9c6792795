#pragma once

#include "store/report/FieldRow.h"

#include <QString>
#include <optional>
#include <vector>

namespace store {

// Lines 1 to 5 of a report definition file, as read and as written; a listing
// reads only some of them, the others stay empty.
struct ReportHead {
    QString description;  // line 1 as it stands
    QString typeLine;     // line 2 as it stands; written: "Contact" or "Calendar"
    QString categoryLine; // line 3 as it stands; written: a category's word
    int width = 0;        // line 4 as a whole number, 0 when it holds none
    std::optional<int> fieldCount; // line 5 as a whole number, none when it holds none

    friend bool operator==(const ReportHead&, const ReportHead&) = default;
};

// A report definition file read by loading's rules, into plain values.
struct ReportContent : ReportHead {
    std::vector<FieldRow> fields; // in file order, each order its place in the file from 1
};

} // namespace store
