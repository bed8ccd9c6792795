#include "base/Paths.h"

namespace base {

namespace {

constexpr char16_t kEscapeBase = 0xDC00; // an escaped byte b is kEscapeBase + b, b from 0x80

// The length of the valid UTF-8 sequence at bytes[i], or 0 when there is none.
qsizetype Utf8SequenceAt(QByteArrayView bytes, qsizetype i)
{
    const auto byte = [&bytes](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || i + length > bytes.size())
        return 0;
    for (qsizetype k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    const unsigned char second = byte(i + 1);
    const bool overlong = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
    const bool surrogate = lead == 0xED && second >= 0xA0;
    const bool tooLarge = lead == 0xF4 && second >= 0x90;
    return overlong || surrogate || tooLarge ? 0 : length;
}

} // namespace

QString FileNameText(QByteArrayView bytes)
{
    QString text;
    qsizetype valid = 0; // start of the valid run not yet decoded
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype length = Utf8SequenceAt(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.sliced(valid, i - valid));
        text += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i])));
        valid = ++i;
    }
    return text + QString::fromUtf8(bytes.sliced(valid));
}

QByteArray FileNameBytes(const QString& text)
{
    QByteArray bytes;
    qsizetype run = 0; // start of the text not yet encoded
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const bool paired = i > 0 && QChar::isHighSurrogate(text[i - 1].unicode());
        if (u < kEscapeBase + 0x80 || u > kEscapeBase + 0xFF || paired)
            continue;
        bytes += QStringView(text).sliced(run, i - run).toUtf8();
        bytes += char(u - kEscapeBase);
        run = i + 1;
    }
    return bytes + QStringView(text).sliced(run).toUtf8();
}

QString JoinPath(const QString& directory, const QString& fileName)
{
    if (directory.isEmpty())
        return fileName;
    if (directory.endsWith(u'/'))
        return directory + fileName;
    return directory + u'/' + fileName;
}

} // namespace base
