#include "rules/ColumnCheck.h"

#include "store/engine/Table.h"

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <vector>

namespace wizard {

namespace {

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

// The fields of one report line in report order, and their places among all records.
struct LineFields {
    QList<ColumnRecord> fields;
    std::vector<qsizetype> places;
};

// The lines in use (1 and later, however many), in ascending order. Fields
// without a line (0 or less) are on none.
std::map<int, LineFields> LinesInUse(const QList<ColumnRecord>& records)
{
    std::map<int, LineFields> lines;
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (records[i].line < 1)
            continue;
        LineFields& line = lines[records[i].line];
        line.fields.append(records[i]);
        line.places.push_back(i);
    }
    return lines;
}

// The third rule on the fields of one line, in their order: the first position
// out of place. Positions are compared as numbers, so negative ones order before 0.
std::optional<int> FirstOutOfPlace(const QList<ColumnRecord>& line)
{
    std::vector<int> inOrder;
    std::set<int> sorted;
    for (const ColumnRecord& record : line) {
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
    // Each position came in order, but some came twice: a field on another's
    // span. Only the last field's end may repeat its start.
    const bool lastOnePositionWide = place + 1 == inOrder.size() && inOrder[place] == inOrder[place - 1];
    if (place < inOrder.size() && !lastOnePositionWide)
        return inOrder[place];
    return std::nullopt;
}

// Marks the fields of one line (in order) whose spans meet or cross another's,
// and those one position wide that another field follows.
void MarkOverlapping(const QList<ColumnRecord>& line, const std::vector<qsizetype>& places, QList<bool>& atFault)
{
    const qsizetype count = line.size();
    std::vector<int> laterStart(std::size_t(count), INT_MAX);
    for (qsizetype i = count - 1; i > 0; --i)
        laterStart[std::size_t(i - 1)] = std::min(laterStart[std::size_t(i)], line[i].lposition);
    int earlierEnd = INT_MIN;
    for (qsizetype i = 0; i < count; ++i) {
        const ColumnRecord& field = line[i];
        const bool followed = i + 1 < count;
        if (field.lposition <= earlierEnd || field.rposition >= laterStart[std::size_t(i)]
            || (followed && field.lposition == field.rposition))
            atFault[places[std::size_t(i)]] = true;
        earlierEnd = std::max(earlierEnd, field.rposition);
    }
}

} // namespace

bool EndsBeforeStart(const ColumnRecord& record)
{
    return record.lposition > record.rposition;
}

bool EndsBeyond(int maximum, const ColumnRecord& record)
{
    return record.rposition > maximum;
}

bool CheckLeftRight(const QList<ColumnRecord>& records)
{
    return std::none_of(records.begin(), records.end(), EndsBeforeStart);
}

bool CheckRightMax(int maximum, const QList<ColumnRecord>& records)
{
    return std::none_of(records.begin(), records.end(),
                        [maximum](const ColumnRecord& record) { return EndsBeyond(maximum, record); });
}

QList<bool> FieldsAtFault(int maximum, const QList<ColumnRecord>& records)
{
    QList<bool> atFault(records.size(), false);
    for (qsizetype i = 0; i < records.size(); ++i)
        atFault[i] = EndsBeforeStart(records[i]) || EndsBeyond(maximum, records[i]);
    for (const auto& [number, line] : LinesInUse(records)) {
        if (FirstOutOfPlace(line.fields))
            MarkOverlapping(line.fields, line.places, atFault);
    }
    return atFault;
}

std::optional<int> FindOverlap(const QList<ColumnRecord>& records)
{
    for (const auto& [number, line] : LinesInUse(records)) {
        if (const std::optional<int> position = FirstOutOfPlace(line.fields))
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
