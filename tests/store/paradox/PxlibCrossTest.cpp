// Cross-checks with pxlib, an independent reader and writer of Paradox tables.
// pxlib reads a null long, date or time as -2147483648 and a null number as 0
// rather than as null, gives a null autoincrement field the next counter value
// when writing, and aborts on memo files whose size is a multiple of 4 KB (every
// real one), so the tables pxlib reads here have no memo fields.
#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "tests/store/paradox/PxTestSupport.h"
#include "tests/support/TempAlias.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
extern "C" {
#include <paradox.h>
}

using namespace px;
using pxtest::fieldOf;

namespace {

constexpr long PxlibNullLong = -2147483647L - 1;

void quietErrors(pxdoc_t*, int, const char*, void*) {}

// One pxlib document, closed and deleted at the end of the scope.
class PxlibDoc {
public:
    PxlibDoc() : doc_(PX_new2(quietErrors, nullptr, nullptr, nullptr)) {}
    ~PxlibDoc()
    {
        PX_close(doc_);
        PX_delete(doc_);
    }
    pxdoc_t* get() const { return doc_; }

    pxval_t* value() const
    {
        pxval_t* v;
        MAKE_PXVAL(doc_, v);
        return v;
    }
    pxval_t* nullValue(int type) const
    {
        pxval_t* v = value();
        v->isnull = 1;
        v->type = type;
        return v;
    }
    pxval_t* longValue(int type, long l) const
    {
        pxval_t* v = value();
        v->type = type;
        v->value.lval = l;
        return v;
    }
    pxval_t* doubleValue(int type, double d) const
    {
        pxval_t* v = value();
        v->type = type;
        v->value.dval = d;
        return v;
    }
    pxval_t* stringValue(int type, const char* s, int length) const
    {
        pxval_t* v = value();
        v->type = type;
        v->value.str.val = static_cast<char*>(doc_->malloc(doc_, length + 1, "test string"));
        std::memcpy(v->value.str.val, s, length);
        v->value.str.val[length] = 0;
        v->value.str.len = length;
        return v;
    }

private:
    pxdoc_t* doc_;
};

pxfield_t* pxlibFields(std::initializer_list<std::tuple<const char*, int, int>> list)
{
    auto* fields = static_cast<pxfield_t*>(std::calloc(list.size(), sizeof(pxfield_t)));
    int i = 0;
    for (const auto& [name, type, size] : list) {
        fields[i].px_fname = strdup(name);
        fields[i].px_ftype = char(type);
        fields[i].px_flen = type == pxfBCD ? 17 : size;
        fields[i].px_fdc = type == pxfBCD ? size : 0;
        ++i;
    }
    return fields;
}

// Writes a table of every fixed-size field type with pxlib, one row per call of addRow.
struct PxlibTable {
    static constexpr int FieldCount = 12;

    PxlibTable(const QString& path, const char* password)
    {
        pxfield_t* fields = pxlibFields({{"Name", pxfAlpha, 20}, {"Small", pxfShort, 2}, {"Big", pxfLong, 4},
                                         {"Amount", pxfNumber, 8}, {"Price", pxfCurrency, 8}, {"Flag", pxfLogical, 1},
                                         {"Day", pxfDate, 4}, {"At", pxfTime, 4}, {"Stamp", pxfTimestamp, 8},
                                         {"Serial", pxfAutoInc, 4}, {"Exact", pxfBCD, 2}, {"Raw", pxfBytes, 3}});
        ok = PX_create_file(doc.get(), fields, FieldCount, path.toLocal8Bit().constData(), pxfFileTypNonIndexDB) == 0;
        if (ok && password)
            ok = PX_set_parameter(doc.get(), "password", password) == 0;
    }

    void addRow(int i)
    {
        pxval_t** row = static_cast<pxval_t**>(std::malloc(FieldCount * sizeof(pxval_t*)));
        if (i % 5 == 4) {
            const int types[FieldCount] = {pxfAlpha, pxfShort, pxfLong, pxfNumber, pxfCurrency, pxfLogical,
                                           pxfDate, pxfTime, pxfTimestamp, pxfAutoInc, pxfBCD, pxfBytes};
            for (int f = 0; f < FieldCount; ++f)
                row[f] = types[f] == pxfAutoInc ? doc.longValue(pxfAutoInc, i + 1) : doc.nullValue(types[f]);
        } else {
            const QByteArray name = "M\xFCller " + QByteArray::number(i); // Windows-1252 u-umlaut
            const QByteArray exact = QByteArray::number(i) + ".25";
            row[0] = doc.stringValue(pxfAlpha, name.constData(), int(name.size()));
            row[1] = doc.longValue(pxfShort, -i);
            row[2] = doc.longValue(pxfLong, 100000L * i);
            row[3] = doc.doubleValue(pxfNumber, i / 4.0);
            row[4] = doc.doubleValue(pxfCurrency, -12.5 * i);
            row[5] = doc.longValue(pxfLogical, i % 2);
            row[6] = PX_make_date(doc.get(), 2000 + i % 30, 1 + i % 12, 1 + i % 28);
            row[7] = PX_make_time(doc.get(), i % 24, 30, 15);
            row[8] = PX_make_timestamp(doc.get(), 2021, 3, 4, 5, 6, 7);
            row[9] = doc.longValue(pxfAutoInc, i + 1);
            row[10] = doc.stringValue(pxfBCD, exact.constData(), int(exact.size()));
            row[11] = doc.stringValue(pxfBytes, "\x01\x02\x03", 3);
        }
        if (PX_insert_record(doc.get(), row) < 0)
            ok = false;
        for (int f = 0; f < FieldCount; ++f) {
            if (row[f]->type == pxfAlpha || row[f]->type == pxfBCD || row[f]->type == pxfBytes)
                doc.get()->free(doc.get(), row[f]->value.str.val);
            FREE_PXVAL(doc.get(), row[f]);
        }
        std::free(row);
    }

    PxlibDoc doc;
    bool ok = false;
};

// The values pxlib was given for row i, as our reader must report them.
std::vector<Value> expectedRow(int i)
{
    if (i % 5 == 4) {
        std::vector<Value> nulls(PxlibTable::FieldCount, Value::null());
        nulls[9] = Value::ofInteger(i + 1);
        return nulls;
    }
    return {Value::ofText(QString::fromUtf8("Müller ") + QString::number(i)),
            Value::ofInteger(-i),
            Value::ofInteger(100000LL * i),
            Value::ofFloat(i / 4.0),
            Value::ofFloat(-12.5 * i),
            Value::ofBoolean(i % 2),
            Value::ofDate(pxtest::paradoxDay(2000 + i % 30, 1 + i % 12, 1 + i % 28)),
            Value::ofTime(pxtest::msOfDay(i % 24, 30, 15)),
            Value::ofTimestamp(pxtest::paradoxTimestamp(2021, 3, 4, 5, 6, 7)),
            Value::ofInteger(i + 1),
            Value::ofFloat(i + 0.25),
            Value::ofBytes(QByteArray("\x01\x02\x03", 3))};
}

class PxlibWritten : public testing::TestWithParam<const char*> {};

TEST_P(PxlibWritten, TableReadsWithTheValuesPxlibWasGiven)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("PXLIB.DB");
    const int rows = 120; // several blocks
    {
        PxlibTable table(path, GetParam());
        ASSERT_TRUE(table.ok);
        for (int i = 0; i < rows; ++i)
            table.addRow(i);
        ASSERT_TRUE(table.ok);
    }
    const TableFile table = TableFile::open(path);
    EXPECT_EQ(table.header().encryption != 0, GetParam() != nullptr);
    EXPECT_GT(table.header().fileBlocks, 1);
    ASSERT_EQ(table.header().fields.size(), std::size_t(PxlibTable::FieldCount));
    EXPECT_EQ(table.header().fields[10].code, FieldCode::Bcd);
    EXPECT_EQ(table.header().fields[10].size, 2);
    const auto records = table.readRecords();
    ASSERT_EQ(records.size(), std::size_t(rows));
    for (int i = 0; i < rows; ++i)
        EXPECT_EQ(records[i], expectedRow(i)) << "row " << i;
}

INSTANTIATE_TEST_SUITE_P(PlainAndProtected, PxlibWritten, testing::Values(nullptr, "s3cret!"),
                         [](const auto& info) { return std::string(info.param ? "Protected" : "Plain"); });

TEST(PxlibReads, TableWeWriteReadsRightWithPxlib)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("OURS.DB");
    TableDefinition definition;
    definition.fields = {fieldOf("Name", FieldCode::Alpha, 15), fieldOf("Small", FieldCode::Short, 2),
                   fieldOf("Big", FieldCode::Long, 4), fieldOf("Amount", FieldCode::Number, 8),
                   fieldOf("Price", FieldCode::Currency, 8), fieldOf("Flag", FieldCode::Logical, 1),
                   fieldOf("Day", FieldCode::Date, 4), fieldOf("At", FieldCode::Time, 4),
                   fieldOf("Stamp", FieldCode::Timestamp, 8), fieldOf("Exact", FieldCode::Bcd, 3)};
    definition.keyFieldCount = 1;
    std::vector<std::vector<Value>> records;
    for (int i = 0; i < 300; ++i)
        records.push_back({Value::ofText(QString::fromUtf8("Zoë %1").arg(i, 4, 10, QChar('0'))), Value::ofInteger(i - 150),
                           Value::ofInteger(-7 * i), Value::ofFloat(i * 1.5), Value::ofFloat(-0.25 * i),
                           Value::ofBoolean(i % 3 == 0), Value::ofDate(pxtest::paradoxDay(1990, 1 + i % 12, 1 + i % 28)),
                           Value::ofTime(pxtest::msOfDay(i % 24, i % 60, 0)),
                           Value::ofTimestamp(pxtest::paradoxTimestamp(2001, 2, 3, 4, 5, 6)), Value::ofFloat(i + 0.125)});
    records.push_back(std::vector<Value>(definition.fields.size(), Value::null()));
    writeTable(path, definition, records);

    PxlibDoc doc;
    ASSERT_EQ(PX_open_file(doc.get(), path.toLocal8Bit().constData()), 0);
    ASSERT_EQ(PX_get_num_fields(doc.get()), 10);
    ASSERT_EQ(PX_get_num_records(doc.get()), 301);
    pxfield_t* fields = PX_get_fields(doc.get());
    for (int f = 0; f < 10; ++f) {
        EXPECT_STREQ(fields[f].px_fname, definition.fields[f].name.toLatin1().constData());
        EXPECT_EQ(fields[f].px_ftype, char(definition.fields[f].code));
    }
    EXPECT_EQ(doc.get()->px_head->px_doscodepage, 1252);
    EXPECT_EQ(doc.get()->px_head->px_primarykeyfields, 1);
    for (int i = 0; i < 301; ++i) {
        pxval_t** row = PX_retrieve_record(doc.get(), i);
        ASSERT_NE(row, nullptr) << "row " << i;
        if (i < 300) {
            const QByteArray name = QString::fromUtf8("Zoë %1").arg(i, 4, 10, QChar('0')).toLatin1();
            EXPECT_EQ(QByteArray(row[0]->value.str.val), name);
            if (i != 150) { // a short 0 and null are the same to pxlib
                EXPECT_EQ(row[1]->value.lval, i - 150);
            }
            EXPECT_EQ(row[2]->value.lval, -7 * i);
            EXPECT_EQ(row[3]->value.dval, i * 1.5);
            EXPECT_EQ(row[4]->value.dval, -0.25 * i);
            EXPECT_EQ(row[5]->value.lval, i % 3 == 0 ? 1 : 0);
            EXPECT_EQ(row[6]->value.lval, PX_GregorianToSdn(1990, 1 + i % 12, 1 + i % 28) - 1721425);
            EXPECT_EQ(row[7]->value.lval, pxtest::msOfDay(i % 24, i % 60, 0));
            EXPECT_EQ(row[8]->value.dval, pxtest::paradoxTimestamp(2001, 2, 3, 4, 5, 6));
            const QByteArray exact = QByteArray(row[9]->value.str.val).replace(',', '.');
            EXPECT_DOUBLE_EQ(exact.toDouble(), i + 0.125);
        } else {
            EXPECT_TRUE(row[0]->isnull);
            EXPECT_TRUE(row[2]->isnull || row[2]->value.lval == PxlibNullLong);
            EXPECT_TRUE(row[3]->isnull || row[3]->value.dval == 0.0);
            EXPECT_TRUE(row[6]->isnull || row[6]->value.lval == PxlibNullLong);
            EXPECT_TRUE(row[9]->isnull);
        }
        for (int f = 0; f < 10; ++f) {
            if (!row[f]->isnull && (row[f]->type == pxfAlpha || row[f]->type == pxfBCD))
                doc.get()->free(doc.get(), row[f]->value.str.val);
            FREE_PXVAL(doc.get(), row[f]);
        }
        doc.get()->free(doc.get(), row);
    }
}

TEST(PxlibReads, WorkingTableAsTheEngineWritesItReadsRightWithPxlib)
{
    TempAlias alias(TempAlias::Content::Empty);
    store::Table table(alias.session());
    store::RecreateWorkingTable(table, QStringLiteral("OMNIV"));
    table.SetExclusive(true);
    table.Open();
    const struct {
        const char* field;
        int order, line, left, right;
        bool total;
    } rows[] = {{"LastName", 2, 1, 26, 50, false}, {"CustomID", 1, 1, 1, 25, false}, {"Money1", 3, 2, 1, 20, true}};
    for (const auto& r : rows) {
        table.Insert();
        table.FieldByName("Field").SetAsString(r.field);
        table.FieldByName("Order").SetAsInteger(r.order);
        table.FieldByName("Header").SetAsString(r.field);
        for (const char* flag : {"LDots", "RDots", "Total", "Count", "Average", "Min", "Max"})
            table.FieldByName(flag).SetAsBoolean(false);
        table.FieldByName("Total").SetAsBoolean(r.total);
        table.FieldByName("DbType").SetAsInteger(0);
        table.FieldByName("Line").SetAsInteger(r.line);
        table.FieldByName("LPosition").SetAsInteger(r.left);
        table.FieldByName("RPosition").SetAsInteger(r.right);
        table.Post();
    }
    table.Close();

    PxlibDoc doc;
    ASSERT_EQ(PX_open_file(doc.get(), alias.path("TRDATA.DB").toLocal8Bit().constData()), 0);
    const struct {
        const char* name;
        char type;
    } columns[] = {{"Field", pxfAlpha},     {"Order", pxfLong},   {"Header", pxfAlpha},  {"LDots", pxfLogical},
                   {"RDots", pxfLogical},   {"Total", pxfLogical}, {"Count", pxfLogical}, {"Average", pxfLogical},
                   {"Min", pxfLogical},     {"Max", pxfLogical},   {"DbType", pxfLong},   {"Line", pxfLong},
                   {"LPosition", pxfLong},  {"RPosition", pxfLong}};
    ASSERT_EQ(PX_get_num_fields(doc.get()), 14);
    pxfield_t* fields = PX_get_fields(doc.get());
    for (int f = 0; f < 14; ++f) {
        EXPECT_STREQ(fields[f].px_fname, columns[f].name);
        EXPECT_EQ(fields[f].px_ftype, columns[f].type) << columns[f].name;
    }
    EXPECT_EQ(fields[0].px_flen, 50);
    ASSERT_EQ(PX_get_num_records(doc.get()), 3);
    // Records stand in key order: CustomID, LastName, Money1.
    const int inKeyOrder[] = {1, 0, 2};
    for (int i = 0; i < 3; ++i) {
        const auto& r = rows[inKeyOrder[i]];
        pxval_t** row = PX_retrieve_record(doc.get(), i);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row[0]->value.str.val, r.field);
        EXPECT_EQ(row[1]->value.lval, r.order);
        EXPECT_EQ(row[5]->value.lval, r.total ? 1 : 0);
        EXPECT_EQ(row[11]->value.lval, r.line);
        EXPECT_EQ(row[12]->value.lval, r.left);
        EXPECT_EQ(row[13]->value.lval, r.right);
        for (int f = 0; f < 14; ++f) {
            if (!row[f]->isnull && row[f]->type == pxfAlpha)
                doc.get()->free(doc.get(), row[f]->value.str.val);
            FREE_PXVAL(doc.get(), row[f]);
        }
        doc.get()->free(doc.get(), row);
    }
}

} // namespace
