// libFuzzer target for the Paradox table reader. The input is a .DB file,
// optionally followed by the separator below and the table's .MB file. Every
// input must either read or fail with an engine error: no crash, no hang, no
// sanitizer report.
#include "base/EngineError.h"
#include "store/paradox/PxTable.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QByteArray MemoSeparator("@@MEMO@@");

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString tablePath = dir.filePath("FUZZ.DB");
    const QString memoPath = dir.filePath("FUZZ.MB");

    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf(MemoSeparator);
    writeFile(tablePath, split < 0 ? input : input.left(split));
    if (split < 0)
        QFile::remove(memoPath);
    else
        writeFile(memoPath, input.mid(split + MemoSeparator.size()));

    try {
        const px::TableFile table = px::TableFile::open(tablePath);
        const auto records = table.readRecords();
        if (records.size() > std::size_t(table.header().fileBlocks) * 32768)
            __builtin_trap(); // more records than the blocks can hold
    } catch (const base::EngineError&) {
    }
    return 0;
}
