#include "store/paradox/PxBlobFile.h"
#include "store/paradox/PxBlobWriter.h"
#include "store/paradox/PxBytes.h"
#include "store/paradox/PxCodePage.h"
#include "store/paradox/PxErrors.h"
#include "store/paradox/PxFieldCodec.h"
#include "store/paradox/PxHeaderLayout.h"
#include "store/paradox/PxHeaderWriter.h"
#include "store/paradox/PxTable.h"

#include "base/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <limits>
#include <memory>

namespace px {

namespace {

void checkDefinition(const QString& path, const TableDefinition& definition, const std::vector<QByteArray>& names)
{
    if (definition.fields.empty() || definition.fields.size() > 255)
        errors::cannotWrite(
            path,
            QCoreApplication::translate("Engine", "a table has 1 to 255 fields, not %1").arg(definition.fields.size()));
    if (definition.keyFieldCount < 0 || definition.keyFieldCount > int(definition.fields.size()))
        errors::cannotWrite(path, QCoreApplication::translate("Engine", "key field count %1 exceeds the field count")
                                      .arg(definition.keyFieldCount));
    if (definition.codePage < 0 || definition.codePage > 0xFFFF)
        errors::cannotWrite(path, QCoreApplication::translate("Engine", "code page %1").arg(definition.codePage));
    for (std::size_t i = 0; i < definition.fields.size(); ++i) {
        const FieldDesc& desc = definition.fields[i];
        if (!field::isKnownType(int(desc.code)) || !field::isValidSize(desc.code, desc.size))
            errors::cannotWrite(path, QCoreApplication::translate("Engine", "field \"%1\" (%2) cannot have size %3")
                                          .arg(desc.name, field::typeName(desc.code))
                                          .arg(desc.size));
        if (names[i].isEmpty() || names[i].contains('\0'))
            errors::cannotWrite(path, QCoreApplication::translate("Engine", "field %1 has no usable name").arg(i + 1));
    }
}

bool hasBlobFields(const TableDefinition& definition)
{
    return std::any_of(definition.fields.begin(), definition.fields.end(), [](const FieldDesc& d) { return field::isBlob(d.code); });
}

// The numbers of the table's header, or an error when the records do not fit in one table.
TableShape shapeFor(const QString& path, const TableDefinition& definition, std::int64_t count)
{
    TableShape shape;
    for (const FieldDesc& desc : definition.fields)
        shape.recordSize += field::recordBytes(desc.code, desc.size);
    if (shape.recordSize > 32 * 1024 - layout::BlockHeaderSize)
        errors::cannotWrite(
            path, QCoreApplication::translate("Engine", "records of %1 bytes are too wide").arg(shape.recordSize));
    if (count < 0)
        errors::cannotWrite(path, QCoreApplication::translate("Engine", "a table cannot have %1 records").arg(count));
    shape.blockSize = blockSizeFor(shape.recordSize, count);
    if (shape.blockSize == 0)
        errors::cannotWrite(path,
                            QCoreApplication::translate("Engine", "%1 records are too many for one table").arg(count));
    const int perBlock = (shape.blockSize - layout::BlockHeaderSize) / shape.recordSize;
    shape.blocks = int((count + perBlock - 1) / perBlock);
    shape.recordCount = count;
    return shape;
}

// Encodes the records into the data blocks, and their long memo and blob values into the memo file.
class RecordEncoder {
public:
    RecordEncoder(const QString& path, const TableDefinition& definition, BlobWriter* blobs)
        : path_(path), definition_(definition), codec_(definition.codePage), blobs_(blobs)
    {
    }

    void encode(const std::vector<Value>& values, unsigned char* record, std::int64_t number, std::int32_t& autoInc)
    {
        if (values.size() != definition_.fields.size())
            errors::cannotWrite(path_, QCoreApplication::translate("Engine", "record %1 has %2 values for %3 fields")
                                           .arg(number)
                                           .arg(values.size())
                                           .arg(definition_.fields.size()));
        for (std::size_t i = 0; i < values.size(); ++i) {
            const FieldDesc& desc = definition_.fields[i];
            try {
                if (field::isBlob(desc.code))
                    encodeBlob(desc, values[i], record);
                else
                    field::encode(desc, values[i], record, codec_);
            } catch (const ValueError& e) {
                errors::cannotWrite(path_, QCoreApplication::translate("Engine", "record %1, field \"%2\": %3")
                                               .arg(number)
                                               .arg(desc.name, e.reason));
            }
            if (desc.code == FieldCode::AutoInc && values[i].kind == Value::Kind::Integer)
                autoInc = std::max<std::int64_t>(autoInc, values[i].integer);
            record += field::recordBytes(desc.code, desc.size);
        }
    }

private:
    QByteArray blobBytes(const FieldDesc& desc, const Value& v) const
    {
        QByteArray stored;
        if (v.kind == Value::Kind::Text)
            stored = codec_.encode(v.text, std::numeric_limits<int>::max());
        else if (v.kind == Value::Kind::Bytes)
            stored = v.bytes;
        else
            throw ValueError{QCoreApplication::translate("Engine", "the value does not suit a %1 field")
                                 .arg(field::typeName(desc.code))};
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
    const TableDefinition& definition_;
    TextCodec codec_;
    BlobWriter* blobs_;
};

using base::ReplacementFile;

void openForWriting(ReplacementFile& file)
{
    if (!file.create())
        errors::cannotWrite(file.target(), file.errorString());
}

void writeOut(ReplacementFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size())
        errors::cannotWrite(file.target(), file.errorString());
}

void commit(ReplacementFile& file, bool durable)
{
    if (!file.commit(durable))
        errors::cannotWrite(file.target(), file.errorString());
}

} // namespace

void writeTable(const QString& path, const TableDefinition& definition, const std::vector<std::vector<Value>>& records)
{
    writeTable(path, definition, std::int64_t(records.size()), [&records](std::int64_t i) { return records[std::size_t(i)]; });
}

void writeTable(const QString& path, const TableDefinition& definition, std::int64_t count, const RecordSource& source)
{
    const TextCodec codec(definition.codePage);
    std::vector<QByteArray> names;
    for (const FieldDesc& desc : definition.fields)
        names.push_back(codec.encode(desc.name, 255));
    checkDefinition(path, definition, names);
    TableShape shape = shapeFor(path, definition, count);

    // The header takes its place first and gets its content last, when the
    // auto-increment value is known.
    ReplacementFile tableFile(path);
    openForWriting(tableFile);
    writeOut(tableFile, QByteArray(headerSizeFor(names), '\0'));
    const QString memoPath = mb::memoPathFor(path);
    std::unique_ptr<ReplacementFile> memoFile;
    std::unique_ptr<BlobWriter> blobs;
    if (hasBlobFields(definition)) {
        memoFile = std::make_unique<ReplacementFile>(memoPath);
        openForWriting(*memoFile);
        blobs = std::make_unique<BlobWriter>(*memoFile);
    }

    RecordEncoder encoder(path, definition, blobs.get());
    const int perBlock = (shape.blockSize - layout::BlockHeaderSize) / shape.recordSize;
    QByteArray block(shape.blockSize, '\0');
    std::int64_t index = 0;
    for (int number = 1; number <= shape.blocks; ++number) {
        block.fill('\0');
        auto* b = reinterpret_cast<unsigned char*>(block.data());
        const int inBlock = int(std::min<std::int64_t>(perBlock, count - index));
        bytes::putLe16(b, number < shape.blocks ? number + 1 : 0);
        bytes::putLe16(b + 2, number - 1);
        bytes::putLe16(b + 4, (inBlock - 1) * shape.recordSize);
        for (int i = 0; i < inBlock; ++i, ++index)
            encoder.encode(source(index), b + layout::BlockHeaderSize + i * shape.recordSize, index + 1,
                           shape.autoIncrement);
        writeOut(tableFile, block);
    }
    if (!tableFile.seek(0))
        errors::cannotWrite(path, tableFile.errorString());
    writeOut(tableFile, buildHeader(definition, names, shape));

    // Both files are complete on disk before either replaces its old version.
    if (blobs) {
        blobs->finish();
        commit(*memoFile, definition.durable);
    }
    commit(tableFile, definition.durable);
    if (!blobs && QFile::exists(memoPath))
        QFile::remove(memoPath);
}

} // namespace px
