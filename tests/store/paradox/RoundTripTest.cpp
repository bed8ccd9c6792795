#include "tests/store/paradox/PxTestSupport.h"

#include <QFile>

using namespace px;
using pxtest::fieldOf;

namespace {

QString memoText(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u'a' + i % 26);
    return text;
}

QByteArray binary(int length, int seed)
{
    QByteArray b;
    for (int i = 0; i < length; ++i)
        b += char((i * 7 + seed) % 256);
    return b;
}

struct RoundTripCase {
    const char* name;
    FieldDesc field;
    std::vector<Value> values; // one record each
};

void PrintTo(const RoundTripCase& c, std::ostream* out)
{
    *out << c.name;
}

class RoundTrip : public testing::TestWithParam<RoundTripCase> {
protected:
    QTemporaryDir dir;
};

TEST_P(RoundTrip, ValuesReadBackAsWritten)
{
    const RoundTripCase& c = GetParam();
    const QString path = dir.filePath("T.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("Id", FieldCode::Long, 4), c.field};
    std::vector<std::vector<Value>> records;
    for (std::size_t i = 0; i < c.values.size(); ++i)
        records.push_back({Value::ofInteger(std::int64_t(i) + 1), c.values[i]});
    writeTable(path, definition, records);

    const TableFile table = TableFile::open(path);
    ASSERT_EQ(table.header().fields.size(), 2u);
    EXPECT_EQ(table.header().fields[1].name, c.field.name);
    EXPECT_EQ(table.header().fields[1].code, c.field.code);
    EXPECT_EQ(table.header().fields[1].size, c.field.size);
    EXPECT_EQ(table.header().recordCount, std::int64_t(c.values.size()));
    const auto read = table.readRecords();
    ASSERT_EQ(read.size(), c.values.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i][0], Value::ofInteger(std::int64_t(i) + 1));
        EXPECT_EQ(read[i][1], c.values[i]) << "record " << i + 1;
    }
}

const RoundTripCase roundTripCases[] = {
    {"Alpha", fieldOf("Name", FieldCode::Alpha, 12),
     {Value::ofText("Smith"), Value::null(), Value::ofText(QString::fromUtf8("Müller & Søn")),
      Value::ofText("exactly12chr"), Value::ofText(" padded ")}},
    {"Short", fieldOf("Count", FieldCode::Short, 2),
     {Value::ofInteger(0), Value::ofInteger(1), Value::ofInteger(-1), Value::ofInteger(32767),
      Value::ofInteger(-32767), Value::null()}},
    {"Long", fieldOf("Big", FieldCode::Long, 4),
     {Value::ofInteger(0), Value::ofInteger(2147483647), Value::ofInteger(-2147483647), Value::ofInteger(-5),
      Value::null()}},
    {"AutoInc", fieldOf("Serial", FieldCode::AutoInc, 4), {Value::ofInteger(1), Value::ofInteger(99), Value::null()}},
    {"Number", fieldOf("Amount", FieldCode::Number, 8),
     {Value::ofFloat(0.0), Value::ofFloat(1.5), Value::ofFloat(-1.5), Value::ofFloat(1e300), Value::ofFloat(-2e-300),
      Value::null()}},
    {"Currency", fieldOf("Price", FieldCode::Currency, 8),
     {Value::ofFloat(19.99), Value::ofFloat(-0.01), Value::null()}},
    {"Logical", fieldOf("Done", FieldCode::Logical, 1), {Value::ofBoolean(true), Value::ofBoolean(false), Value::null()}},
    {"Date", fieldOf("Born", FieldCode::Date, 4),
     {Value::ofDate(pxtest::paradoxDay(1999, 12, 31)), Value::ofDate(1), Value::ofDate(pxtest::paradoxDay(2038, 1, 20)),
      Value::null()}},
    {"Time", fieldOf("At", FieldCode::Time, 4),
     {Value::ofTime(0), Value::ofTime(pxtest::msOfDay(23, 59, 59, 999)), Value::null()}},
    {"Timestamp", fieldOf("Stamp", FieldCode::Timestamp, 8),
     {Value::ofTimestamp(pxtest::paradoxTimestamp(2020, 2, 1, 1, 0, 1)), Value::null()}},
    {"Bcd", fieldOf("Exact", FieldCode::Bcd, 2),
     {Value::ofFloat(1.23), Value::ofFloat(-1.23), Value::ofFloat(0.0), Value::ofFloat(123456789.5),
      Value::null()}},
    {"BcdOnlyDecimals", fieldOf("Fraction", FieldCode::Bcd, 32), {Value::ofFloat(0.123), Value::ofFloat(-0.5)}},
    {"BcdNoDecimals", fieldOf("Whole", FieldCode::Bcd, 0),
     {Value::ofFloat(12345678901234567.0), Value::ofFloat(-7.0)}},
    {"Bytes", fieldOf("Raw", FieldCode::Bytes, 4),
     {Value::ofBytes(QByteArray("\x01\x00\xFF\x7F", 4)), Value::null()}},
    {"MemoInRecordAndFile", fieldOf("Notes", FieldCode::Memo, 30),
     {Value::ofText("short"), Value::ofText(memoText(20)), Value::ofText(memoText(21)), Value::ofText(memoText(500)),
      Value::ofText(memoText(2048)), Value::ofText(memoText(2049)), Value::ofText(memoText(9000)), Value::null(),
      Value::ofText(QString::fromUtf8("Grüße\r\nzweite Zeile"))}},
    {"MemoWithoutLeader", fieldOf("Notes", FieldCode::Memo, 10), {Value::ofText("x"), Value::ofText(memoText(70))}},
    {"FormattedMemo", fieldOf("Rich", FieldCode::FmtMemo, 11), {Value::ofText(memoText(40)), Value::null()}},
    {"Blob", fieldOf("Data", FieldCode::Blob, 10),
     {Value::ofBytes(binary(3000, 1)), Value::ofBytes(binary(17, 2)), Value::null()}},
    {"Graphic", fieldOf("Picture", FieldCode::Graphic, 10), {Value::ofBytes(binary(100, 3)), Value::null()}},
    {"Ole", fieldOf("Object", FieldCode::Ole, 10), {Value::ofBytes(binary(5000, 4))}},
};

INSTANTIATE_TEST_SUITE_P(EveryFieldType, RoundTrip, testing::ValuesIn(roundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundTripTable, ManyRecordsSpanSeveralBlocksInOrder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("MANY.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("N", FieldCode::Long, 4), fieldOf("Text", FieldCode::Alpha, 100)};
    std::vector<std::vector<Value>> records;
    for (int i = 0; i < 1000; ++i)
        records.push_back({Value::ofInteger(i), Value::ofText(QString::number(i * 3))});
    writeTable(path, definition, records);
    const TableFile table = TableFile::open(path);
    EXPECT_GT(table.header().fileBlocks, 1);
    EXPECT_EQ(table.header().recordCount, 1000);
    EXPECT_EQ(table.readRecords(), records);
}

TEST(RoundTripTable, HeaderKeepsKeyCountCodePageAndAutoIncrement)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("KEYED.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("Id", FieldCode::AutoInc, 4), fieldOf("Name", FieldCode::Alpha, 10)};
    definition.keyFieldCount = 1;
    definition.codePage = 850;
    writeTable(path, definition, {{Value::ofInteger(1), Value::ofText("a")}, {Value::ofInteger(7), Value::ofText("b")}});
    const TableFile table = TableFile::open(path);
    const Header& h = table.header();
    EXPECT_EQ(h.fileType, 0);
    EXPECT_EQ(h.keyFieldCount, 1);
    EXPECT_EQ(h.codePage, 850);
    EXPECT_EQ(h.autoIncrement, 7);
    EXPECT_EQ(h.level, 12);
    EXPECT_EQ(h.encryption, 0u);
}

TEST(RoundTripTable, EmptyTableHasFieldsAndNoRecords)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("EMPTY.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("A", FieldCode::Alpha, 5), fieldOf("M", FieldCode::Memo, 20)};
    writeTable(path, definition, {});
    const TableFile table = TableFile::open(path);
    EXPECT_EQ(table.header().fields.size(), 2u);
    EXPECT_EQ(table.header().fileType, 2);
    EXPECT_TRUE(table.readRecords().empty());
}

TEST(RoundTripTable, TextOutsideTheCodePageBecomesQuestionMarks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("CP.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("Name", FieldCode::Alpha, 20), fieldOf("Memo", FieldCode::Memo, 12)};
    definition.codePage = 1252;
    writeTable(path, definition, {{Value::ofText(QString::fromUtf8("Zoë ☃ €")), Value::ofText(QString::fromUtf8("Ωmega ü"))}});
    const auto read = TableFile::open(path).readRecords();
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0][0], Value::ofText(QString::fromUtf8("Zoë ? €")));
    EXPECT_EQ(read[0][1], Value::ofText(QString::fromUtf8("?mega ü")));
}

TEST(RoundTripTable, AlphaTooLongIsCutAtTheFieldSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("CUT.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("Name", FieldCode::Alpha, 4)};
    writeTable(path, definition, {{Value::ofText("abcdefgh")}});
    EXPECT_EQ(TableFile::open(path).readRecords()[0][0], Value::ofText("abcd"));
}

} // namespace

namespace {

struct CodePageCase {
    int codePage;
    const char* text;
    QByteArray stored; // the alpha field's bytes in the record
};

void PrintTo(const CodePageCase& c, std::ostream* out)
{
    *out << "code page " << c.codePage << ": " << c.text;
}

class CodePage : public testing::TestWithParam<CodePageCase> {};

TEST_P(CodePage, AlphaIsStoredInTheTablesCodePageAndReadBack)
{
    const CodePageCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("CP.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("Name", FieldCode::Alpha, 8)};
    definition.codePage = c.codePage;
    writeTable(path, definition, {{Value::ofText(QString::fromUtf8(c.text))}});

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const int headerSize = quint8(bytes[2]) | (quint8(bytes[3]) << 8);
    EXPECT_EQ(bytes.mid(headerSize + 6, c.stored.size()), c.stored); // after the 6-byte block header
    EXPECT_EQ(TableFile::open(path).readRecords()[0][0], Value::ofText(QString::fromUtf8(c.text)));
}

INSTANTIATE_TEST_SUITE_P(Tables, CodePage,
                         testing::Values(CodePageCase{437, "Grüß", QByteArray("Gr\x81\xE1", 4)},
                                         CodePageCase{850, "Øre", QByteArray("\x9Dre", 3)},
                                         CodePageCase{1252, "€uro", QByteArray("\x80uro", 4)},
                                         CodePageCase{936, "中文", QByteArray("\xD6\xD0\xCE\xC4", 4)},
                                         CodePageCase{12345, "café", QByteArray("caf\xE9", 4)},
                                         // EBCDIC: even plain ASCII letters change.
                                         CodePageCase{500, "Ab", QByteArray("\xC1\x82", 2)}),
                         [](const auto& info) { return "CodePage" + std::to_string(info.param.codePage); });

} // namespace
