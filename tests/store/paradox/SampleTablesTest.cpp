#include "tests/store/paradox/PxTestSupport.h"

using namespace px;
using pxtest::fieldOf;
using pxtest::paradoxDay;

namespace {

struct KnownRow {
    int index;
    std::vector<Value> values;
};

struct SampleCase {
    const char* file;
    int level;
    int fileType;
    bool encrypted;
    int codePage; // -1: not recorded
    std::vector<FieldDesc> fields;
    std::size_t rows;
    std::vector<KnownRow> known;
};

void PrintTo(const SampleCase& c, std::ostream* out)
{
    *out << c.file;
}

Value text(const char* s) { return Value::ofText(QString::fromUtf8(s)); }
Value integer(std::int64_t i) { return Value::ofInteger(i); }
Value real(double d) { return Value::ofFloat(d); }
Value date(int y, int m, int d) { return Value::ofDate(paradoxDay(y, m, d)); }
Value time(int h, int m, int s) { return Value::ofTime(pxtest::msOfDay(h, m, s)); }
const Value null = Value::null();

const SampleCase sampleCases[] = {
    {"encrypt/encrypted.db", 11, 2, true, 850,
     {fieldOf("Id", FieldCode::AutoInc, 4), fieldOf("Text", FieldCode::Alpha, 30)}, 4,
     {{0, {integer(1), text("Value 1")}}, {1, {integer(2), text("Value 2")}}, {2, {integer(3), text("Value 3")}},
      {3, {integer(4), text("Last one")}}}},
    {"encrypt/encrypted35.db", 4, 2, true, 0,
     {fieldOf("A", FieldCode::Number, 8), fieldOf("B", FieldCode::Alpha, 30)}, 2,
     {{0, {real(1), text("Test 1")}}, {1, {real(2), text("Test2")}}}},
    {"fields/bcd.db", 11, 2, false, -1,
     {fieldOf("A", FieldCode::Bcd, 2), fieldOf("B", FieldCode::Bcd, 0), fieldOf("C", FieldCode::Bcd, 32)}, 3,
     {{0, {real(1.23), real(1), real(0.123)}}, {1, {real(-1.23), real(-1), real(-0.123)}},
      {2, {real(0), null, real(0.9999)}}}},
    {"fields/date35.db", 4, 2, false, 0, {fieldOf("DATE", FieldCode::Date, 4)}, 3,
     {{0, {date(2018, 1, 1)}}, {1, {date(2018, 2, 1)}}, {2, {date(2018, 1, 2)}}}},
    {"fields/date4.db", 9, 2, false, -1, {fieldOf("DATE", FieldCode::Date, 4)}, 3,
     {{0, {date(2018, 1, 1)}}, {1, {date(2018, 2, 1)}}, {2, {date(2018, 1, 2)}}}},
    {"fields/date5.db", 11, 2, false, -1, {fieldOf("DATE", FieldCode::Date, 4), fieldOf("TIME", FieldCode::Time, 4)}, 3,
     {{0, {date(2018, 1, 1), time(10, 0, 0)}}, {1, {date(2018, 2, 1), time(10, 30, 0)}},
      {2, {date(2018, 1, 2), time(9, 25, 25)}}}},
    {"fields/date7.db", 11, 2, false, -1, {fieldOf("DATE", FieldCode::Date, 4), fieldOf("TIME", FieldCode::Time, 4)}, 5,
     {{0, {date(2018, 1, 1), time(10, 0, 0)}}, {3, {null, time(10, 0, 0)}}, {4, {date(2018, 1, 1), null}}}},
    {"fields/graphic.db", -1, 0, false, -1,
     {fieldOf("Id", FieldCode::AutoInc, 4), fieldOf("Graphic", FieldCode::Graphic, 10), fieldOf("Type", FieldCode::Alpha, 3)},
     3, {{0, {integer(1), null, text("GIF")}}, {1, {integer(2), null, text("BMP")}}, {2, {integer(3), null, null}}}},
    {"fields/logical.db", 11, 2, false, 1252, {fieldOf("BOOL", FieldCode::Logical, 1)}, 4,
     {{0, {Value::ofBoolean(true)}}, {1, {Value::ofBoolean(false)}}, {2, {Value::ofBoolean(true)}},
      {3, {Value::ofBoolean(true)}}}},
    {"fields/long.db", -1, 0, false, -1, {fieldOf("Id", FieldCode::AutoInc, 4), fieldOf("LONG", FieldCode::Long, 4)}, 3,
     {{0, {integer(1), integer(1)}}, {1, {integer(2), integer(2)}}, {2, {integer(3), null}}}},
    {"fields/ole.db", -1, 0, false, -1, {fieldOf("Id", FieldCode::AutoInc, 4), fieldOf("OLE", FieldCode::Ole, 10)}, 1,
     {{0, {integer(1), null}}}},
    {"fields/time.db", 11, 2, false, -1, {fieldOf("Time", FieldCode::Time, 4)}, 3,
     {{0, {time(1, 0, 1)}}, {1, {null}}, {2, {time(3, 0, 3)}}}},
    {"fields/timestamp.db", 11, 2, false, -1, {fieldOf("Timestamp", FieldCode::Timestamp, 8)}, 2,
     {{0, {null}}, {1, {Value::ofTimestamp(pxtest::paradoxTimestamp(2020, 2, 1, 1, 0, 1))}}}},
    {"db/CONTACTS.DB", 12, 2, false, 437,
     {fieldOf("Last Name", FieldCode::Alpha, 10), fieldOf("First Name", FieldCode::Alpha, 20),
      fieldOf("Company", FieldCode::Alpha, 30), fieldOf("Phone", FieldCode::Alpha, 15)},
     55, {{0, {text("Pan"), text("Jerry"), text("Kauai Dive Shoppe"), text("808-555-0270")}}}},
    {"db/DECIMAL.DB", 12, 2, false, -1, {fieldOf("DECIMAL", FieldCode::Number, 8)}, 9,
     {{0, {real(-200)}}, {1, {real(-20)}}, {2, {real(-1)}}, {3, {real(1)}}, {4, {real(20)}}, {5, {real(200)}},
      {6, {real(200.36)}}, {7, {real(1.37)}}, {8, {real(-1.387)}}}},
    {"db/GENERAL.DB", 11, 0, false, 936,
     {fieldOf("ID", FieldCode::Long, 4), fieldOf("NAME", FieldCode::Alpha, 25), fieldOf("MONEYS", FieldCode::Currency, 8)},
     3, {{0, {integer(1), text("Mari"), real(100)}}, {1, {integer(2), text("Katty"), real(150)}},
         {2, {integer(333333333), text("Elizabet"), real(75)}}}},
    {"db/HERCULES.DB", 12, 0, false, -1, {fieldOf("TEMPLATE", FieldCode::Alpha, 80), fieldOf("HTML", FieldCode::Memo, 110)},
     20, {}},
    {"db/ROMAN8.db", 9, 2, false, 0, {fieldOf("A", FieldCode::Alpha, 20)}, 1,
     {{0, {Value::ofText(QString::fromUtf8("ëø¾ô"))}}}},
};

void expectSameValue(const Value& actual, const Value& expected, const char* file, int row, std::size_t column)
{
    SCOPED_TRACE(testing::Message() << file << " row " << row + 1 << " field " << column + 1);
    if (expected.kind == Value::Kind::Float && actual.kind == Value::Kind::Float)
        EXPECT_DOUBLE_EQ(actual.real, expected.real);
    else
        EXPECT_EQ(actual, expected);
}

class SampleTable : public testing::TestWithParam<SampleCase> {};

TEST_P(SampleTable, ReadsWithTheKnownFieldsAndValues)
{
    const SampleCase& c = GetParam();
    const TableFile table = TableFile::open(pxtest::samplesDir() + "/" + c.file);
    const Header& h = table.header();
    if (c.level >= 0) {
        EXPECT_EQ(h.level, c.level);
    }
    EXPECT_EQ(h.fileType, c.fileType);
    EXPECT_EQ(h.encryption != 0, c.encrypted);
    if (c.codePage >= 0) {
        EXPECT_EQ(h.codePage, c.codePage);
    }
    ASSERT_EQ(h.fields.size(), c.fields.size());
    for (std::size_t i = 0; i < c.fields.size(); ++i) {
        EXPECT_EQ(h.fields[i].name, c.fields[i].name);
        EXPECT_EQ(h.fields[i].code, c.fields[i].code) << "field " << i + 1;
        EXPECT_EQ(h.fields[i].size, c.fields[i].size) << "field " << i + 1;
    }
    EXPECT_EQ(h.recordCount, std::int64_t(c.rows));

    const auto records = table.readRecords();
    ASSERT_EQ(records.size(), c.rows);
    for (const KnownRow& row : c.known) {
        ASSERT_EQ(records[row.index].size(), row.values.size());
        for (std::size_t i = 0; i < row.values.size(); ++i)
            expectSameValue(records[row.index][i], row.values[i], c.file, row.index, i);
    }
}

INSTANTIATE_TEST_SUITE_P(SharedSamples, SampleTable, testing::ValuesIn(sampleCases), [](const auto& info) {
    std::string name = info.param.file;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

std::vector<std::vector<Value>> samplesOf(const char* file)
{
    return TableFile::open(pxtest::samplesDir() + "/" + file).readRecords();
}

TEST(SampleMemoTables, MemosComeFromTheRecordOrTheMemoFile)
{
    const auto memo = samplesOf("fields/memo.db");
    ASSERT_EQ(memo.size(), 2u);
    EXPECT_EQ(memo[0][0], integer(1));
    ASSERT_EQ(memo[0][1].kind, Value::Kind::Text);
    EXPECT_EQ(memo[0][1].text.size(), 555);
    EXPECT_TRUE(memo[0][1].text.startsWith("0123456789"));
    EXPECT_EQ(memo[1][1], text("01234567890\n"));

    const auto hercules = samplesOf("db/HERCULES.DB");
    ASSERT_EQ(hercules.size(), 20u);
    EXPECT_EQ(hercules[0][0], text("CUSTTF_HEADER"));
    EXPECT_TRUE(hercules[0][1].text.startsWith("<TABLE BORDER=2>"));
}

TEST(SampleMemoTables, ProtectedMemoFileDecryptsWithoutPassword)
{
    const auto rows = samplesOf("encrypt/encryptedmemo.db");
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        ASSERT_EQ(row[0].kind, Value::Kind::Text);
        EXPECT_GT(row[0].text.size(), 1000);
        EXPECT_FALSE(row[0].text.contains(QChar(0))) << "a wrongly decrypted memo is full of control bytes";
    }
    EXPECT_TRUE(rows[0][0].text.contains("The PARADOX File Structure"));
}

TEST(SampleMemoTables, FormattedMemosAndCustomerRowsRead)
{
    const auto fmemo = samplesOf("fields/fmemo.db");
    ASSERT_EQ(fmemo.size(), 2u);
    EXPECT_EQ(fmemo[0][0], integer(1));
    EXPECT_EQ(fmemo[1][0], integer(2));
    EXPECT_EQ(fmemo[0][1].kind, Value::Kind::Text);
    EXPECT_EQ(fmemo[1][1].kind, Value::Kind::Text);

    const auto customers = samplesOf("db/CUSTOMER.DB");
    ASSERT_EQ(customers.size(), 20u);
    const std::vector<Value> first = {integer(1), text("Luke"), text("Justice"), text("luke@fun.com"),
                                      text("4-976 Sugarloaf Hwy"), text("Santa Cruz"), text("CA"), text("94766")};
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(customers[0][i], first[i]) << "field " << i + 1;
    EXPECT_EQ(customers[0][8].kind, Value::Kind::Text);
    EXPECT_EQ(customers[0][9], date(1996, 2, 2));
}

TEST(SampleMemoTables, BytesFieldReadsWholeField)
{
    const auto rows = samplesOf("fields/bytes.db");
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0][0].kind, Value::Kind::Bytes);
    EXPECT_EQ(rows[0][0].bytes.size(), 255);
}

} // namespace
