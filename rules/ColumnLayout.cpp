#include "rules/ColumnLayout.h"

#include <QCoreApplication>

#include <algorithm>

namespace rules {

const QString Blank = QStringLiteral("BLANK");

namespace {

int ClampColumns(int columnsValue)
{
    return std::clamp(columnsValue, MinColumns, MaxColumns);
}

// The fields that take cells in the preview.
QStringList PlacedFields(const QStringList& fields, bool detailLevel)
{
    return LeadsWithCustomId(fields, detailLevel) ? fields.mid(1) : fields;
}

} // namespace

QString RowLimitMessage()
{
    return QCoreApplication::translate("ColumnLayout", "You cannot have more than 18 fields!");
}

bool LeadsWithCustomId(const QStringList& fields, bool detailLevel)
{
    return detailLevel && !fields.isEmpty() && fields.first().toLower() == QStringLiteral("customid");
}

ColumnLayout LayOutColumns(const QStringList& fields, bool detailLevel, int columnsValue, int previousRows)
{
    ColumnLayout layout;
    layout.columns = ClampColumns(columnsValue);
    const QStringList placed = PlacedFields(fields, detailLevel);

    const qsizetype needed = std::max<qsizetype>(1, (placed.size() + layout.columns - 1) / layout.columns);
    layout.limitReached = needed > MaxPreviewRows;
    layout.rows = static_cast<int>(std::min<qsizetype>(needed, MaxPreviewRows));

    // A pass that starts no second row leaves the block as high as before.
    const int height = layout.rows > 1 ? layout.rows : std::clamp(previousRows, 1, MaxPreviewRows);
    const QStringList blankRow(layout.columns, Blank);
    layout.cells = PreviewBlock(height, blankRow);

    const qsizetype fitting = std::min<qsizetype>(placed.size(), qsizetype(layout.rows) * layout.columns);
    for (qsizetype i = 0; i < fitting; ++i)
        layout.cells[i / layout.columns][i % layout.columns] = placed[i];
    return layout;
}

bool AllFieldsFit(const QStringList& fields, bool detailLevel, int columnsValue)
{
    return PlacedFields(fields, detailLevel).size() <= qsizetype(MaxPreviewRows) * ClampColumns(columnsValue);
}

} // namespace rules
