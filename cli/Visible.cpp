#include "cli/Visible.h"

#include <algorithm>

namespace cli {

namespace {

// base::FileNameText keeps a byte of a name that is not UTF-8 as 0xDC00 + byte.
constexpr char32_t kNameByteBase = 0xDC00;

bool IsNameByte(char32_t c)
{
    return c >= kNameByteBase + 0x80 && c <= kNameByteBase + 0xFF;
}

bool IsHidden(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return c == 0xA0;
    }
}

QString Hex(char32_t value, int digits)
{
    return QString::number(uint(value), 16).rightJustified(digits, u'0');
}

// Calls visit with each character of text, a surrogate pair as one, a lone surrogate by itself.
template <typename Visit>
void ForEachCharacter(QStringView text, Visit visit)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        visit(c);
    }
}

void Append(QString& out, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        out += QChar(QChar::highSurrogate(c));
        out += QChar(QChar::lowSurrogate(c));
    } else {
        out += QChar(char16_t(c));
    }
}

std::optional<char32_t> HexValue(QStringView digits)
{
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    const bool plain = std::all_of(digits.begin(), digits.end(), [](QChar d) { return d.isLetterOrNumber(); });
    if (!ok || !plain || value > 0x10FFFF)
        return std::nullopt;
    return char32_t(value);
}

} // namespace

QString Visible(QStringView text)
{
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == u'\\' || IsHidden(c.unicode());
    });
    if (plain)
        return text.toString();
    QString out;
    out.reserve(text.size() + 8);
    ForEachCharacter(text, [&out](char32_t c) {
        if (c == u'\\')
            out += QLatin1String("\\\\");
        else if (c == u'\t')
            out += QLatin1String("\\t");
        else if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else if (c < 0x20 || c == 0x7F)
            out += QLatin1String("\\x") + Hex(c, 2);
        else if (IsNameByte(c))
            out += QLatin1String("\\x") + Hex(c - kNameByteBase, 2);
        else if (IsHidden(c))
            out += c > 0xFFFF ? QLatin1String("\\U") + Hex(c, 8) : QLatin1String("\\u") + Hex(c, 4);
        else
            Append(out, c);
    });
    return out;
}

std::optional<QString> Unescaped(QStringView shown)
{
    QString text;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] != u'\\') {
            text += shown[i];
            continue;
        }
        const QChar kind = i + 1 < shown.size() ? shown[i + 1] : QChar();
        const int digits = kind == u'x' ? 2 : kind == u'u' ? 4 : kind == u'U' ? 8 : 0;
        if (kind == u'\\' || kind == u't' || kind == u'n' || kind == u'r') {
            text += kind == u'\\' ? u'\\' : kind == u't' ? u'\t' : kind == u'n' ? u'\n' : u'\r';
            ++i;
            continue;
        }
        const std::optional<char32_t> value =
            digits > 0 && i + 2 + digits <= shown.size() ? HexValue(shown.sliced(i + 2, digits)) : std::nullopt;
        if (!value)
            return std::nullopt;
        Append(text, kind == u'x' && *value >= 0x80 ? kNameByteBase + *value : *value);
        i += 1 + digits;
    }
    return text;
}

bool HoldsNameByte(QStringView text)
{
    bool found = false;
    ForEachCharacter(text, [&found](char32_t c) { found = found || IsNameByte(c); });
    return found;
}

QString JsonString(QStringView text)
{
    QString out(1, u'"');
    out.reserve(text.size() + 2);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\')
            out.append(u'\\').append(c);
        else if (u == u'\n')
            out += QLatin1String("\\n");
        else if (u == u'\t')
            out += QLatin1String("\\t");
        else if (u == u'\r')
            out += QLatin1String("\\r");
        else if (IsHidden(u))
            out += QLatin1String("\\u") + Hex(u, 4);
        else
            out += c;
    }
    return out + u'"';
}

} // namespace cli
