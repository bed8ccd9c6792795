#include "store/paradox/PxHeaderReader.h"

#include "store/paradox/PxBytes.h"
#include "store/paradox/PxCodePage.h"
#include "store/paradox/PxErrors.h"
#include "store/paradox/PxFieldCodec.h"
#include "store/paradox/PxHeaderLayout.h"

#include <QCoreApplication>

namespace px {

namespace {

bool isBlockSizeCode(int code)
{
    return code == 1 || code == 2 || code == 3 || code == 4 || code == 8 || code == 16 || code == 32;
}

// Walks the variable part of the header: descriptors, pointers, table name, field names.
class HeaderCursor {
public:
    HeaderCursor(const QString& path, const unsigned char* data, int end) : path_(path), data_(data), end_(end) {}

    const unsigned char* take(qint64 count, const char* what)
    {
        if (count < 0 || pos_ + count > end_)
            errors::corruptHeader(path_, QCoreApplication::translate("Engine", "the %1 run past the end of the header")
                                             .arg(QCoreApplication::translate("Engine", what)));
        const unsigned char* p = data_ + pos_;
        pos_ += count;
        return p;
    }

    // A NUL-terminated name that must end inside the header.
    QByteArray name()
    {
        const qint64 start = pos_;
        while (pos_ < end_ && data_[pos_] != 0)
            ++pos_;
        if (pos_ >= end_)
            errors::corruptHeader(
                path_, QCoreApplication::translate("Engine", "a field name runs past the end of the header"));
        ++pos_;
        return QByteArray(reinterpret_cast<const char*>(data_ + start), pos_ - start - 1);
    }

    void seek(qint64 pos) { pos_ = pos; }

private:
    const QString& path_;
    const unsigned char* data_;
    qint64 end_;
    qint64 pos_ = 0;
};

void checkFixedPart(const QString& path, const Header& h, qint64 fileSize, int dataSize)
{
    auto fail = [&](const QString& why) { errors::corruptHeader(path, why); };
    if (h.level < 3 || h.level > layout::Level7Version)
        fail(QCoreApplication::translate("Engine", "unknown file version %1").arg(h.level));
    if (h.fileType != 0 && h.fileType != 2)
        fail(QCoreApplication::translate("Engine", "file type %1 is not a data table").arg(h.fileType));
    if (h.headerSize < layout::BaseEnd)
        fail(QCoreApplication::translate("Engine", "header size %1 is too small").arg(h.headerSize));
    if (h.headerSize > fileSize || h.headerSize > dataSize)
        fail(QCoreApplication::translate("Engine", "header size %1 exceeds the file size %2")
                 .arg(h.headerSize)
                 .arg(fileSize));
    if (h.recordSize <= 0 || h.recordSize > h.blockSize - layout::BlockHeaderSize)
        fail(QCoreApplication::translate("Engine", "record size %1 does not fit a block of %2 bytes")
                 .arg(h.recordSize)
                 .arg(h.blockSize));
    if (h.keyFieldCount < 0 || h.keyFieldCount > int(h.fields.size()))
        fail(QCoreApplication::translate("Engine", "key field count %1 exceeds the field count").arg(h.keyFieldCount));
    if (h.headerSize + qint64(h.fileBlocks) * h.blockSize > fileSize)
        fail(QCoreApplication::translate("Engine", "%1 blocks of %2 bytes do not fit in a file of %3 bytes")
                 .arg(h.fileBlocks)
                 .arg(h.blockSize)
                 .arg(fileSize));
    if (h.firstBlock > h.fileBlocks || h.lastBlock > h.fileBlocks)
        fail(QCoreApplication::translate("Engine", "block numbers beyond the %1 blocks of the file").arg(h.fileBlocks));
    if (h.recordCount > 0 && h.firstBlock == 0)
        fail(QCoreApplication::translate("Engine", "records without a first block"));
    if (h.recordCount > qint64(h.fileBlocks) * recordsPerBlock(h))
        fail(QCoreApplication::translate("Engine", "record count %1 exceeds what %2 blocks hold")
                 .arg(h.recordCount)
                 .arg(h.fileBlocks));
}

void readFields(const QString& path, Header& h, HeaderCursor& cursor, int fieldCount, bool extended)
{
    cursor.seek(extended ? layout::ExtendedEnd : layout::BaseEnd);
    const unsigned char* desc = cursor.take(qint64(fieldCount) * 2, QT_TRANSLATE_NOOP("Engine", "field descriptors"));
    int total = 0;
    for (int i = 0; i < fieldCount; ++i) {
        const int type = desc[2 * i];
        const int size = desc[2 * i + 1];
        if (!field::isKnownType(type))
            errors::corruptHeader(
                path, QCoreApplication::translate("Engine", "field %1 has unknown type %2").arg(i + 1).arg(type));
        const FieldCode code = FieldCode(type);
        if (!field::isValidSize(code, size))
            errors::corruptHeader(path, QCoreApplication::translate("Engine", "field %1 (%2) has invalid size %3")
                                            .arg(i + 1)
                                            .arg(field::typeName(code))
                                            .arg(size));
        h.fields[i].code = code;
        h.fields[i].size = size;
        total += field::recordBytes(code, size);
    }
    if (total != h.recordSize)
        errors::corruptHeader(path,
                              QCoreApplication::translate("Engine", "field sizes do not add up to the record size"));

    cursor.take(4, QT_TRANSLATE_NOOP("Engine", "table name pointer"));
    cursor.take(qint64(fieldCount) * 4, QT_TRANSLATE_NOOP("Engine", "field name pointers"));
    cursor.take(layout::tableNameLength(h.level), QT_TRANSLATE_NOOP("Engine", "table name"));
    const TextCodec codec(h.codePage);
    for (int i = 0; i < fieldCount; ++i) {
        const QByteArray raw = cursor.name();
        h.fields[i].name = codec.decode(raw.constData(), raw.size());
    }
}

} // namespace

int recordsPerBlock(const Header& header)
{
    return header.recordSize > 0 ? (header.blockSize - layout::BlockHeaderSize) / header.recordSize : 0;
}

Header parseHeader(const QString& path, const QByteArray& data, qint64 fileSize)
{
    if (data.size() < layout::BaseEnd)
        errors::corruptHeader(path, QCoreApplication::translate("Engine", "the file is too short for a table header"));
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    using namespace bytes;
    Header h;
    h.recordSize = le16(p + layout::RecordSize);
    h.headerSize = le16(p + layout::HeaderSize);
    h.fileType = p[layout::FileType];
    const int blockCode = p[layout::BlockSizeCode];
    if (!isBlockSizeCode(blockCode))
        errors::corruptHeader(path, QCoreApplication::translate("Engine", "unknown block size code %1").arg(blockCode));
    h.blockSize = blockCode * 1024;
    h.recordCount = le32(p + layout::RecordCount);
    h.usedBlocks = le16(p + layout::UsedBlocks);
    h.fileBlocks = le16(p + layout::FileBlocks);
    h.firstBlock = le16(p + layout::FirstBlock);
    h.lastBlock = le16(p + layout::LastBlock);
    h.keyFieldCount = le16s(p + layout::KeyFieldCount);
    h.level = p[layout::FileVersion];
    h.autoIncrement = std::int32_t(le32(p + layout::AutoIncrement));
    const int fieldCount = le16s(p + layout::FieldCount);
    if (fieldCount < 1 || fieldCount > 255)
        errors::corruptHeader(
            path, QCoreApplication::translate("Engine", "field count %1 is not between 1 and 255").arg(fieldCount));
    h.fields.resize(fieldCount);
    checkFixedPart(path, h, fileSize, int(data.size()));

    const bool extended = h.level >= layout::FirstExtendedVersion;
    if (extended && h.headerSize < layout::ExtendedEnd)
        errors::corruptHeader(path,
                              QCoreApplication::translate("Engine", "header size %1 is too small").arg(h.headerSize));
    h.codePage = extended ? le16(p + layout::CodePage) : 0;
    h.encryption = le32(p + layout::Encryption);
    if (h.encryption == layout::KeyInExtendedPart)
        h.encryption = extended ? le32(p + layout::Encryption2) : 0;

    HeaderCursor cursor(path, p, h.headerSize);
    readFields(path, h, cursor, fieldCount, extended);
    return h;
}

} // namespace px
