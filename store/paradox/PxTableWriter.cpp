#include "PxBlobFile.h"
#include "PxBlobWriter.h"
#include "PxBytes.h"
#include "PxCodePage.h"
#include "PxErrors.h"
#include "PxFieldCodec.h"
#include "PxHeaderLayout.h"
#include "PxHeaderWriter.h"
#include "PxTable.h"

#include <QFile>
#include <QSaveFile>
#include <limits>
#include <memory>

namespace px {

namespace {

constexpr int MaxBlocks = 0xFFFF;

void checkSpec(const QString& path, const TableSpec& spec, const std::vector<QByteArray>& names)
{
    if (spec.fields.empty() || spec.fields.size() > 255)
        errors::cannotWrite(path, QStringLiteral("a table has 1 to 255 fields, not %1").arg(spec.fields.size()));
    if (spec.keyFieldCount < 0 || spec.keyFieldCount > int(spec.fields.size()))
        errors::cannotWrite(path, QStringLiteral("key field count %1 exceeds the field count").arg(spec.keyFieldCount));
    if (spec.codePage < 0 || spec.codePage > 0xFFFF)
        errors::cannotWrite(path, QStringLiteral("code page %1").arg(spec.codePage));
    for (std::size_t i = 0; i < spec.fields.size(); ++i) {
        const FieldDesc& desc = spec.fields[i];
        if (!field::isKnownType(int(desc.code)) || !field::isValidSize(desc.code, desc.size))
            errors::cannotWrite(path, QStringLiteral("field \"%1\" (%2) cannot have size %3")
                                          .arg(desc.name, field::typeName(desc.code)).arg(desc.size));
        if (names[i].isEmpty() || names[i].contains('\0'))
            errors::cannotWrite(path, QStringLiteral("field %1 has no usable name").arg(i + 1));
    }
}

// The smallest block of 2, 4, 8, 16 or 32 KB that holds a record, 4 KB for wide records.
int blockSizeFor(int recordSize)
{
    int kilobytes = recordSize <= 300 ? 2 : 4;
    while (kilobytes < 32 && recordSize > kilobytes * 1024 - layout::BlockHeaderSize)
        kilobytes *= 2;
    return kilobytes * 1024;
}

// Encodes the records into the data blocks (and the memo file when there are memo fields).
class RecordEncoder {
public:
    RecordEncoder(const QString& path, const TableSpec& spec)
        : path_(path), spec_(spec), codec_(spec.codePage)
    {
        for (const FieldDesc& desc : spec.fields)
            hasBlobs_ = hasBlobs_ || field::isBlob(desc.code);
        if (hasBlobs_)
            blobs_ = std::make_unique<BlobWriter>();
    }

    void encode(const std::vector<Value>& values, unsigned char* record, std::int64_t number, std::int32_t& autoInc)
    {
        if (values.size() != spec_.fields.size())
            errors::cannotWrite(path_, QStringLiteral("record %1 has %2 values for %3 fields")
                                           .arg(number).arg(values.size()).arg(spec_.fields.size()));
        for (std::size_t i = 0; i < values.size(); ++i) {
            const FieldDesc& desc = spec_.fields[i];
            try {
                if (field::isBlob(desc.code))
                    encodeBlob(desc, values[i], record);
                else
                    field::encode(desc, values[i], record, codec_);
            } catch (const ValueError& e) {
                errors::cannotWrite(path_, QStringLiteral("record %1, field \"%2\": %3").arg(number).arg(desc.name, e.reason));
            }
            if (desc.code == FieldCode::AutoInc && values[i].kind == Value::Kind::Integer)
                autoInc = std::max<std::int64_t>(autoInc, values[i].integer);
            record += field::recordBytes(desc.code, desc.size);
        }
    }

    bool hasBlobs() const { return hasBlobs_; }
    QByteArray memoFile() const { return blobs_->file(); }

private:
    QByteArray blobBytes(const FieldDesc& desc, const Value& v) const
    {
        QByteArray stored;
        if (v.kind == Value::Kind::Text)
            stored = codec_.encode(v.text, std::numeric_limits<int>::max());
        else if (v.kind == Value::Kind::Bytes)
            stored = v.bytes;
        else
            throw ValueError{QStringLiteral("the value does not suit a %1 field").arg(field::typeName(desc.code))};
        if (desc.code == FieldCode::Graphic) {
            QByteArray prefix(mb::GraphicPrefix, '\0');
            bytes::putLe32(reinterpret_cast<unsigned char*>(prefix.data()) + 4, std::uint32_t(stored.size()));
            stored.prepend(prefix);
        }
        return stored;
    }

    void encodeBlob(const FieldDesc& desc, const Value& v, unsigned char* data)
    {
        if (v.isNull())
            return;
        const QByteArray stored = blobBytes(desc, v);
        if (stored.isEmpty())
            return;
        const int leader = desc.size - mb::ReferenceSize;
        unsigned char* reference = data + leader;
        std::copy_n(stored.begin(), std::min<qsizetype>(leader, stored.size()), data);
        if (stored.size() <= leader)
            bytes::putLe32(reference + 4, std::uint32_t(stored.size()));
        else
            blobs_->add(stored, reference);
    }

    const QString& path_;
    const TableSpec& spec_;
    TextCodec codec_;
    bool hasBlobs_ = false;
    std::unique_ptr<BlobWriter> blobs_;
};

void writeInto(QSaveFile& file, const QByteArray& content)
{
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        errors::cannotWrite(file.fileName(), file.errorString());
}

} // namespace

void writeTable(const QString& path, const TableSpec& spec, const std::vector<std::vector<Value>>& records)
{
    const TextCodec codec(spec.codePage);
    std::vector<QByteArray> names;
    for (const FieldDesc& desc : spec.fields)
        names.push_back(codec.encode(desc.name, 255));
    checkSpec(path, spec, names);

    TableShape shape;
    for (const FieldDesc& desc : spec.fields)
        shape.recordSize += field::recordBytes(desc.code, desc.size);
    shape.blockSize = blockSizeFor(shape.recordSize);
    if (shape.recordSize > shape.blockSize - layout::BlockHeaderSize)
        errors::cannotWrite(path, QStringLiteral("records of %1 bytes are too wide").arg(shape.recordSize));
    const int perBlock = (shape.blockSize - layout::BlockHeaderSize) / shape.recordSize;
    const std::int64_t blocks = (std::int64_t(records.size()) + perBlock - 1) / perBlock;
    if (blocks > MaxBlocks)
        errors::cannotWrite(path, QStringLiteral("%1 records are too many for one table").arg(records.size()));
    shape.blocks = int(blocks);
    shape.recordCount = std::int64_t(records.size());

    QByteArray data(qint64(shape.blocks) * shape.blockSize, '\0');
    RecordEncoder encoder(path, spec);
    for (int b = 0; b < shape.blocks; ++b) {
        auto* block = reinterpret_cast<unsigned char*>(data.data()) + qint64(b) * shape.blockSize;
        const int first = b * perBlock;
        const int count = std::min<int>(perBlock, int(records.size()) - first);
        bytes::putLe16(block, b + 1 < shape.blocks ? b + 2 : 0);
        bytes::putLe16(block + 2, b);
        bytes::putLe16(block + 4, (count - 1) * shape.recordSize);
        for (int i = 0; i < count; ++i)
            encoder.encode(records[first + i], block + layout::BlockHeaderSize + i * shape.recordSize,
                           first + i + 1, shape.autoIncrement);
    }
    const QByteArray table = buildHeader(spec, names, shape) + data;

    // Both files are complete on disk before either replaces its old version.
    const QString memoPath = mb::memoPathFor(path);
    QSaveFile tableFile(path);
    writeInto(tableFile, table);
    std::unique_ptr<QSaveFile> memoFile;
    if (encoder.hasBlobs()) {
        memoFile = std::make_unique<QSaveFile>(memoPath);
        writeInto(*memoFile, encoder.memoFile());
        if (!memoFile->commit())
            errors::cannotWrite(memoPath, memoFile->errorString());
    }
    if (!tableFile.commit())
        errors::cannotWrite(path, tableFile.errorString());
    if (!encoder.hasBlobs() && QFile::exists(memoPath))
        QFile::remove(memoPath);
}

} // namespace px
