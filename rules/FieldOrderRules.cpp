#include "rules/FieldOrderRules.h"

#include "rules/EventFieldMap.h"

#include <QCoreApplication>

namespace rules {

namespace {

bool IsMemo(const QString& entry, const QString& category)
{
    const QString memo = QStringLiteral("memo");
    return entry.toLower() == memo || GetEventFieldName(category, entry).toLower() == memo;
}

// Swaps the highlighted entry with its neighbour at step (-1 up, +1 down) when
// both exist, then checks the rules and undoes the press if they fail.
FieldMove Move(const QStringList& entries, int highlighted, int step, const QString& category)
{
    FieldMove result{entries, highlighted, FieldOrderBreak::None};
    if (highlighted < 0 || highlighted >= entries.size())
        result.highlighted = -1;
    const int target = result.highlighted + step;
    if (result.highlighted >= 0 && target >= 0 && target < entries.size()) {
        result.entries.swapItemsAt(result.highlighted, target);
        result.highlighted = target;
    }
    result.broken = CheckFieldOrder(result.entries, category);
    if (result.broken != FieldOrderBreak::None) {
        result.entries = entries;
        result.highlighted = -1;
    }
    return result;
}

} // namespace

FieldOrderBreak CheckFieldOrder(const QStringList& entries, const QString& category)
{
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (entries[i].toLower() == QStringLiteral("customid"))
            return FieldOrderBreak::CustomIdNotFirst;
    }
    for (qsizetype i = 0; i + 1 < entries.size(); ++i) {
        if (IsMemo(entries[i], category))
            return FieldOrderBreak::MemoNotLast;
    }
    return FieldOrderBreak::None;
}

QString FieldOrderMessage(FieldOrderBreak broken)
{
    switch (broken) {
    case FieldOrderBreak::CustomIdNotFirst:
        return QCoreApplication::translate("FieldOrder", "The CustomID field must appear FIRST on the list");
    case FieldOrderBreak::MemoNotLast:
        return QCoreApplication::translate("FieldOrder", "The Memo Field must be last.");
    case FieldOrderBreak::None:
        break;
    }
    return {};
}

FieldMove MoveFieldUp(const QStringList& entries, int highlighted, const QString& category)
{
    return Move(entries, highlighted, -1, category);
}

FieldMove MoveFieldDown(const QStringList& entries, int highlighted, const QString& category)
{
    return Move(entries, highlighted, +1, category);
}

} // namespace rules
