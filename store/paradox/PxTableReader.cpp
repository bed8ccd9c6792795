#include "store/paradox/PxBlobReader.h"
#include "store/paradox/PxBytes.h"
#include "store/paradox/PxCodePage.h"
#include "store/paradox/PxCrypt.h"
#include "store/paradox/PxErrors.h"
#include "store/paradox/PxFieldCodec.h"
#include "store/paradox/PxHeaderLayout.h"
#include "store/paradox/PxHeaderReader.h"
#include "store/paradox/PxTable.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace px {

namespace {

// Only a regular file is a table. A pipe or a device in its place is refused
// without waiting for a writer: it is opened without blocking and then asked
// what it is.
void openForReading(QFile& file)
{
    const QString& path = file.fileName();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            errors::missingTable(path);
        errors::unreadable(path, QString::fromLocal8Bit(std::strerror(error)));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errors::unreadable(path, QCoreApplication::translate("Engine", "it is not a regular file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        errors::unreadable(path, file.errorString());
    }
}

// Decodes the records of one data block into records; the fields not asked for read as null.
class RecordDecoder {
public:
    RecordDecoder(const QString& path, const Header& header, std::vector<bool> columns)
        : path_(path), header_(header), codec_(header.codePage), columns_(std::move(columns))
    {
    }

    void decode(const unsigned char* record, std::int64_t number, std::vector<Value>& values)
    {
        values.resize(header_.fields.size());
        int offset = 0;
        for (std::size_t i = 0; i < header_.fields.size(); ++i) {
            const FieldDesc& desc = header_.fields[i];
            const int bytes = field::recordBytes(desc.code, desc.size);
            try {
                if (!columns_.empty() && (i >= columns_.size() || !columns_[i]))
                    values[i] = Value::null();
                else
                    values[i] = field::isBlob(desc.code) ? blob(desc, record + offset)
                                                         : field::decode(desc.code, record + offset, bytes, codec_);
            } catch (const ValueError& e) {
                errors::corruptData(path_, QCoreApplication::translate("Engine", "record %1, field %2: %3")
                                               .arg(number)
                                               .arg(desc.name, e.reason));
            }
            offset += bytes;
        }
    }

private:
    Value blob(const FieldDesc& desc, const unsigned char* data)
    {
        if (!blobs_)
            blobs_ = std::make_unique<BlobReader>(path_, header_.encryption);
        const std::optional<QByteArray> stored = blobs_->read(desc.code, data, desc.size);
        if (!stored)
            return Value::null();
        if (desc.code == FieldCode::Memo || desc.code == FieldCode::FmtMemo)
            return Value::ofText(codec_.decode(stored->constData(), stored->size()));
        return Value::ofBytes(*stored);
    }

    const QString& path_;
    const Header& header_;
    TextCodec codec_;
    std::vector<bool> columns_;
    std::unique_ptr<BlobReader> blobs_;
};

} // namespace

TableFile TableFile::open(const QString& path)
{
    QFile file(path);
    openForReading(file);
    const qint64 fileSize = file.size();
    QByteArray data = file.read(std::min<qint64>(fileSize, layout::BaseEnd));
    if (data.size() >= layout::BaseEnd) {
        const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
        const qint64 headerSize = std::min<qint64>(bytes::le16(p + layout::HeaderSize), fileSize);
        if (headerSize > data.size())
            data += file.read(headerSize - data.size());
    }
    TableFile table;
    table.path_ = path;
    table.header_ = parseHeader(path, data, fileSize);
    return table;
}

std::vector<std::vector<Value>> TableFile::readRecords(std::int64_t limit) const
{
    RecordStream stream(*this);
    std::vector<std::vector<Value>> records;
    // The count is the header's claim: room for more is made as records come.
    constexpr std::int64_t kReservedAtMost = 64 * 1024;
    const std::int64_t claimed = std::min(header_.recordCount, std::int64_t(header_.fileBlocks) * recordsPerBlock(header_));
    records.reserve(std::size_t(std::min({claimed, limit, kReservedAtMost})));
    std::vector<Value> values;
    while (std::int64_t(records.size()) < limit && stream.next(values))
        records.push_back(std::move(values));
    return records;
}

struct RecordStream::Impl {
    Impl(const TableFile& table, std::vector<bool> columns)
        : path(table.path()), header(table.header()), decoder(path, header, std::move(columns)),
          visited(std::size_t(header.fileBlocks) + 1, false), block(header.blockSize, '\0'),
          other(header.blockSize, '\0')
    {
        file.setFileName(path);
        openForReading(file);
        if (header.headerSize + qint64(header.fileBlocks) * header.blockSize > file.size())
            errors::corruptData(path, QCoreApplication::translate("Engine", "the file is shorter than its %1 blocks")
                                          .arg(header.fileBlocks));
        nextBlock = header.firstBlock;
    }

    // Reads block number into buffer and answers how many records it holds.
    int load(int number, QByteArray& buffer)
    {
        if (number < 1 || number > header.fileBlocks)
            errors::corruptData(path, QCoreApplication::translate("Engine", "the block chain points to block %1 of %2")
                                          .arg(number)
                                          .arg(header.fileBlocks));
        auto* b = reinterpret_cast<unsigned char*>(buffer.data());
        if (!file.seek(header.headerSize + qint64(number - 1) * header.blockSize)
            || file.read(buffer.data(), header.blockSize) != header.blockSize)
            errors::unreadable(path, file.errorString());
        if (header.encryption)
            crypt::decryptDbBlock(b, header.blockSize, header.encryption, number);
        const int lastOffset = bytes::le16s(b + 4);
        const int count = lastOffset < 0 ? 0 : lastOffset / header.recordSize + 1;
        if (lastOffset >= 0 && (lastOffset % header.recordSize != 0 || count > recordsPerBlock(header)))
            errors::corruptData(
                path, QCoreApplication::translate("Engine", "block %1 claims more records than it holds").arg(number));
        return count;
    }

    const unsigned char* record(const QByteArray& buffer, int slot) const
    {
        return reinterpret_cast<const unsigned char*>(buffer.constData()) + layout::BlockHeaderSize
               + slot * header.recordSize;
    }

    QString path;
    Header header;
    QFile file;
    RecordDecoder decoder;
    std::vector<bool> visited;
    QByteArray block;      // the block the stream is in
    int blockNumber = 0;
    int blockCount = 0;    // records in it
    int slot = 0;          // the next record's place in it
    int nextBlock = 0;     // after it in the chain; 0 at the end
    QByteArray other;      // a block read by place
    int otherNumber = 0;
    int otherCount = 0;
};

RecordStream::RecordStream(const TableFile& table, std::vector<bool> columns)
    : d(std::make_unique<Impl>(table, std::move(columns)))
{
}

RecordStream::~RecordStream() = default;

bool RecordStream::next(std::vector<Value>& values)
{
    while (d->slot >= d->blockCount) {
        const int number = d->nextBlock;
        if (number == 0)
            return false;
        if (number > 0 && number <= d->header.fileBlocks && d->visited[std::size_t(number)])
            errors::corruptData(
                d->path, QCoreApplication::translate("Engine", "the block chain returns to block %1").arg(number));
        d->blockCount = d->load(number, d->block);
        d->visited[std::size_t(number)] = true;
        d->blockNumber = number;
        d->slot = 0;
        d->nextBlock = bytes::le16(reinterpret_cast<const unsigned char*>(d->block.constData()));
    }
    place_ = RecordPlace{std::uint16_t(d->blockNumber), std::uint16_t(d->slot)};
    d->decoder.decode(d->record(d->block, d->slot), read_ + 1, values);
    ++d->slot;
    ++read_;
    return true;
}

void RecordStream::readAt(RecordPlace place, std::vector<Value>& values)
{
    if (place.block != d->otherNumber) {
        d->otherNumber = 0;
        d->otherCount = d->load(place.block, d->other);
        d->otherNumber = place.block;
    }
    if (place.slot >= d->otherCount)
        errors::corruptData(d->path, QCoreApplication::translate("Engine", "block %1 holds no record %2")
                                         .arg(place.block)
                                         .arg(place.slot + 1));
    d->decoder.decode(d->record(d->other, place.slot), 0, values);
}

} // namespace px
