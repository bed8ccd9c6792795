#include "store/paradox/PxBlobWriter.h"

#include "store/paradox/PxBlobFile.h"
#include "store/paradox/PxBytes.h"
#include "store/paradox/PxErrors.h"

#include <QFileDevice>

namespace px {

namespace {

unsigned char* at(QByteArray& data, qint64 offset) { return reinterpret_cast<unsigned char*>(data.data()) + offset; }

void putReference(unsigned char* reference, qint64 offset, int index, qint64 length, int modification)
{
    bytes::putLe32(reference, std::uint32_t(offset) | std::uint32_t(index));
    bytes::putLe32(reference + 4, std::uint32_t(length));
    bytes::putLe16(reference + 8, modification);
}

} // namespace

BlobWriter::BlobWriter(QFileDevice& file)
    : file_(file)
{
    // The header block takes its place now and its content at the end, when
    // the modification number is known.
    append(QByteArray(mb::ChunkSize, '\0'));
}

void BlobWriter::add(const QByteArray& value, unsigned char* reference)
{
    ++modification_;
    if (value.size() > mb::SubThreshold)
        addSingle(value, reference);
    else
        addSmall(value, reference);
}

void BlobWriter::addSingle(const QByteArray& value, unsigned char* reference)
{
    const qint64 offset = size_;
    const qint64 chunks = (mb::SingleHeaderSize + value.size() + mb::ChunkSize - 1) / mb::ChunkSize;
    QByteArray block(chunks * mb::ChunkSize, '\0');
    unsigned char* b = at(block, 0);
    b[0] = mb::SingleBlock;
    bytes::putLe16(b + 1, std::uint32_t(chunks));
    bytes::putLe32(b + 3, std::uint32_t(value.size()));
    bytes::putLe16(b + 7, modification_);
    std::copy(value.begin(), value.end(), b + mb::SingleHeaderSize);
    append(block);
    putReference(reference, offset, mb::SingleIndex, value.size(), modification_);
}

void BlobWriter::addSmall(const QByteArray& value, unsigned char* reference)
{
    const int paragraphs = int((value.size() + mb::Paragraph - 1) / mb::Paragraph);
    const int blockParagraphs = mb::ChunkSize / mb::Paragraph;
    if (sub_.isEmpty() || subEntries_ == mb::SubEntries || subNextParagraph_ + paragraphs > blockParagraphs) {
        flushSubBlock();
        // The block keeps its place in the file while later single blocks follow it.
        subOffset_ = size_;
        sub_ = QByteArray(mb::ChunkSize, '\0');
        append(sub_);
        unsigned char* b = at(sub_, 0);
        b[0] = mb::SubBlock;
        bytes::putLe16(b + 1, 1);
        subEntries_ = 0;
        subNextParagraph_ = mb::SubFirstParagraph;
    }
    unsigned char* block = at(sub_, 0);
    const int index = subEntries_++;
    unsigned char* entry = block + mb::SubHeaderSize + index * mb::SubEntrySize;
    entry[0] = subNextParagraph_;
    entry[1] = paragraphs;
    bytes::putLe16(entry + 2, modification_);
    entry[4] = value.size() - (paragraphs - 1) * mb::Paragraph;
    std::copy(value.begin(), value.end(), block + subNextParagraph_ * mb::Paragraph);
    subNextParagraph_ += paragraphs;
    putReference(reference, subOffset_, index, value.size(), modification_);
}

void BlobWriter::flushSubBlock()
{
    if (!sub_.isEmpty())
        writeAt(subOffset_, sub_);
}

void BlobWriter::finish()
{
    flushSubBlock();
    QByteArray header(mb::ChunkSize, '\0');
    unsigned char* h = at(header, 0);
    h[0] = mb::HeaderBlock;
    bytes::putLe16(h + 1, 1);
    bytes::putLe16(h + 3, modification_);
    // Constants every memo file header carries, then the block and paragraph sizes.
    const unsigned char fixed[] = {0x82, 0x73, 0x02, 0x00, 0x29, 0x00};
    std::copy(std::begin(fixed), std::end(fixed), h + 5);
    bytes::putLe16(h + 0x0B, mb::ChunkSize);
    bytes::putLe16(h + 0x0D, mb::ChunkSize);
    h[0x0F] = mb::Paragraph;
    bytes::putLe16(h + 0x10, mb::SubEntries);
    bytes::putLe16(h + 0x12, mb::SubThreshold);
    writeAt(0, header);
}

void BlobWriter::append(const QByteArray& bytes)
{
    if (file_.pos() != size_ && !file_.seek(size_))
        errors::cannotWrite(file_.fileName(), file_.errorString());
    if (file_.write(bytes) != bytes.size())
        errors::cannotWrite(file_.fileName(), file_.errorString());
    size_ += bytes.size();
}

void BlobWriter::writeAt(qint64 offset, const QByteArray& bytes)
{
    if (!file_.seek(offset) || file_.write(bytes) != bytes.size())
        errors::cannotWrite(file_.fileName(), file_.errorString());
}

} // namespace px
