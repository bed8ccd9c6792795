#include "base/Paths.h"
#include "base/TextNumbers.h"
#include "tests/support/QtPrinting.h"

#include <gtest/gtest.h>

TEST(StrToIntOrZero, ReadsTheNumberSyntaxAndZeroForAnythingElse)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"0", 0},          {"75", 75},        {"+12", 12},       {"-7", -7},
        {"   42", 42},     {"$1F", 31},       {"-$10", -16},     {"$ff", 255},
        {"", 0},           {"  ", 0},         {"2a", 0},         {"12 ", 0},
        {"abc", 0},        {"+", 0},          {"$", 0},          {"1.5", 0},
        {"2147483647", 2147483647},           {"2147483648", 0}, {"-2147483648", -2147483647 - 1},
        {"$FFFFFFFF", 0},  {"$100000000", 0}, {"١٢", 0},      {"$7FFFFFFF", 2147483647},
        {"-$80000000", -2147483647 - 1},      {"-$80000001", 0}, {"-$FFFFFFFF", 0},
        {"999999999", 999999999},             {"0000000042", 42}, {"9999999999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(base::StrToIntOrZero(QString::fromUtf8(c.text)), c.expected) << c.text;
}

// A report's number lines are parsed from their bytes: the same numbers, and no
// byte beyond ASCII (a superscript two, a Windows-1252 euro sign) is a digit.
TEST(ParseInteger, ReadsBytesAsItReadsText)
{
    const struct {
        const char* bytes;
        std::optional<int> expected;
    } cases[] = {
        {"75", 75}, {" -$1f", -31}, {"+0", 0}, {"2147483648", std::nullopt}, {"-$80000000", -2147483647 - 1},
        {"\xB2", std::nullopt}, {"1\x80", std::nullopt}, {"$\xC1", std::nullopt}, {"", std::nullopt},
        {"$FFFFFFFF", std::nullopt}, {"-$80000001", std::nullopt}, {"$80000000", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(base::ParseInteger(QLatin1StringView(c.bytes)), c.expected) << c.bytes;
        EXPECT_EQ(base::ParseInteger(QString::fromLatin1(c.bytes)), c.expected) << c.bytes;
    }
}

TEST(JoinPath, PutsExactlyOneSeparatorBetweenDirectoryAndName)
{
    const struct {
        const char* directory;
        const char* name;
        const char* expected;
    } cases[] = {
        {"", "rep1.rpt", "rep1.rpt"},
        {"/data/omni", "rep1.rpt", "/data/omni/rep1.rpt"},
        {"/data/omni/", "rep1.rpt", "/data/omni/rep1.rpt"},
        {"/data/b\\", "TRDATA.DB", "/data/b\\/TRDATA.DB"}, // a backslash is part of the name
    };
    for (const auto& c : cases)
        EXPECT_EQ(base::JoinPath(QString::fromUtf8(c.directory), QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.expected));
}

// File names are bytes; those that are not valid UTF-8 come back unchanged.
TEST(Paths, FileNameBytesSurviveTheRoundTripThroughText)
{
    for (const QByteArray& bytes : {QByteArray("caf\xc3\xa9.rpt"), QByteArray("caf\xe9.rpt"), QByteArray("\xc3.rpt"),
                                   QByteArray("\xe0\x80\xaf"), QByteArray("\xed\xb2\x80\xf4\x90\x80\x80")}) {
        const QString text = base::FileNameText(bytes);
        EXPECT_EQ(base::FileNameBytes(text), bytes) << bytes.toHex().constData();
        EXPECT_EQ(text == QString::fromUtf8(bytes), bytes.isValidUtf8()) << bytes.toHex().constData();
    }
}
