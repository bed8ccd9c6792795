#include "ColumnCheck.h"

#include "Table.h"

#include <set>
#include <vector>

namespace wizard {

namespace {

constexpr int FirstCheckedLine = 1;
constexpr int LastCheckedLine = 10;

// Positions are compared as numbers, so negative ones order before 0.
std::optional<int> FindOverlapOnLine(int line, const QList<ColumnRecord>& records)
{
    std::vector<int> inOrder;
    std::set<int> sorted;
    for (const ColumnRecord& record : records) {
        if (record.line != line)
            continue;
        for (int position : {record.lposition, record.rposition}) {
            inOrder.push_back(position);
            sorted.insert(position);
        }
    }
    std::size_t place = 0;
    for (int position : sorted) {
        if (inOrder[place] != position)
            return inOrder[place];
        ++place;
    }
    return std::nullopt;
}

QList<ColumnRecord> ReadRecords(store::Table& table)
{
    QList<ColumnRecord> records;
    for (table.First(); !table.Eof(); table.Next()) {
        records.append(ColumnRecord{table.FieldByName(QStringLiteral("Line")).AsInteger(),
                                    table.FieldByName(QStringLiteral("Order")).AsInteger(),
                                    table.FieldByName(QStringLiteral("LPosition")).AsInteger(),
                                    table.FieldByName(QStringLiteral("RPosition")).AsInteger()});
    }
    return records;
}

QString OverlapMessage(int position)
{
    return QStringLiteral("There are overlaps for right margin ") + QString::number(position);
}

// The first two rules, which take the records in any order.
QString MarginFailure(int maximum, const QList<ColumnRecord>& records)
{
    if (!CheckLeftRight(records))
        return QStringLiteral("LEFT Margin is less than RIGHT margin");
    if (!CheckRightMax(maximum, records))
        return QStringLiteral("RIGHT margin greater than Right margin MAX of ") + QString::number(maximum);
    return {};
}

} // namespace

bool CheckLeftRight(const QList<ColumnRecord>& records)
{
    for (const ColumnRecord& record : records) {
        if (record.lposition > record.rposition)
            return false;
    }
    return true;
}

bool CheckRightMax(int maximum, const QList<ColumnRecord>& records)
{
    for (const ColumnRecord& record : records) {
        if (record.rposition > maximum)
            return false;
    }
    return true;
}

std::optional<int> FindOverlap(const QList<ColumnRecord>& records)
{
    for (int line = FirstCheckedLine; line <= LastCheckedLine; ++line) {
        if (const std::optional<int> position = FindOverlapOnLine(line, records))
            return position;
    }
    return std::nullopt;
}

QString ColumnCheckFailure(int maximum, const QList<ColumnRecord>& records)
{
    if (QString failure = MarginFailure(maximum, records); !failure.isEmpty())
        return failure;
    if (const std::optional<int> position = FindOverlap(records))
        return OverlapMessage(*position);
    return {};
}

QString ColumnCheckFailure(int maximum, store::Table& table)
{
    const store::ControlsDisabled quiet(table);
    if (QString failure = MarginFailure(maximum, ReadRecords(table)); !failure.isEmpty())
        return failure;
    table.SetIndexName(QStringLiteral("iOrder"));
    if (const std::optional<int> position = FindOverlap(ReadRecords(table)))
        return OverlapMessage(*position);
    return {};
}

} // namespace wizard
