#include "store/report/Cp1252.h"

#include "tests/support/QtPrinting.h"

#include <gtest/gtest.h>

using store::DecodeCp1252;
using store::EncodeCp1252;

TEST(Cp1252, DecodesEachByteToItsCharacter)
{
    const struct {
        unsigned char byte;
        char16_t character;
    } cases[] = {
        {0x00, 0x0000}, {0x41, 0x0041}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081},
        {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020},
        {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039},
        {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8E, 0x017D}, {0x8F, 0x008F}, {0x90, 0x0090},
        {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022},
        {0x96, 0x2013}, {0x97, 0x2014}, {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161},
        {0x9B, 0x203A}, {0x9C, 0x0153}, {0x9D, 0x009D}, {0x9E, 0x017E}, {0x9F, 0x0178},
        {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const auto& c : cases) {
        const QByteArray byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(DecodeCp1252(byte), QString(QChar(c.character))) << "byte " << int(c.byte);
        EXPECT_EQ(EncodeCp1252(QString(QChar(c.character))), std::optional<QByteArray>(byte))
            << "byte " << int(c.byte);
    }
}

TEST(Cp1252, EveryByteStringSurvivesDecodingAndEncoding)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(EncodeCp1252(DecodeCp1252(all)), std::optional<QByteArray>(all));
}

TEST(Cp1252, RefusesTextWithCharactersOutsideTheCodePage)
{
    for (const QString& text : {QStringLiteral("Stra\u00DFe \u0100"), QStringLiteral("\u4E2D"),
                                QStringLiteral("\U0001F600"), QStringLiteral("a\u2015b")})
        EXPECT_FALSE(EncodeCp1252(text).has_value()) << text.toStdString();
    EXPECT_EQ(EncodeCp1252(QString()), std::optional<QByteArray>(QByteArray()));
}
