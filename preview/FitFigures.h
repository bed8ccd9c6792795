#pragma once

#include "preview/PreviewReport.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace preview {

// The lengths of one field's values over the blocks, in characters.
class LengthTally {
public:
    void add(qsizetype length);
    std::int64_t values() const { return values_; }
    std::int64_t longerThan(qsizetype length) const;
    qsizetype longest() const { return longest_; }
    // The shortest length that holds at least share (0 to 1) of the values.
    qsizetype holding(double share) const;

    // Lengths are told apart up to this; longer ones count as one more.
    static constexpr qsizetype Told = 256;

private:
    std::vector<std::int64_t> counts_ = std::vector<std::int64_t>(Told + 1, 0);
    std::int64_t values_ = 0;
    qsizetype longest_ = 0;
};

// A span for a field that passes the column check, and how many values it holds.
struct SuggestedSpan {
    int left = 0;
    int right = 0;
    std::int64_t holds = 0;
};

// What the data says about one field whose values do not all fit its column.
struct FieldFit {
    int field = 0;           // its index in the report's fields
    int capacity = 0;        // characters the column holds
    std::int64_t values = 0; // blocks looked at
    std::int64_t cut = 0;    // values longer than the column
    qsizetype longest = 0;
    // A span holding every value, or the widest wider than the column that passes the check; none when there is none.
    std::optional<SuggestedSpan> all;
    std::optional<SuggestedSpan> most; // one holding 95% of them, when the column does not already
};

// The fit of each field whose values do not all fit; tallies one per report field.
std::vector<FieldFit> FitsOf(const PreviewReport& report, const std::vector<LengthTally>& tallies);

// What the blocks of the report are: contacts, events, or blocks of a contact
// and one of its events (a contact-ordered report with event fields).
enum class BlockKind { Contacts, Events, Blocks };
BlockKind BlockKindOf(const PreviewReport& report);

// "Company is cut in 37 of 500 contacts (longest 38 characters; the column holds 25)".
QString FitSentence(const PreviewReport& report, const FieldFit& fit);

} // namespace preview
