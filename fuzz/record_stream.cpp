// libFuzzer target for the record stream the preview reads tables through. The
// input is a .DB file, optionally followed by a separator and the table's .MB
// file (fuzz/TableInput.h). The stream walks the records, with the fields the
// input's last byte picks decoded, then reads each record again by its place,
// last first: it must give what the walk gave. Places no walk gives (every
// block of the file and past it, slots up to past the block's room) must
// either read or fail with an engine error: no crash, no hang, no sanitizer
// report.
#include "base/EngineError.h"
#include "fuzz/TableInput.h"
#include "store/paradox/PxTable.h"

#include <cstring>
#include <vector>

namespace {

// The records compared at most, so that a large table stays quick.
constexpr std::size_t MaxCompared = 2048;

// Equal values, a float equal to itself whatever its bits (NaN included).
bool same(const px::Value& a, const px::Value& b)
{
    return a.kind == b.kind && a.integer == b.integer && std::memcmp(&a.real, &b.real, sizeof a.real) == 0
           && a.boolean == b.boolean && a.text == b.text && a.bytes == b.bytes;
}

bool same(const std::vector<px::Value>& a, const std::vector<px::Value>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i]))
            return false;
    return true;
}

// The fields to decode: the bits of pick, repeated; pick 0 decodes every field.
std::vector<bool> columnsOf(const px::Header& header, std::uint8_t pick)
{
    if (pick == 0)
        return {};
    std::vector<bool> columns(header.fields.size());
    for (std::size_t i = 0; i < columns.size(); ++i)
        columns[i] = (pick >> (i % 8)) & 1;
    return columns;
}

void readBackByPlace(const px::TableFile& table, const std::vector<bool>& columns)
{
    std::vector<px::RecordPlace> places;
    std::vector<std::vector<px::Value>> walked;
    {
        px::RecordStream stream(table, columns);
        std::vector<px::Value> values;
        while (walked.size() < MaxCompared && stream.next(values)) {
            places.push_back(stream.place());
            walked.push_back(values);
        }
    }
    px::RecordStream stream(table, columns);
    std::vector<px::Value> values;
    for (std::size_t i = places.size(); i-- > 0;) {
        stream.readAt(places[i], values);
        if (!same(values, walked[i]))
            __builtin_trap(); // a record read by its place differs from the walk's
    }
}

void readAnyPlace(const px::TableFile& table, const std::vector<bool>& columns)
{
    px::RecordStream stream(table, columns);
    std::vector<px::Value> values;
    const int blocks = std::min(table.header().fileBlocks, 64) + 1;
    for (int block = 0; block <= blocks; ++block)
        for (const int slot : {0, 1, 255, 65535}) {
            try {
                stream.readAt({std::uint16_t(block), std::uint16_t(slot)}, values);
            } catch (const base::EngineError&) {
            }
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString tablePath = fuzz::WriteTableInput(data, size);
    try {
        const px::TableFile table = px::TableFile::open(tablePath);
        const std::vector<bool> columns = columnsOf(table.header(), size > 0 ? data[size - 1] : 0);
        readBackByPlace(table, columns);
        readAnyPlace(table, columns);
    } catch (const base::EngineError&) {
    }
    return 0;
}
