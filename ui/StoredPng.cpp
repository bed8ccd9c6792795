#include "ui/StoredPng.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace ui {

namespace {

constexpr quint32 MaxSide = 4096;

quint32 BigEndian32(const uchar* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// The parts of the file that count: its size and the zlib stream of its pixels.
struct Chunks {
    quint32 width = 0;
    quint32 height = 0;
    int dotsPerMeterX = 0; // 0: not given
    int dotsPerMeterY = 0;
    QByteArray stream;
};

// The chunks of png, or false when it is not a PNG of 8-bit RGBA rows that only
// these chunks describe (a gamma or colour profile would change what Qt's reader makes of it).
bool ReadChunks(QByteArrayView png, Chunks& chunks)
{
    const auto* bytes = reinterpret_cast<const uchar*>(png.data());
    if (png.size() < 8 || std::memcmp(bytes, "\x89PNG\r\n\x1a\n", 8) != 0)
        return false;
    bool header = false;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const quint32 length = BigEndian32(bytes + at);
        if (length > quint64(png.size() - at - 12))
            return false;
        const QByteArrayView type = png.sliced(at + 4, 4);
        const uchar* data = bytes + at + 8;
        if (type == "IHDR" && length == 13 && !header) {
            header = true;
            chunks.width = BigEndian32(data);
            chunks.height = BigEndian32(data + 4);
            // 8 bits, RGBA, deflate, the standard filters, not interlaced.
            if (data[8] != 8 || data[9] != 6 || data[10] != 0 || data[11] != 0 || data[12] != 0)
                return false;
        } else if (type == "IDAT" && header) {
            chunks.stream.append(png.sliced(at + 8, length));
        } else if (type == "pHYs" && length == 9) {
            if (data[8] == 1) { // dots per metre
                chunks.dotsPerMeterX = int(std::min<quint32>(BigEndian32(data), INT_MAX));
                chunks.dotsPerMeterY = int(std::min<quint32>(BigEndian32(data + 4), INT_MAX));
            }
        } else if (type == "IEND") {
            return header && chunks.width > 0 && chunks.height > 0 && chunks.width <= MaxSide
                   && chunks.height <= MaxSide;
        } else if (type != "tEXt" && type != "tIME") {
            return false;
        }
        at += 12 + qsizetype(length);
    }
    return false;
}

} // namespace

QImage ReadStoredPng(QByteArrayView png)
{
    Chunks chunks;
    if (!ReadChunks(png, chunks))
        return {};
    const auto* z = reinterpret_cast<const uchar*>(chunks.stream.constData());
    const qsizetype size = chunks.stream.size();
    // zlib: deflate, no preset dictionary.
    if (size < 2 || (z[0] & 0x0f) != 8 || (z[1] & 0x20) != 0 || (z[0] * 256 + z[1]) % 31 != 0)
        return {};
    QImage image(int(chunks.width), int(chunks.height), QImage::Format_RGBA8888);
    if (image.isNull())
        return {};
    const qsizetype rowBytes = 1 + 4 * qsizetype(chunks.width);
    const qsizetype total = rowBytes * chunks.height;
    qsizetype produced = 0;
    qsizetype at = 2;
    for (bool last = false; !last;) {
        // A stored block: its header's bits in a byte of their own, then its length and that length's complement.
        if (size - at < 5 || (z[at] >> 1 & 3) != 0)
            return {};
        last = (z[at] & 1) != 0;
        const qsizetype length = z[at + 1] | z[at + 2] << 8;
        if ((z[at + 3] | z[at + 4] << 8) != (length ^ 0xffff) || length > size - at - 5 || length > total - produced)
            return {};
        const uchar* from = z + at + 5;
        for (qsizetype left = length; left > 0;) {
            const qsizetype column = produced % rowBytes;
            if (column == 0) { // the row's filter: none
                if (*from != 0)
                    return {};
                ++from;
                --left;
                ++produced;
                continue;
            }
            const qsizetype n = std::min(left, rowBytes - column);
            std::memcpy(image.scanLine(int(produced / rowBytes)) + column - 1, from, std::size_t(n));
            from += n;
            left -= n;
            produced += n;
        }
        at += 5 + length;
    }
    // The stream's checksum is not summed: the program's own pictures are read so, from its own memory.
    if (produced != total || size - at < 4)
        return {};
    if (chunks.dotsPerMeterX > 0 && chunks.dotsPerMeterY > 0) {
        image.setDotsPerMeterX(chunks.dotsPerMeterX);
        image.setDotsPerMeterY(chunks.dotsPerMeterY);
    }
    return image;
}

} // namespace ui
