// Tables of many records: the block size they need and the streaming writer.
#include "store/paradox/PxHeaderWriter.h"
#include "tests/store/paradox/PxTestSupport.h"

#include <QDir>

using namespace px;
using pxtest::fieldOf;

namespace {

struct BlockSizeCase {
    const char* name;
    int recordSize;
    std::int64_t records;
    int blockSize; // 0: no block size fits
};

void PrintTo(const BlockSizeCase& c, std::ostream* out)
{
    *out << c.name;
}

// A block holds (block size - 6) / record size records; a table has at most 65,535 blocks.
const BlockSizeCase blockSizeCases[] = {
    {"EmptyNarrowTable", 100, 0, 2048},
    {"NarrowRecord", 300, 1, 2048},
    {"WideRecordStartsAt4KB", 301, 1, 4096},
    {"RecordOverOneKilobyte", 4091, 1, 8192},
    {"WidestRecord", 32762, 1, 32768},
    {"TooWide", 32763, 1, 0},
    {"Full2KBTable", 300, 65535 * 6, 2048},
    {"OneMoreNeeds4KB", 300, 65535 * 6 + 1, 4096},
    {"Full4KBTable", 960, 65535 * 4, 4096},
    {"OneMoreNeeds8KB", 960, 65535 * 4 + 1, 8192},
    {"MillionContacts", 960, 1000000, 16384}, // 8 KB: 8 a block, 524,280 at most; 16 KB: 17 a block
    {"Full32KBTable", 960, 65535 * 34, 32768},
    {"TooManyRecords", 960, 65535 * 34 + 1, 0},
};

class BlockSize : public testing::TestWithParam<BlockSizeCase> {};

TEST_P(BlockSize, IsTheSmallestThatHoldsTheRecordsInAtMost65535Blocks)
{
    EXPECT_EQ(blockSizeFor(GetParam().recordSize, GetParam().records), GetParam().blockSize);
}

INSTANTIATE_TEST_SUITE_P(Tables, BlockSize, testing::ValuesIn(blockSizeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TableDefinition numberedDefinition(int textSize)
{
    TableDefinition definition;
    definition.fields = {fieldOf("N", FieldCode::Long, 4), fieldOf("Text", FieldCode::Alpha, textSize),
                   fieldOf("Notes", FieldCode::Memo, 20)};
    return definition;
}

// Memo values of every kind in turn: kept in the record, packed with others, in a block of their own.
Value memoFor(std::int64_t i)
{
    static const int lengths[] = {5, 100, 3000, 40, 700, 2049, 16};
    return Value::ofText(QString(lengths[i % 7], QChar(u'a' + int(i % 26))));
}

std::vector<Value> numbered(std::int64_t i)
{
    return {Value::ofInteger(i), Value::ofText(QString::number(i * 7)), memoFor(i)};
}

TEST(StreamedTable, AsksForEachRecordOnceInOrderAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("STREAM.DB");
    constexpr std::int64_t Count = 1500;
    std::int64_t expected = 0;
    writeTable(path, numberedDefinition(30), Count, [&](std::int64_t i) {
        EXPECT_EQ(i, expected++);
        return numbered(i);
    });
    EXPECT_EQ(expected, Count);

    const TableFile table = TableFile::open(path);
    EXPECT_EQ(table.header().recordCount, Count);
    const auto read = table.readRecords();
    ASSERT_EQ(read.size(), std::size_t(Count));
    for (std::int64_t i = 0; i < Count; ++i)
        ASSERT_EQ(read[std::size_t(i)], numbered(i)) << "record " << i + 1;
}

TEST(StreamedTable, MoreRecordsThan65535SmallBlocksHoldGetLargerBlocks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("BIG.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("N", FieldCode::Long, 4), fieldOf("Text", FieldCode::Alpha, 255),
                   fieldOf("More", FieldCode::Alpha, 41)}; // 300 bytes: 6 records a 2 KB block
    constexpr std::int64_t Count = 65535 * 6 + 1;
    writeTable(path, definition, Count, [](std::int64_t i) {
        return std::vector<Value>{Value::ofInteger(i), Value::null(), Value::null()};
    });

    const TableFile table = TableFile::open(path);
    EXPECT_EQ(table.header().blockSize, 4096);
    EXPECT_EQ(table.header().recordCount, Count);
    EXPECT_EQ(table.header().fileBlocks, (Count + 12) / 13); // 13 records a 4 KB block
    const auto read = table.readRecords();
    ASSERT_EQ(read.size(), std::size_t(Count));
    EXPECT_EQ(read.front()[0], Value::ofInteger(0));
    EXPECT_EQ(read.back()[0], Value::ofInteger(Count - 1));
}

TEST(StreamedTable, TooManyRecordsFailBeforeAnyIsAskedForAndKeepTheOldTable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("FULL.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("Text", FieldCode::Alpha, 255), fieldOf("More", FieldCode::Alpha, 255),
                   fieldOf("Rest", FieldCode::Alpha, 255), fieldOf("Last", FieldCode::Alpha, 255)};
    writeTable(path, definition, {{Value::ofText("old"), Value::null(), Value::null(), Value::null()}});

    bool asked = false;
    const QString text = pxtest::engineErrorOf([&] {
        writeTable(path, definition, 65535 * 32 + 1, [&](std::int64_t) { // 1,020 bytes: 32 records a 32 KB block
            asked = true;
            return std::vector<Value>(4);
        });
    });
    EXPECT_EQ(text, "Cannot write table: " + path + " (2097121 records are too many for one table)");
    EXPECT_FALSE(asked);
    EXPECT_EQ(TableFile::open(path).readRecords()[0][0], Value::ofText("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"FULL.DB"});
}

TEST(StreamedTable, FailureHalfwayLeavesNeitherFileNorTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("HALF.DB");
    const QString text = pxtest::engineErrorOf([&] {
        writeTable(path, numberedDefinition(10), 1000, [](std::int64_t i) {
            return i < 600 ? numbered(i) : std::vector<Value>{Value::ofText("not a number"), Value::null(), Value::null()};
        });
    });
    EXPECT_TRUE(text.contains("record 601, field \"N\"")) << text.toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
