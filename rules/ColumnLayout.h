#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rules {

// The word of a preview cell that holds no field; the positions take it as it stands.
extern const QString Blank;

// The preview of the Column and Rows page: rows of cells, each row as wide as
// the Columns value. A cell holds a field's display name, spelled as in the
// field-order list, or "BLANK". Preview row r is report line r + 1.
using PreviewBlock = QList<QStringList>;

inline constexpr int MinColumns = 1;
inline constexpr int MaxColumns = 20;
inline constexpr int MaxPreviewRows = 19;

// The error shown when the fields need more preview rows than there are.
QString RowLimitMessage();

// True when the detail level is used and the list's first entry is CustomID:
// that entry is not laid out, since it always takes the first column of line 1.
// A CustomID anywhere else, or with the detail level off, is an ordinary field.
bool LeadsWithCustomId(const QStringList& fields, bool detailLevel);

// One layout pass over the field-order list.
struct ColumnLayout {
    int columns = MinColumns;  // the Columns value as laid out (within 1..20)
    int rows = 1;              // the rows count to show; always at least 1
    // The used block, `columns` wide. It is `rows` high, except after a pass
    // that placed everything on one row: then it keeps the previous pass's
    // height, and the rows below the first hold only "BLANK" (the caller sizes
    // the cells by `rows`, so those rows lie below the visible area).
    PreviewBlock cells;
    // The fields needed more than 19 rows: the pass stopped placing at the
    // limit, so no field is written over another. The caller shows
    // RowLimitMessage() once.
    bool limitReached = false;
};

// Spreads the fields, from the left and row by row, over `columnsValue`
// columns (a value outside 1..20 is laid out as its nearest bound).
// previousRows is the rows count the page showed before this pass.
ColumnLayout LayOutColumns(const QStringList& fields, bool detailLevel, int columnsValue, int previousRows);

// True when every field finds a cell in the preview with that Columns value.
bool AllFieldsFit(const QStringList& fields, bool detailLevel, int columnsValue);

} // namespace rules
