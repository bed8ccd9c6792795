#include "tests/store/paradox/PxTestSupport.h"

#include <QFile>
#include <functional>
#include <sys/stat.h>

using namespace px;
using pxtest::fieldOf;

namespace {

// A valid table of three blocks with memos in its .MB file, then damaged on purpose.
class DamagedTable {
public:
    DamagedTable()
    {
        path = dir.filePath("DAMAGED.DB");
        TableDefinition definition;
        definition.fields = {fieldOf("Id", FieldCode::Long, 4), fieldOf("Name", FieldCode::Alpha, 10),
                       fieldOf("Notes", FieldCode::Memo, 15)};
        std::vector<std::vector<Value>> records;
        for (int i = 0; i < 200; ++i)
            records.push_back({Value::ofInteger(i), Value::ofText("n"), Value::ofText(QString(40 + i, QChar('x')))});
        writeTable(path, definition, records);
        bytes = readAll(path);
    }

    static QByteArray readAll(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeAll(const QString& file, const QByteArray& content)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    int headerSize() const { return quint8(bytes[2]) | (quint8(bytes[3]) << 8); }
    int blockSize() const { return quint8(bytes[5]) * 1024; }
    int blockOffset(int number) const { return headerSize() + (number - 1) * blockSize(); }

    void put16(int offset, int value)
    {
        bytes[offset] = char(value & 0xFF);
        bytes[offset + 1] = char((value >> 8) & 0xFF);
    }
    void put32(int offset, quint32 value)
    {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
    }
    void save() { writeAll(path, bytes); }

    QTemporaryDir dir;
    QString path;
    QByteArray bytes;
};

struct DamageCase {
    const char* name;
    std::function<void(DamagedTable&)> damage;
    const char* reason; // part of the error text
};

void PrintTo(const DamageCase& c, std::ostream* out)
{
    *out << c.name;
}

// Offsets in the header: 0x00 record size, 0x02 header size, 0x04 file type,
// 0x05 block size code, 0x06 record count, 0x0C file blocks, 0x0E first block,
// 0x21 field count, 0x39 file version, 0x78 field descriptors (type, size).
const DamageCase openCases[] = {
    {"EmptyFile", [](DamagedTable& t) { t.bytes.clear(); }, "too short"},
    {"TruncatedHeader", [](DamagedTable& t) { t.bytes.truncate(300); }, "exceeds the file size"},
    {"TruncatedBlocks", [](DamagedTable& t) { t.bytes.chop(100); }, "do not fit"},
    {"NoFields", [](DamagedTable& t) { t.put16(0x21, 0); }, "field count 0"},
    {"AbsurdFieldCount", [](DamagedTable& t) { t.put16(0x21, 30000); }, "field count 30000"},
    {"NegativeFieldCount", [](DamagedTable& t) { t.put16(0x21, 0xFFFF); }, "field count -1"},
    {"SizesNotAddingUp", [](DamagedTable& t) { t.put16(0x00, 30); }, "do not add up to the record size"},
    {"UnknownFieldType", [](DamagedTable& t) { t.bytes[0x78 + 2] = char(0x42); }, "unknown type 66"},
    {"WrongFieldSize", [](DamagedTable& t) { t.bytes[0x78 + 1] = char(3); }, "invalid size 3"},
    {"MemoTooSmall", [](DamagedTable& t) { t.bytes[0x78 + 5] = char(4); }, "invalid size 4"},
    {"UnknownBlockSize", [](DamagedTable& t) { t.bytes[0x05] = char(5); }, "block size code 5"},
    {"IndexFileType", [](DamagedTable& t) { t.bytes[0x04] = char(1); }, "file type 1"},
    {"UnknownVersion", [](DamagedTable& t) { t.bytes[0x39] = char(99); }, "file version 99"},
    {"HugeHeaderSize", [](DamagedTable& t) { t.put16(0x02, 0xFFFF); }, "exceeds the file size"},
    {"TinyHeaderSize", [](DamagedTable& t) { t.put16(0x02, 0x10); }, "too small"},
    {"HeaderEndsBeforeNames", [](DamagedTable& t) { t.put16(0x02, 0x90); }, "past the end of the header"},
    {"FirstBlockOutOfRange", [](DamagedTable& t) { t.put16(0x0E, 40); }, "block numbers beyond"},
    {"MoreBlocksThanTheFile", [](DamagedTable& t) { t.put16(0x0C, 0xFFFF); }, "do not fit"},
    {"AbsurdRecordCount", [](DamagedTable& t) { t.put32(0x06, 0x7FFFFFFF); }, "record count 2147483647"},
    {"RecordWiderThanBlock",
     [](DamagedTable& t) {
         t.bytes[0x05] = char(1);
         t.put16(0x00, 1100);
     },
     "does not fit a block"},
    {"NamesRunPastTheHeader",
     [](DamagedTable& t) {
         const int namesStart = 0x78 + 3 * 2 + 4 + 3 * 4 + 261;
         for (int i = namesStart; i < t.headerSize(); ++i)
             t.bytes[i] = 'A';
     },
     "field name runs past"},
};

const DamageCase readCases[] = {
    {"CyclicChain", [](DamagedTable& t) { t.put16(t.blockOffset(2), 1); }, "returns to block 1"},
    {"SelfLoop", [](DamagedTable& t) { t.put16(t.blockOffset(1), 1); }, "returns to block 1"},
    {"NextBlockOutOfRange", [](DamagedTable& t) { t.put16(t.blockOffset(1), 999); }, "points to block 999"},
    {"BlockClaimsTooManyRecords", [](DamagedTable& t) { t.put16(t.blockOffset(1) + 4, 0x7FF0); }, "claims more records"},
    {"BlockOffsetNotARecord", [](DamagedTable& t) { t.put16(t.blockOffset(1) + 4, 5); }, "claims more records"},
};

class DamagedHeader : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedHeader, OpenFailsNamingTheFile)
{
    DamagedTable table;
    GetParam().damage(table);
    table.save();
    const QString text = pxtest::engineErrorOf([&] { TableFile::open(table.path); });
    EXPECT_TRUE(text.startsWith("Corrupt table header: " + table.path)) << text.toStdString();
    EXPECT_TRUE(text.contains(GetParam().reason)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedHeader, testing::ValuesIn(openCases),
                         [](const auto& info) { return std::string(info.param.name); });

class DamagedBlocks : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedBlocks, ReadingFailsNamingTheFile)
{
    DamagedTable table;
    GetParam().damage(table);
    table.save();
    const TableFile file = TableFile::open(table.path);
    const QString text = pxtest::engineErrorOf([&] { file.readRecords(); });
    EXPECT_TRUE(text.startsWith("Corrupt table: " + table.path)) << text.toStdString();
    EXPECT_TRUE(text.contains(GetParam().reason)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedBlocks, testing::ValuesIn(readCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DamagedTables, MissingTableSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("NOWHERE.DB");
    EXPECT_EQ(pxtest::engineErrorOf([&] { TableFile::open(path); }), "Table does not exist: " + path);
}

TEST(DamagedTables, TableShortenedAfterOpeningFailsToRead)
{
    DamagedTable table;
    const TableFile file = TableFile::open(table.path);
    DamagedTable::writeAll(table.path, table.bytes.left(table.blockOffset(2)));
    const QString text = pxtest::engineErrorOf([&] { file.readRecords(); });
    EXPECT_TRUE(text.startsWith("Corrupt table: " + table.path)) << text.toStdString();
}

TEST(DamagedTables, DamagedMemoFileFailsNamingIt)
{
    DamagedTable table;
    const QString memoPath = table.dir.filePath("DAMAGED.MB");
    const QByteArray memo = DamagedTable::readAll(memoPath);
    ASSERT_GT(memo.size(), 4096);
    struct MemoDamage {
        const char* what;
        QByteArray content;
    };
    const MemoDamage damages[] = {
        {"truncated", memo.left(4096)},
        {"entry table cut off", memo.left(4096 + 14)},
        {"block type", QByteArray(memo).replace(4096, 1, "\x07")},
        {"entry lengths", QByteArray(memo).replace(4096 + 12 + 1, 1, "\x01")},
    };
    for (const MemoDamage& d : damages) {
        SCOPED_TRACE(d.what);
        DamagedTable::writeAll(memoPath, d.content);
        const QString text = pxtest::engineErrorOf([&] { TableFile::open(table.path).readRecords(); });
        EXPECT_TRUE(text.startsWith("Corrupt memo file: " + memoPath)) << text.toStdString();
    }
}

// A pipe in the memo file's place is not waited on: it is no memo file.
TEST(DamagedTables, MissingMemoFileOrAPipeInItsPlaceLeavesMemosNullAndTheRestReadable)
{
    for (const bool pipe : {false, true}) {
        DamagedTable table;
        const QByteArray memo = QFile::encodeName(table.dir.filePath("DAMAGED.MB"));
        ASSERT_TRUE(QFile::remove(QFile::decodeName(memo)));
        if (pipe) {
            ASSERT_EQ(::mkfifo(memo.constData(), 0644), 0);
        }
        const auto records = TableFile::open(table.path).readRecords();
        ASSERT_EQ(records.size(), 200u);
        EXPECT_EQ(records[7][0], Value::ofInteger(7));
        EXPECT_EQ(records[7][2], Value::null()) << pipe;
    }
}

} // namespace

namespace {

// A header claiming two thousand million records over a sparse file of 2 GB
// that holds one: memory follows the records read, not the claim.
TEST(Bounds, AHeaderClaimingBillionsOfRecordsCostsOnlyTheRecordsRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("CLAIM.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("Flag", FieldCode::Logical, 1)};
    writeTable(path, definition, {{Value::ofBoolean(true)}});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray header = file.read(4);
    const int headerSize = quint8(header[2]) | (quint8(header[3]) << 8);
    const auto put = [&file](qint64 offset, quint32 value, int size) {
        QByteArray bytes;
        for (int i = 0; i < size; ++i)
            bytes += char((value >> (8 * i)) & 0xFF);
        file.seek(offset);
        file.write(bytes);
    };
    put(0x05, 32, 1);                       // blocks of 32 KB
    put(0x06, 65535u * (32768 - 6), 4);     // the records that many blocks hold
    put(0x0C, 65535, 2);                    // blocks in the file
    ASSERT_TRUE(file.resize(headerSize + 65535LL * 32768));
    file.close();
    EXPECT_EQ(TableFile::open(path).readRecords(), (std::vector<std::vector<Value>>{{Value::ofBoolean(true)}}));
}

} // namespace
