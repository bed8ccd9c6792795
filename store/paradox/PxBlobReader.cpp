#include "store/paradox/PxBlobReader.h"

#include "store/paradox/PxBlobFile.h"
#include "store/paradox/PxBytes.h"
#include "store/paradox/PxCrypt.h"
#include "store/paradox/PxErrors.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace px {

namespace mb {

QString memoPathFor(const QString& tablePath)
{
    const QFileInfo info(tablePath);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? tablePath : tablePath.left(tablePath.size() - suffix.size() - 1);
    const bool lower = !suffix.isEmpty() && suffix.at(0).isLower();
    return base + (lower ? QStringLiteral(".mb") : QStringLiteral(".MB"));
}

} // namespace mb

namespace {

QString otherCase(const QString& memoPath)
{
    const QString suffix = memoPath.right(2);
    return memoPath.left(memoPath.size() - 2) + (suffix == QLatin1String("mb") ? "MB" : "mb");
}

} // namespace

BlobReader::BlobReader(const QString& tablePath, std::uint32_t key)
    : key_(key)
{
    for (const QString& candidate : {mb::memoPathFor(tablePath), otherCase(mb::memoPathFor(tablePath))}) {
        // Opened first, without waiting on a pipe, and its kind asked of the file
        // opened: what is swapped in after a look at the name is never read.
        const int fd = ::open(QFile::encodeName(candidate).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            const int error = errno;
            if (error == ENOENT || error == ENOTDIR)
                continue;
            errors::unreadable(candidate, QString::fromLocal8Bit(std::strerror(error)));
        }
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(fd);
            continue;
        }
        path_ = candidate;
        open_ = file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
        if (!open_) {
            ::close(fd);
            errors::unreadable(candidate, file_.errorString());
        }
        size_ = info.st_size;
        return;
    }
}

std::optional<QByteArray> BlobReader::read(FieldCode code, const unsigned char* data, int size)
{
    const int leader = size - mb::ReferenceSize;
    const unsigned char* ref = data + leader;
    const std::uint32_t where = bytes::le32(ref);
    const qint64 length = bytes::le32(ref + 4);
    if (length == 0)
        return std::nullopt;
    QByteArray stored;
    if (length <= leader) {
        stored = QByteArray(reinterpret_cast<const char*>(data), length);
    } else {
        const qint64 offset = where & 0xFFFFFF00u;
        if (!open_ || offset == 0)
            return std::nullopt;
        if (offset % mb::ChunkSize != 0 || offset + mb::SubHeaderSize > size_)
            errors::corruptMemo(
                path_, QCoreApplication::translate("Engine", "a reference to offset %1 outside the file").arg(offset));
        const int index = where & 0xFF;
        const int type = static_cast<unsigned char>(readAt(offset, 1).at(0));
        if (type == mb::SingleBlock)
            stored = fromSingleBlock(offset, index, length);
        else if (type == mb::SubBlock)
            stored = fromSubBlock(offset, index, length);
        else
            errors::corruptMemo(path_,
                                QCoreApplication::translate("Engine", "a reference to a block of type %1").arg(type));
    }
    if (code == FieldCode::Graphic && stored.size() >= mb::GraphicPrefix)
        stored.remove(0, mb::GraphicPrefix);
    return stored;
}

QByteArray BlobReader::fromSingleBlock(qint64 offset, int index, qint64 length)
{
    if (index != mb::SingleIndex)
        errors::corruptMemo(path_,
                            QCoreApplication::translate("Engine", "entry %1 of a single-value block").arg(index));
    const QByteArray head = readAt(offset, mb::SingleHeaderSize);
    const auto* h = reinterpret_cast<const unsigned char*>(head.constData());
    if (bytes::le32(h + 3) != length)
        errors::corruptMemo(path_,
                            QCoreApplication::translate("Engine", "a value length that differs from its record"));
    if (offset + mb::SingleHeaderSize + length > size_)
        errors::corruptMemo(path_, QCoreApplication::translate("Engine", "a value that runs past the end of the file"));
    return readAt(offset + mb::SingleHeaderSize, length);
}

QByteArray BlobReader::fromSubBlock(qint64 offset, int index, qint64 length)
{
    if (index >= mb::SubEntries)
        errors::corruptMemo(path_,
                            QCoreApplication::translate("Engine", "entry %1 of a suballocated block").arg(index));
    const QByteArray entry = readAt(offset + mb::SubHeaderSize + index * mb::SubEntrySize, mb::SubEntrySize);
    const auto* e = reinterpret_cast<const unsigned char*>(entry.constData());
    const qint64 start = qint64(e[0]) * mb::Paragraph;
    const qint64 entryLength = (qint64(e[1]) - 1) * mb::Paragraph + e[4];
    if (e[1] == 0 || entryLength != length)
        errors::corruptMemo(path_,
                            QCoreApplication::translate("Engine", "a value length that differs from its record"));
    if (start < mb::SubHeaderSize || start + length > mb::ChunkSize || offset + start + length > size_)
        errors::corruptMemo(path_, QCoreApplication::translate("Engine", "a value outside its block"));
    return readAt(offset + start, length);
}

// Reads file bytes [offset, offset + length). A protected file is decrypted in
// the 256-byte chunks it was scrambled in.
QByteArray BlobReader::readAt(qint64 offset, qint64 length)
{
    if (offset < 0 || length < 0 || offset + length > size_)
        errors::corruptMemo(path_, QCoreApplication::translate("Engine", "a value that runs past the end of the file"));
    const qint64 first = key_ ? offset & ~qint64(255) : offset;
    const qint64 end = key_ ? (offset + length + 255) & ~qint64(255) : offset + length;
    QByteArray buffer(end - first, '\0');
    if (!file_.seek(first) || file_.read(buffer.data(), std::min(end, size_) - first) < std::min(end, size_) - first)
        errors::unreadable(path_, file_.errorString());
    if (key_)
        crypt::decryptMbChunks(reinterpret_cast<unsigned char*>(buffer.data()), buffer.size(), key_);
    return buffer.mid(offset - first, length);
}

} // namespace px
