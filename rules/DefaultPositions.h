#pragma once

#include "rules/ColumnLayout.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rules {

// One row of the positions grid of the Column Widths page, as its four texts.
struct PositionRow {
    QString field;
    QString line;
    QString start;
    QString end;

    bool operator==(const PositionRow&) const = default;
};

struct PositionInput {
    QStringList fields;        // the field-order list, in report order
    PreviewBlock preview;      // the used block of the Column and Rows preview
    int printableWidth = 0;    // tenths of an inch
    bool detailLevel = false;  // "Yes, use Detail Level"
    // The CustomID row is placed (detail level used, and creating or the layout changed).
    bool customIdRowPlaced = false;
};

// The default positions: one row per entry of the field-order list, in list
// order. When the list leads with CustomID under the detail level, that row is
// "CustomID" on line 1 from 1 to 25 if it is placed, and the other fields start
// at 26; if it is not placed, its line and positions stay empty and the others
// start at 1. Every other entry, a CustomID included, is an ordinary field: its
// line is the preview row holding its exact name (empty when none does), and the
// fields of a line share the width W = (width - start) / (fields on line 1),
// placed one after the other.
QList<PositionRow> DefaultPositions(const PositionInput& input);

} // namespace rules
