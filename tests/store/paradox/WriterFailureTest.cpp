#include "tests/store/paradox/PxTestSupport.h"
#include "tests/support/ReplaceSteps.h"

#include <QDir>
#include <QFile>

using namespace px;
using pxtest::fieldOf;

namespace {

struct BadWrite {
    const char* name;
    std::vector<FieldDesc> fields;
    std::vector<Value> record;
    const char* reason;
};

void PrintTo(const BadWrite& c, std::ostream* out)
{
    *out << c.name;
}

const BadWrite badWrites[] = {
    {"ShortOutOfRange", {fieldOf("Small", FieldCode::Short, 2)}, {Value::ofInteger(40000)}, "\"Small\": 40000 is out of range"},
    {"LongMinimumIsNull", {fieldOf("Big", FieldCode::Long, 4)}, {Value::ofInteger(-2147483648LL)}, "out of range"},
    {"TextInANumber", {fieldOf("Amount", FieldCode::Number, 8)}, {Value::ofText("12")}, "does not suit a number field"},
    {"NumberInALogical", {fieldOf("Flag", FieldCode::Logical, 1)}, {Value::ofInteger(1)}, "does not suit a logical field"},
    {"NotFinite", {fieldOf("Amount", FieldCode::Currency, 8)}, {Value::ofFloat(std::numeric_limits<double>::infinity())},
     "not a finite number"},
    {"TimeBeyondMidnight", {fieldOf("At", FieldCode::Time, 4)}, {Value::ofTime(86400000)}, "not a time of day"},
    {"BcdTooManyDigits", {fieldOf("Exact", FieldCode::Bcd, 30)}, {Value::ofFloat(12345.0)}, "too many digits"},
    {"BytesTooLong", {fieldOf("Raw", FieldCode::Bytes, 2)}, {Value::ofBytes("abc")}, "3 bytes do not fit in 2"},
    {"TooFewValues", {fieldOf("A", FieldCode::Alpha, 2), fieldOf("B", FieldCode::Alpha, 2)}, {Value::ofText("x")},
     "record 1 has 1 values for 2 fields"},
    {"AlphaOfSizeZero", {fieldOf("A", FieldCode::Alpha, 0)}, {Value::null()}, "cannot have size 0"},
    {"LongOfSizeTwo", {fieldOf("A", FieldCode::Long, 2)}, {Value::null()}, "cannot have size 2"},
    {"NamelessField", {fieldOf("", FieldCode::Long, 4)}, {Value::null()}, "no usable name"},
    {"NoFields", {}, {}, "1 to 255 fields"},
};

class FailedWrite : public testing::TestWithParam<BadWrite> {};

TEST_P(FailedWrite, ThrowsAndLeavesTheOldTableAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("OLD.DB");
    TableDefinition oldDefinition;
    oldDefinition.fields = {fieldOf("Keep", FieldCode::Alpha, 8), fieldOf("Notes", FieldCode::Memo, 12)};
    const std::vector<std::vector<Value>> oldRecords = {{Value::ofText("old"), Value::ofText(QString(100, QChar('n')))}};
    writeTable(path, oldDefinition, oldRecords);

    TableDefinition definition;
    definition.fields = GetParam().fields;
    const QString text = pxtest::engineErrorOf([&] { writeTable(path, definition, {GetParam().record}); });
    EXPECT_TRUE(text.startsWith("Cannot write table: " + path)) << text.toStdString();
    EXPECT_TRUE(text.contains(GetParam().reason)) << text.toStdString();

    EXPECT_EQ(TableFile::open(path).readRecords(), oldRecords);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(BadInput, FailedWrite, testing::ValuesIn(badWrites),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FailedWriteToDisk, MissingDirectoryGivesAnEngineError)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("nowhere/T.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("A", FieldCode::Alpha, 4)};
    const QString text = pxtest::engineErrorOf([&] { writeTable(path, definition, {{Value::ofText("a")}}); });
    EXPECT_TRUE(text.startsWith("Cannot write table: " + path)) << text.toStdString();
}

TEST(Rewrite, TableWithoutMemoFieldsDropsTheOldMemoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("T.DB");
    TableDefinition withMemo;
    withMemo.fields = {fieldOf("Notes", FieldCode::Memo, 11)};
    writeTable(path, withMemo, {{Value::ofText(QString(50, QChar('m')))}});
    ASSERT_TRUE(QFile::exists(dir.filePath("T.MB")));

    TableDefinition plain;
    plain.fields = {fieldOf("Name", FieldCode::Alpha, 5)};
    writeTable(path, plain, {{Value::ofText("new")}});
    EXPECT_FALSE(QFile::exists(dir.filePath("T.MB")));
    EXPECT_EQ(TableFile::open(path).readRecords(), (std::vector<std::vector<Value>>{{Value::ofText("new")}}));
}

TEST(Rewrite, LowerCaseTableGetsLowerCaseMemoFile)
{
    QTemporaryDir dir;
    TableDefinition definition;
    definition.fields = {fieldOf("Notes", FieldCode::Memo, 11)};
    writeTable(dir.filePath("t.db"), definition, {{Value::ofText(QString(50, QChar('m')))}});
    EXPECT_TRUE(QFile::exists(dir.filePath("t.mb")));
    EXPECT_EQ(TableFile::open(dir.filePath("t.db")).readRecords()[0][0], Value::ofText(QString(50, QChar('m'))));
}

} // namespace

// A table is on disk before it takes its name, and the name after: the memo file
// first, then the table. A table made anew at every start is not waited for.
TEST(Rewrite, ADurableTableIsSyncedBeforeItTakesItsNameAndTheDirectoryAfter)
{
    using enum base::ReplaceStep;
    QTemporaryDir dir;
    TableDefinition definition;
    definition.fields = {fieldOf("Notes", FieldCode::Memo, 11)};
    for (const bool durable : {true, false}) {
        SCOPED_TRACE(durable);
        definition.durable = durable;
        const ReplaceSteps watched;
        writeTable(dir.filePath("T.DB"), definition, {{Value::ofText(QString(50, QChar('m')))}});
        const std::vector<ReplaceSteps::Step> synced{{SyncFile, "T.MB"}, {Rename, "T.MB"}, {SyncDirectory, "T.MB"},
                                                     {SyncFile, "T.DB"}, {Rename, "T.DB"}, {SyncDirectory, "T.DB"}};
        const std::vector<ReplaceSteps::Step> unsynced{{Rename, "T.MB"}, {Rename, "T.DB"}};
        EXPECT_EQ(watched.steps(), durable ? synced : unsynced);
    }
}
