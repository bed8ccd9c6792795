#include "rules/ColumnCheck.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <vector>

namespace rules {

namespace {

QString OverlapMessage(int position)
{
    //: %1: the first position out of place, in tenths of an inch
    return QCoreApplication::translate("ColumnCheck", "There are overlaps for right margin %1").arg(position);
}

// The places of the fields on the lines in use (1 and later, however many),
// by line in ascending order and within a line in the records' order. Fields
// without a line (0 or less) are on none. Records in report order are sorted already.
std::vector<qsizetype> PlacesByLine(const QList<ColumnRecord>& records)
{
    std::vector<qsizetype> places;
    places.reserve(std::size_t(records.size()));
    for (qsizetype i = 0; i < records.size(); ++i)
        if (records[i].line >= 1)
            places.push_back(i);
    const auto byLine = [&records](qsizetype a, qsizetype b) { return records[a].line < records[b].line; };
    if (!std::is_sorted(places.begin(), places.end(), byLine))
        std::stable_sort(places.begin(), places.end(), byLine);
    return places;
}

// The fields of one line in order: places into the records.
struct LineFields {
    const QList<ColumnRecord>& records;
    std::vector<qsizetype>::const_iterator first;
    std::vector<qsizetype>::const_iterator last;

    qsizetype size() const { return last - first; }
    const ColumnRecord& operator[](qsizetype i) const { return records[first[i]]; }
    qsizetype place(qsizetype i) const { return first[i]; }
};

// Calls visit with each line in use, in ascending order, until it answers true.
template <typename Visit>
void ForEachLine(const QList<ColumnRecord>& records, Visit visit)
{
    const std::vector<qsizetype> places = PlacesByLine(records);
    for (auto first = places.cbegin(); first != places.cend();) {
        const int line = records[*first].line;
        const auto last =
            std::find_if(first, places.cend(), [&](qsizetype place) { return records[place].line != line; });
        if (visit(LineFields{records, first, last}))
            return;
        first = last;
    }
}

// True when the positions start, end, start, end ... rise strictly, the last
// field's end but for repeating its start: no position out of place.
bool RisesStrictly(const LineFields& line)
{
    int previous = INT_MIN;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const ColumnRecord& field = line[i];
        const bool last = i + 1 == line.size();
        if ((i > 0 && field.lposition <= previous) || field.rposition < field.lposition
            || (field.rposition == field.lposition && !last))
            return false;
        previous = field.rposition;
    }
    return true;
}

// The third rule on the fields of one line, in their order: the first position
// out of place. Positions are compared as numbers, so negative ones order before 0.
std::optional<int> FirstOutOfPlace(const LineFields& line)
{
    if (RisesStrictly(line))
        return std::nullopt;
    std::vector<int> inOrder;
    inOrder.reserve(std::size_t(2 * line.size()));
    for (qsizetype i = 0; i < line.size(); ++i) {
        inOrder.push_back(line[i].lposition);
        inOrder.push_back(line[i].rposition);
    }
    std::vector<int> sorted = inOrder;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::size_t place = 0;
    for (int position : sorted) {
        if (inOrder[place] != position)
            return inOrder[place];
        ++place;
    }
    // Each position came in order, but some came twice: a field on another's
    // span. The repeat stands inside inOrder: a line whose positions all differ,
    // or only whose last field is one position wide, rises strictly.
    return inOrder[place];
}

// Marks the fields of one line (in order) whose spans meet or cross another's,
// and those one position wide that another field follows.
void MarkOverlapping(const LineFields& line, QList<bool>& atFault)
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
            atFault[line.place(i)] = true;
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
    ForEachLine(records, [&](const LineFields& line) {
        if (FirstOutOfPlace(line))
            MarkOverlapping(line, atFault);
        return false;
    });
    return atFault;
}

std::optional<int> FindOverlap(const QList<ColumnRecord>& records)
{
    std::optional<int> position;
    ForEachLine(records, [&](const LineFields& line) {
        position = FirstOutOfPlace(line);
        return position.has_value();
    });
    return position;
}

QString MarginFailure(int maximum, const QList<ColumnRecord>& records)
{
    if (!CheckLeftRight(records))
        //: A field ends before it starts
        return QCoreApplication::translate("ColumnCheck", "LEFT Margin is greater than RIGHT margin");
    if (!CheckRightMax(maximum, records))
        //: %1: the printable width, in tenths of an inch
        return QCoreApplication::translate("ColumnCheck", "RIGHT margin greater than Right margin MAX of %1")
            .arg(maximum);
    return {};
}

QString OverlapFailure(const QList<ColumnRecord>& records)
{
    if (const std::optional<int> position = FindOverlap(records))
        return OverlapMessage(*position);
    return {};
}

QString ColumnCheckFailure(int maximum, const QList<ColumnRecord>& records)
{
    if (QString failure = MarginFailure(maximum, records); !failure.isEmpty())
        return failure;
    return OverlapFailure(records);
}

} // namespace rules
