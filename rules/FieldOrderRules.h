#pragma once

#include <QString>
#include <QStringList>

namespace rules {

// The two rules that hold the field-order list in shape: CustomID first, a
// memo field last. The entries are the list's texts: contact names, "CustomID",
// combination names, and event fields under the category's display names (or
// their stored names after a report was loaded).
enum class FieldOrderBreak { None, CustomIdNotFirst, MemoNotLast };

// The first broken rule: an entry after the first that is "customid" in lower
// case breaks the CustomID rule; an entry before the last that is "memo" in
// lower case, or whose stored name for the category is, breaks the memo rule.
FieldOrderBreak CheckFieldOrder(const QStringList& entries, const QString& category);

// The error text for a broken rule; empty for None.
QString FieldOrderMessage(FieldOrderBreak broken);

// A press of "Move Up" or "Move Down". highlighted is the highlighted entry's
// index, -1 (or any index outside the list) for none. The rules are checked
// after every press, also when nothing moved; when they fail, the list is back
// in its order before the press with no entry highlighted, and `broken` names
// the rule whose message the caller shows.
struct FieldMove {
    QStringList entries;
    int highlighted = -1;
    FieldOrderBreak broken = FieldOrderBreak::None;
};

FieldMove MoveFieldUp(const QStringList& entries, int highlighted, const QString& category);
FieldMove MoveFieldDown(const QStringList& entries, int highlighted, const QString& category);

} // namespace rules
