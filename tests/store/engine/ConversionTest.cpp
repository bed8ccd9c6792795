#include "tests/store/engine/EngineFixture.h"

#include "store/paradox/PxTable.h"

using store::Table;
using store::TableState;

namespace {

class ConversionTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        table = openWorkingTable();
        table->Insert();
    }

    store::Field field(const char* name) { return table->FieldByName(QString::fromLatin1(name)); }

    std::unique_ptr<Table> table;
};

struct IntegerCase {
    const char* text;
    std::optional<int> stored; // nullopt: stored as no value
    const char* error;         // nullptr: accepted
};

TEST_F(ConversionTest, IntegerTextFollowsTheIntegerSyntax)
{
    const IntegerCase cases[] = {
        {"12", 12, nullptr},
        {"  7", 7, nullptr},
        {"+5", 5, nullptr},
        {"-3", -3, nullptr},
        {"$1F", 31, nullptr},
        {"$ff", 255, nullptr},
        {"-$10", -16, nullptr},
        {"0", 0, nullptr},
        {"", std::nullopt, nullptr},
        {"2a", std::nullopt, "'2a' is not a valid integer value for field 'Line'"},
        {"1.5", std::nullopt, "'1.5' is not a valid integer value for field 'Line'"},
        {"7 ", std::nullopt, "'7 ' is not a valid integer value for field 'Line'"},
        {" ", std::nullopt, "' ' is not a valid integer value for field 'Line'"},
        {"$", std::nullopt, "'$' is not a valid integer value for field 'Line'"},
        {"2147483648", std::nullopt, "'2147483648' is not a valid integer value for field 'Line'"},
    };
    for (const IntegerCase& c : cases) {
        SCOPED_TRACE(c.text);
        field("Line").SetAsInteger(99);
        const QString error = errorOf([&] { field("Line").SetAsString(QString::fromLatin1(c.text)); });
        if (c.error) {
            EXPECT_EQ(error, QString::fromLatin1(c.error));
            EXPECT_EQ(field("Line").AsInteger(), 99) << "a refused value leaves the old one";
        } else {
            EXPECT_EQ(error, QStringLiteral("(no error)"));
            EXPECT_EQ(field("Line").IsNull(), !c.stored.has_value());
            EXPECT_EQ(field("Line").AsInteger(), c.stored.value_or(0));
        }
    }
}

struct LogicalCase {
    const char* text;
    std::optional<bool> stored; // nullopt with accepted: no value
    bool accepted;
};

TEST_F(ConversionTest, LogicalTextMatchesLeadingCharactersOfFalseThenTrue)
{
    const LogicalCase cases[] = {
        {"T", true, true},      {"t", true, true},       {"TRUE", true, true},   {"tRu", true, true},
        {"True", true, true},   {"F", false, true},      {"fa", false, true},    {"FALSE", false, true},
        {"falS", false, true},  {"", std::nullopt, true}, {"yes", {}, false},    {"Falsey", {}, false},
        {"Trues", {}, false},   {"1", {}, false},        {"0", {}, false},       {" T", {}, false},
    };
    for (const LogicalCase& c : cases) {
        SCOPED_TRACE(c.text);
        field("LDots").SetAsBoolean(true);
        const QString error = errorOf([&] { field("LDots").SetAsString(QString::fromLatin1(c.text)); });
        if (!c.accepted) {
            EXPECT_EQ(error, QStringLiteral("'%1' is not a valid boolean value for field 'LDots'")
                                 .arg(QString::fromLatin1(c.text)));
            EXPECT_TRUE(field("LDots").AsBoolean());
            continue;
        }
        EXPECT_EQ(error, QStringLiteral("(no error)"));
        EXPECT_EQ(field("LDots").IsNull(), !c.stored.has_value());
        EXPECT_EQ(field("LDots").AsBoolean(), c.stored.value_or(false));
        EXPECT_EQ(field("LDots").AsString(), c.stored ? (*c.stored ? "True" : "False") : "");
    }
}

TEST_F(ConversionTest, TextIsCutToTheColumnSizeAndEmptyTextStoresNoValue)
{
    field("Header").SetAsString(QString(60, u'x') + u'y');
    EXPECT_EQ(field("Header").AsString(), QString(50, u'x'));
    field("Header").SetAsString(QString());
    EXPECT_TRUE(field("Header").IsNull());
    field("Header").SetAsString(QStringLiteral("$20"));
    EXPECT_EQ(field("Header").AsInteger(), 32);
    field("Header").SetAsString(QStringLiteral("abc"));
    EXPECT_EQ(errorOf([&] { field("Header").AsInteger(); }),
              QStringLiteral("'abc' is not a valid integer value for field 'Header'"));
}

TEST_F(ConversionTest, NoValueReadsAsEmptyZeroAndFalse)
{
    for (const char* name : {"Header", "Line", "Total"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(field(name).IsNull());
        EXPECT_EQ(field(name).AsString(), QString());
        EXPECT_EQ(field(name).AsInteger(), 0);
        EXPECT_FALSE(field(name).AsBoolean());
    }
    field("Line").SetAsInteger(-42);
    field("Total").SetAsBoolean(false);
    EXPECT_EQ(field("Line").AsString(), QStringLiteral("-42"));
    EXPECT_EQ(field("Total").AsString(), QStringLiteral("False"));
    field("Line").Clear();
    EXPECT_TRUE(field("Line").IsNull());
}

TEST_F(ConversionTest, RangedColumnsRefuseValuesOutsideAtAssignment)
{
    table->Cancel();
    table->SetRange(QStringLiteral("Line"), 1, 9);
    table->SetRange(QStringLiteral("lposition"), 1, 300);
    table->SetDisplayLabel(QStringLiteral("LPosition"), QStringLiteral("Left Margin"));
    addRow(*table, QStringLiteral("Name"), 1, 1);

    struct Case {
        const char* column;
        const char* text;
        const char* error;
    } cases[] = {
        {"Line", "10", "10 is not a valid value for field 'Line'. The allowed range is 1 to 9"},
        {"Line", "0", "0 is not a valid value for field 'Line'. The allowed range is 1 to 9"},
        {"Line", "9", nullptr},
        {"LPosition", "301", "301 is not a valid value for field 'Left Margin'. The allowed range is 1 to 300"},
        {"LPosition", "-$1", "-1 is not a valid value for field 'Left Margin'. The allowed range is 1 to 300"},
        {"LPosition", "300", nullptr},
        {"LPosition", "x", "'x' is not a valid integer value for field 'Left Margin'"},
        {"RPosition", "301", nullptr}, // no range on this cursor
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " " + c.text);
        table->Cancel();
        const QString error = errorOf([&] { field(c.column).SetAsString(QString::fromLatin1(c.text)); });
        EXPECT_EQ(error, c.error ? QString::fromLatin1(c.error) : QStringLiteral("(no error)"));
        EXPECT_EQ(table->State(), c.error ? TableState::Browse : TableState::Edit)
            << "a refused value does not start an edit";
    }
    table->Cancel();
    EXPECT_EQ(errorOf([&] { field("Line").SetAsInteger(12); }),
              QStringLiteral("12 is not a valid value for field 'Line'. The allowed range is 1 to 9"));
}

// Dates, times and timestamps against their encodings worked out apart from the
// program: day 1 is 1 January of the year 1, a time counts milliseconds from
// midnight, a timestamp milliseconds from the start of day 0. The engine reads
// each encoding as its text, and stores each text typed as that encoding.
TEST_F(ConversionTest, DatesTimesAndTimestampsMatchTheirParadoxEncodings)
{
    const QString columns[] = {QStringLiteral("Day"), QStringLiteral("At"), QStringLiteral("Stamp")};
    const struct {
        std::size_t column;
        const char* text;
        px::Value stored;
    } cases[] = {
        {0, "0001-01-01", px::Value::ofDate(1)},
        {0, "1999-12-31", px::Value::ofDate(730119)},
        {0, "2000-02-29", px::Value::ofDate(730179)},
        {1, "00:00:00", px::Value::ofTime(0)},
        {1, "13:45:30", px::Value::ofTime(49530000)},
        {2, "2000-01-01 12:00:00", px::Value::ofTimestamp(730120 * 86400000.0 + 43200000.0)},
        {2, "0001-01-01 00:00:01", px::Value::ofTimestamp(86400000.0 + 1000.0)},
    };
    px::TableDefinition known;
    known.fields = {{columns[0], px::FieldCode::Date, 4}, {columns[1], px::FieldCode::Time, 4},
                    {columns[2], px::FieldCode::Timestamp, 8}};
    std::vector<std::vector<px::Value>> records;
    for (const auto& c : cases) {
        records.emplace_back(3, px::Value::null());
        records.back()[c.column] = c.stored;
    }
    px::writeTable(path(QStringLiteral("KNOWN.DB")), known, records);

    store::Table reading(session());
    reading.SetDatabaseName(QStringLiteral("OMNIV"));
    reading.SetTableName(QStringLiteral("KNOWN"));
    reading.Open();
    store::Table typing(session());
    typing.SetDatabaseName(QStringLiteral("OMNIV"));
    typing.SetTableName(QStringLiteral("TYPED"));
    typing.FieldDefs() = {{columns[0], store::FieldType::ftDate}, {columns[1], store::FieldType::ftTime},
                          {columns[2], store::FieldType::ftDateTime}};
    typing.CreateTable();
    typing.Open();
    reading.First();
    for (const auto& c : cases) {
        EXPECT_EQ(reading.FieldByName(columns[c.column]).AsString(), QString::fromLatin1(c.text));
        reading.Next();
        typing.Insert();
        typing.FieldByName(columns[c.column]).SetAsString(QString::fromLatin1(c.text));
        typing.Post();
    }
    typing.Close();
    const auto typed = px::TableFile::open(path(QStringLiteral("TYPED.DB"))).readRecords();
    ASSERT_EQ(typed.size(), std::size(cases));
    for (std::size_t i = 0; i < typed.size(); ++i)
        EXPECT_TRUE(typed[i][cases[i].column] == cases[i].stored) << cases[i].text;
}

} // namespace
