// libFuzzer target for the Paradox table reader. The input is a .DB file,
// optionally followed by a separator and the table's .MB file (fuzz/TableInput.h). Every
// input must either read or fail with an engine error: no crash, no hang, no
// sanitizer report.
#include "base/EngineError.h"
#include "fuzz/TableInput.h"
#include "store/paradox/PxTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString tablePath = fuzz::WriteTableInput(data, size);

    try {
        const px::TableFile table = px::TableFile::open(tablePath);
        const auto records = table.readRecords();
        if (records.size() > std::size_t(table.header().fileBlocks) * 32768)
            __builtin_trap(); // more records than the blocks can hold
    } catch (const base::EngineError&) {
    }
    return 0;
}
