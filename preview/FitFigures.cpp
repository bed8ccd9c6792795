#include "preview/FitFigures.h"

#include "rules/ColumnCheck.h"

#include <QCoreApplication>

#include <algorithm>

namespace preview {

BlockKind BlockKindOf(const PreviewReport& report)
{
    if (report.dateOrdered)
        return BlockKind::Events;
    const bool eventBlocks = report.events != EventKind::None
                             && std::any_of(report.fields.begin(), report.fields.end(),
                                            [](const PreviewField& field) { return field.event; });
    return eventBlocks ? BlockKind::Blocks : BlockKind::Contacts;
}

void LengthTally::add(qsizetype length)
{
    ++values_;
    ++counts_[std::size_t(std::min(length, Told))];
    longest_ = std::max(longest_, length);
}

std::int64_t LengthTally::longerThan(qsizetype length) const
{
    std::int64_t longer = 0;
    for (qsizetype l = std::max<qsizetype>(length + 1, 0); l <= Told; ++l)
        longer += counts_[std::size_t(l)];
    return longer;
}

qsizetype LengthTally::holding(double share) const
{
    std::int64_t held = 0;
    for (qsizetype l = 0; l < Told; ++l) {
        held += counts_[std::size_t(l)];
        if (double(held) >= share * double(values_))
            return l;
    }
    return longest_;
}

namespace {

QList<rules::ColumnRecord> RecordsOf(const PreviewReport& report)
{
    QList<rules::ColumnRecord> records;
    for (std::size_t i = 0; i < report.fields.size(); ++i) {
        const PreviewField& f = report.fields[i];
        records.append({f.line, int(i) + 1, f.left, f.right});
    }
    return records;
}

// Spans that hold length characters, nearest the field's own first, each passing the check.
std::optional<SuggestedSpan> SpanFor(const PreviewReport& report, int index, qsizetype length,
                                     const LengthTally& tally)
{
    const PreviewField& field = report.fields[std::size_t(index)];
    // The room between the field's neighbours on its line.
    int low = 1;
    int high = report.width;
    for (std::size_t i = 0; i < report.fields.size(); ++i) {
        const PreviewField& other = report.fields[i];
        if (int(i) == index || other.line != field.line)
            continue;
        if (int(i) < index)
            low = std::max(low, other.right + 1);
        else
            high = std::min(high, other.left - 1);
    }
    const int need = int(std::min<qsizetype>(length, 1000));
    std::vector<std::pair<int, int>> candidates = {
        {field.left, field.left + need - 1},
        {field.right - need + 1, field.right},
        {std::clamp(field.left, low, std::max(low, high - need + 1)),
         std::clamp(field.left, low, std::max(low, high - need + 1)) + need - 1},
        {low, high}, // the widest the room allows, when nothing holds them all
    };
    QList<rules::ColumnRecord> records = RecordsOf(report);
    for (const auto& [left, right] : candidates) {
        if (left < 1 || right < left)
            continue;
        records[index].lposition = left;
        records[index].rposition = right;
        if (rules::ColumnCheckFailure(report.width, records).isEmpty()) {
            // A span no wider than the column is no suggestion.
            if (right - left <= field.right - field.left)
                return std::nullopt;
            return SuggestedSpan{left, right, tally.values() - tally.longerThan(right - left + 1)};
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<FieldFit> FitsOf(const PreviewReport& report, const std::vector<LengthTally>& tallies)
{
    std::vector<FieldFit> fits;
    for (std::size_t i = 0; i < report.fields.size() && i < tallies.size(); ++i) {
        const PreviewField& field = report.fields[i];
        const LengthTally& tally = tallies[i];
        const int capacity = std::max(0, field.right - field.left + 1);
        if (tally.longest() <= capacity)
            continue;
        FieldFit fit;
        fit.field = int(i);
        fit.capacity = capacity;
        fit.values = tally.values();
        fit.cut = tally.longerThan(capacity);
        fit.longest = tally.longest();
        fit.all = SpanFor(report, int(i), tally.longest(), tally);
        // The column may hold 95% of them already.
        if (const qsizetype most = tally.holding(0.95); most > capacity)
            fit.most = SpanFor(report, int(i), most, tally);
        fits.push_back(fit);
    }
    return fits;
}

QString FitSentence(const PreviewReport& report, const FieldFit& fit)
{
    const char* const sentences[] = {
        QT_TRANSLATE_NOOP("Preview", "%1 is cut in %2 of %3 contacts (longest %4 characters; the column holds %5)"),
        QT_TRANSLATE_NOOP("Preview", "%1 is cut in %2 of %3 events (longest %4 characters; the column holds %5)"),
        QT_TRANSLATE_NOOP("Preview", "%1 is cut in %2 of %3 blocks (longest %4 characters; the column holds %5)"),
    };
    QString sentence = QCoreApplication::translate("Preview", sentences[int(BlockKindOf(report))])
                           .arg(report.fields[std::size_t(fit.field)].name)
                           .arg(fit.cut)
                           .arg(fit.values)
                           .arg(fit.longest)
                           .arg(fit.capacity);
    if (fit.all)
        sentence += QCoreApplication::translate("Preview", "; %1 to %2 holds %3 of them")
                        .arg(fit.all->left)
                        .arg(fit.all->right)
                        .arg(fit.all->holds);
    if (fit.most && (!fit.all || fit.most->right - fit.most->left != fit.all->right - fit.all->left))
        sentence += QCoreApplication::translate("Preview", ", %1 to %2 holds %3")
                        .arg(fit.most->left)
                        .arg(fit.most->right)
                        .arg(fit.most->holds);
    return sentence;
}

} // namespace preview
