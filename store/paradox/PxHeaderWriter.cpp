#include "store/paradox/PxHeaderWriter.h"

#include "store/paradox/PxBytes.h"
#include "store/paradox/PxFieldCodec.h"
#include "store/paradox/PxHeaderLayout.h"

#include <QDateTime>

namespace px {

namespace {

constexpr int Version = layout::Level7Version;
constexpr int HeaderUnit = 0x800;
const QByteArray SortOrderName("ascii", 6); // with its terminating NUL

int nameBytes(const std::vector<QByteArray>& names)
{
    int total = 0;
    for (const QByteArray& name : names)
        total += int(name.size()) + 1;
    return total;
}

// Everything after the fixed header: descriptors, pointers, table name, field
// names, field numbers, sort order name.
int variableBytes(const std::vector<QByteArray>& names)
{
    const int n = int(names.size());
    return n * 2 + 4 + n * 4 + layout::tableNameLength(Version) + nameBytes(names) + n * 2 + int(SortOrderName.size());
}

} // namespace

int blockSizeFor(int recordSize, std::int64_t recordCount)
{
    if (recordSize <= 0 || recordCount < 0)
        return 0;
    for (int kilobytes = recordSize <= 300 ? 2 : 4; kilobytes <= 32; kilobytes *= 2) {
        const int perBlock = (kilobytes * 1024 - layout::BlockHeaderSize) / recordSize;
        if (perBlock > 0 && (recordCount + perBlock - 1) / perBlock <= MaxTableBlocks)
            return kilobytes * 1024;
    }
    return 0;
}

int headerSizeFor(const std::vector<QByteArray>& names)
{
    const int used = layout::ExtendedEnd + variableBytes(names);
    return (used + HeaderUnit - 1) / HeaderUnit * HeaderUnit;
}

QByteArray buildHeader(const TableDefinition& definition, const std::vector<QByteArray>& names, const TableShape& shape)
{
    using namespace bytes;
    const int n = int(definition.fields.size());
    const int headerSize = headerSizeFor(names);
    QByteArray header(headerSize, '\0');
    auto* h = reinterpret_cast<unsigned char*>(header.data());
    putLe16(h + layout::RecordSize, shape.recordSize);
    putLe16(h + layout::HeaderSize, headerSize);
    h[layout::FileType] = definition.keyFieldCount > 0 ? 0 : 2;
    h[layout::BlockSizeCode] = shape.blockSize / 1024;
    putLe32(h + layout::RecordCount, std::uint32_t(shape.recordCount));
    putLe16(h + layout::UsedBlocks, shape.blocks);
    putLe16(h + layout::FileBlocks, shape.blocks);
    putLe16(h + layout::FirstBlock, shape.blocks > 0 ? 1 : 0);
    putLe16(h + layout::LastBlock, shape.blocks);
    putLe16(h + layout::FieldCount, n);
    putLe16(h + layout::KeyFieldCount, definition.keyFieldCount);
    putLe32(h + layout::Encryption, layout::KeyInExtendedPart);
    h[layout::ChangeCount1] = 2;
    h[layout::ChangeCount2] = 1;
    h[layout::FileVersion] = Version;
    putLe16(h + layout::MaxBlocks, shape.blocks);
    h[layout::Unknown3E] = 0x1F;
    h[layout::Unknown3E + 1] = 0x0F;
    putLe32(h + layout::AutoIncrement, std::uint32_t(shape.autoIncrement));
    putLe16(h + layout::RealHeaderSize, layout::ExtendedEnd + variableBytes(names));
    h[layout::Unknown56] = 0x20;

    putLe16(h + layout::FileVersion3, 0x0100 | Version);
    putLe16(h + layout::FileVersion4, 0x0100 | Version);
    putLe32(h + layout::UpdateTime, std::uint32_t(QDateTime::currentSecsSinceEpoch()));
    putLe16(h + layout::HighFieldId, n + 1);
    const int names6 = n * 6 + 4 + layout::tableNameLength(Version) + nameBytes(names);
    putLe16(h + layout::HighFieldIdInfo, 0x20 + names6);
    putLe16(h + layout::CodePage, definition.codePage);
    h[layout::Unknown6C] = 1;
    h[layout::Unknown6C + 1] = 1;
    putLe16(h + layout::Unknown6C + 2, 0x18 + names6 + n * 2 + 8);
    putLe16(h + layout::ChangeCount4, 1);

    unsigned char* p = h + layout::ExtendedEnd;
    for (const FieldDesc& desc : definition.fields) {
        *p++ = static_cast<unsigned char>(desc.code);
        *p++ = static_cast<unsigned char>(desc.size);
    }
    p += 4 + n * 4 + layout::tableNameLength(Version); // pointers and table name stay zero
    for (const QByteArray& name : names) {
        std::copy(name.begin(), name.end(), p);
        p += name.size() + 1;
    }
    for (int i = 0; i < n; ++i, p += 2)
        putLe16(p, i + 1);
    std::copy(SortOrderName.begin(), SortOrderName.end(), p);
    return header;
}

} // namespace px
