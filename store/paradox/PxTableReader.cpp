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

// Decodes the records of one data block into records.
class RecordDecoder {
public:
    RecordDecoder(const QString& path, const Header& header)
        : path_(path), header_(header), codec_(header.codePage)
    {
    }

    std::vector<Value> decode(const unsigned char* record, std::int64_t number)
    {
        std::vector<Value> values;
        values.reserve(header_.fields.size());
        int offset = 0;
        for (const FieldDesc& desc : header_.fields) {
            const int bytes = field::recordBytes(desc.code, desc.size);
            try {
                values.push_back(field::isBlob(desc.code) ? blob(desc, record + offset)
                                                          : field::decode(desc.code, record + offset, bytes, codec_));
            } catch (const ValueError& e) {
                errors::corruptData(path_, QCoreApplication::translate("Engine", "record %1, field %2: %3")
                                               .arg(number)
                                               .arg(desc.name, e.reason));
            }
            offset += bytes;
        }
        return values;
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
    QFile file(path_);
    openForReading(file);
    const Header& h = header_;
    const qint64 fileSize = file.size();
    if (h.headerSize + qint64(h.fileBlocks) * h.blockSize > fileSize)
        errors::corruptData(
            path_, QCoreApplication::translate("Engine", "the file is shorter than its %1 blocks").arg(h.fileBlocks));

    const int perBlock = recordsPerBlock(h);
    std::vector<std::vector<Value>> records;
    // The count is the header's claim: room for more is made as records come.
    constexpr std::int64_t kReservedAtMost = 64 * 1024;
    const std::int64_t claimed = std::min(h.recordCount, std::int64_t(h.fileBlocks) * perBlock);
    records.reserve(std::size_t(std::min({claimed, limit, kReservedAtMost})));
    RecordDecoder decoder(path_, h);
    std::vector<bool> visited(h.fileBlocks + 1, false);
    QByteArray block(h.blockSize, '\0');
    auto* b = reinterpret_cast<unsigned char*>(block.data());
    for (int number = h.firstBlock; number != 0 && std::int64_t(records.size()) < limit;) {
        if (number > h.fileBlocks)
            errors::corruptData(path_, QCoreApplication::translate("Engine", "the block chain points to block %1 of %2")
                                           .arg(number)
                                           .arg(h.fileBlocks));
        if (visited[number])
            errors::corruptData(
                path_, QCoreApplication::translate("Engine", "the block chain returns to block %1").arg(number));
        visited[number] = true;
        if (!file.seek(h.headerSize + qint64(number - 1) * h.blockSize) || file.read(block.data(), h.blockSize) != h.blockSize)
            errors::unreadable(path_, file.errorString());
        if (h.encryption)
            crypt::decryptDbBlock(b, h.blockSize, h.encryption, number);
        const int lastOffset = bytes::le16s(b + 4);
        const int count = lastOffset < 0 ? 0 : lastOffset / h.recordSize + 1;
        if (lastOffset >= 0 && (lastOffset % h.recordSize != 0 || count > perBlock))
            errors::corruptData(
                path_, QCoreApplication::translate("Engine", "block %1 claims more records than it holds").arg(number));
        for (int i = 0; i < count && std::int64_t(records.size()) < limit; ++i)
            records.push_back(decoder.decode(b + layout::BlockHeaderSize + i * h.recordSize,
                                             std::int64_t(records.size()) + 1));
        number = bytes::le16(b);
    }
    return records;
}

} // namespace px
