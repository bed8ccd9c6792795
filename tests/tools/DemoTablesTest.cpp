#include "base/EngineError.h"
#include "store/paradox/PxHeaderLayout.h"
#include "tests/support/QtPrinting.h"
#include "tests/tools/DemoDirectory.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using px::FieldCode;
using px::Value;

namespace {

constexpr int Contacts = 250;

struct FieldExpectation {
    const char* name;
    FieldCode code;
};

// Paradox day numbers (1 January of the year 1 is day 1).
constexpr qint64 Day1940_01_01 = 708205;
constexpr qint64 Day2000_01_01 = 730120;
constexpr qint64 Day2022_01_03 = 738158;
constexpr qint64 Day2024_01_02 = 738887;
constexpr qint64 Day2024_06_30 = 739067;
constexpr qint64 Day2025_01_31 = 739282;

class DemoTables : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        try {
            demoDir = new DemoDirectory({Contacts, true});
        } catch (const base::EngineError& e) {
            setUpError = e.text();
        }
    }
    static void TearDownTestSuite() { delete demoDir; }
    void SetUp() override
    {
        if (!demoDir)
            FAIL() << "makeDemoData failed: " << setUpError.toStdString();
    }

    static px::TableFile table(const char* name) { return px::TableFile::open(demoDir->path(QString::fromLatin1(name))); }

    static void expectFields(const px::Header& header, const std::vector<FieldExpectation>& expected)
    {
        ASSERT_EQ(header.fields.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(header.fields[i].name, QString::fromLatin1(expected[i].name)) << "field " << i;
            EXPECT_EQ(header.fields[i].code, expected[i].code) << expected[i].name;
        }
    }

    static inline DemoDirectory* demoDir = nullptr;
    static inline QString setUpError;
};

TEST_F(DemoTables, ContactTableHasTheContactFieldsThenTheThirtyUserFields)
{
    std::vector<FieldExpectation> expected = {
        {"CustomID", FieldCode::Alpha}, {"ContactID", FieldCode::Long}, {"Salutation", FieldCode::Alpha},
        {"FirstName", FieldCode::Alpha}, {"LastName", FieldCode::Alpha}, {"Title", FieldCode::Alpha},
        {"Company", FieldCode::Alpha}, {"Department", FieldCode::Alpha}, {"Address1", FieldCode::Alpha},
        {"Address2", FieldCode::Alpha}, {"City", FieldCode::Alpha}, {"State", FieldCode::Alpha},
        {"ZipCode", FieldCode::Alpha}, {"Country", FieldCode::Alpha}, {"HomePhone", FieldCode::Alpha},
        {"WorkPhone", FieldCode::Alpha}, {"FaxPhone", FieldCode::Alpha}, {"MobilePhone", FieldCode::Alpha},
        {"Email", FieldCode::Alpha}, {"Birthday", FieldCode::Date}, {"Anniversary", FieldCode::Date},
        {"LastContact", FieldCode::Timestamp}, {"Active", FieldCode::Logical}, {"Children", FieldCode::Short},
        {"Rating", FieldCode::Short}, {"Visits", FieldCode::Long}, {"Memo", FieldCode::Memo},
    };
    const char* names[] = {"User1", "User2", "User3", "User4", "User5", "User6", "User7", "User8", "User9", "User10",
                           "Date1", "Date2", "Date3", "Date4", "Date5", "Date6", "Date7", "Date8", "Date9", "Date10",
                           "Num1", "Num2", "Num3", "Num4", "Num5", "Money1", "Money2", "Money3", "Money4", "Money5"};
    for (int i = 0; i < 30; ++i)
        expected.push_back({names[i], i < 10 ? FieldCode::Alpha : i < 20 ? FieldCode::Date
                                      : i < 25 ? FieldCode::Number : FieldCode::Currency});
    const px::TableFile contacts = table("CONTACT.DB");
    expectFields(contacts.header(), expected);
    EXPECT_EQ(contacts.header().codePage, 1252);
    EXPECT_EQ(contacts.header().fields[0].size, 10);
}

TEST_F(DemoTables, ContactRecordsArePlausibleNumberedAndSometimesEmpty)
{
    const QStringList names = demoDir->fieldNames(QStringLiteral("CONTACT.DB"));
    const auto records = table("CONTACT.DB").readRecords();
    ASSERT_EQ(records.size(), std::size_t(Contacts));
    const QRegularExpression customId(QStringLiteral("^[A-Z]{3}[0-9]{7}$"));
    const QRegularExpression state(QStringLiteral("^[A-Z]{2}$"));
    const QRegularExpression zip(QStringLiteral("^[0-9]{5}$"));
    const QRegularExpression accents(QString::fromUtf8("[éëçü]"));
    int nullFaxes = 0, longMemos = 0, accented = 0;
    QSet<bool> activeValues;
    for (int i = 0; i < Contacts; ++i) {
        SCOPED_TRACE(i);
        const auto value = [&](const char* name) { return records[std::size_t(i)][std::size_t(names.indexOf(QLatin1String(name)))]; };
        EXPECT_EQ(value("ContactID"), Value::ofInteger(i + 1));
        const QString id = value("CustomID").text;
        EXPECT_TRUE(customId.match(id).hasMatch()) << id.toStdString();
        EXPECT_EQ(id.mid(3), QString::asprintf("%07d", i + 1));
        EXPECT_FALSE(value("LastName").text.isEmpty());
        EXPECT_TRUE(state.match(value("State").text).hasMatch());
        EXPECT_TRUE(zip.match(value("ZipCode").text).hasMatch());
        EXPECT_EQ(value("Country").text, QStringLiteral("USA"));
        if (const Value birthday = value("Birthday"); !birthday.isNull()) {
            EXPECT_GE(birthday.integer, Day1940_01_01);
            EXPECT_LT(birthday.integer, Day2000_01_01);
        }
        if (const Value lastContact = value("LastContact"); !lastContact.isNull()) {
            EXPECT_GE(lastContact.real / 86400000.0, double(Day2022_01_03));
            EXPECT_LT(lastContact.real / 86400000.0, double(Day2025_01_31));
        }
        if (const Value sales = value("Money1"); !sales.isNull()) {
            EXPECT_DOUBLE_EQ(sales.real * 100.0, std::round(sales.real * 100.0)) << "not whole cents";
        }
        nullFaxes += value("FaxPhone").isNull();
        longMemos += value("Memo").text.size() > 40;
        if (const Value active = value("Active"); !active.isNull())
            activeValues.insert(active.boolean);
        accented += value("FirstName").text.contains(accents) || value("LastName").text.contains(accents);
    }
    EXPECT_GT(nullFaxes, 0);
    EXPECT_GT(longMemos, 0) << "no memo reaches the .MB file";
    EXPECT_EQ(activeValues.size(), 2);
    EXPECT_GT(accented, 0) << "Windows-1252 letters beyond ASCII do not come back";
}

TEST_F(DemoTables, EventTableHasEveryFieldTheEventCategoriesOffer)
{
    const std::vector<FieldExpectation> offered = {
        {"EventDate", FieldCode::Date}, {"EventTime", FieldCode::Time}, {"Type", FieldCode::Alpha},
        {"Summary", FieldCode::Alpha}, {"Elapsed", FieldCode::Time}, {"Status", FieldCode::Alpha},
        {"Duration", FieldCode::Long}, {"Memo", FieldCode::Memo}, {"Completed", FieldCode::Logical},
        {"AlarmTime", FieldCode::Time}, {"AlarmLead", FieldCode::Short}, {"TemplateName", FieldCode::Alpha},
        {"Where", FieldCode::Alpha}, {"CustomID", FieldCode::Alpha},
    };
    const px::Header header = table("EVENT.DB").header();
    for (const FieldExpectation& want : offered) {
        const auto found = std::find_if(header.fields.begin(), header.fields.end(),
                                        [&](const px::FieldDesc& f) { return f.name == QLatin1String(want.name); });
        ASSERT_NE(found, header.fields.end()) << want.name;
        EXPECT_EQ(found->code, want.code) << want.name;
    }
}

TEST_F(DemoTables, EventsBelongToDemoContactsAndComeInDateOrder)
{
    QSet<QString> customIds;
    for (const auto& contact : table("CONTACT.DB").readRecords())
        customIds.insert(contact[0].text);
    const px::TableFile events = table("EVENT.DB");
    const QStringList names = demoDir->fieldNames(QStringLiteral("EVENT.DB"));
    const auto column = [&](const char* name) { return std::size_t(names.indexOf(QLatin1String(name))); };
    const auto records = events.readRecords();
    ASSERT_GE(records.size(), 24u);
    ASSERT_LE(records.size(), 60u);
    const QSet<QString> types = {"Call", "Letter", "Meeting", "To-do", "Note"};
    qint64 previousDay = 0;
    int memos = 0;
    for (const auto& r : records) {
        EXPECT_TRUE(customIds.contains(r[column("CustomID")].text)) << r[column("CustomID")].text.toStdString();
        EXPECT_TRUE(types.contains(r[column("Type")].text));
        const qint64 day = r[column("EventDate")].integer;
        EXPECT_GE(day, std::max(previousDay, Day2024_01_02));
        EXPECT_LE(day, Day2024_06_30);
        previousDay = day;
        memos += !r[column("Memo")].text.isEmpty();
    }
    EXPECT_GT(memos, 0);
}

TEST_F(DemoTables, DatabaseTableLabelsTheThirtyUserFieldsOfThreeDatabases)
{
    QStringList expected = {QStringLiteral("DB")};
    for (const auto& [prefix, count] : {std::pair{"User", 10}, {"Date", 10}, {"Num", 5}, {"Money", 5}})
        for (int i = 1; i <= count; ++i)
            expected << QLatin1String(prefix) + QString::number(i);
    const px::TableFile database = table("DATABASE.DB");
    EXPECT_EQ(demoDir->fieldNames(QStringLiteral("DATABASE.DB")), expected);
    for (const px::FieldDesc& field : database.header().fields)
        EXPECT_EQ(field.code, FieldCode::Alpha) << field.name.toStdString();
    const auto records = database.readRecords();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0][0].text, QStringLiteral("OMNIV"));
    EXPECT_EQ(records[1][0].text, QStringLiteral("SALES"));
    EXPECT_EQ(records[2][0].text, QStringLiteral("CLUB"));
    EXPECT_EQ(records[0][1].text, QStringLiteral("Spouse"));
    EXPECT_TRUE(records[0][10].isNull()) << "User10 of OMNIV has no label";
}

TEST(DemoData, WithoutContactsTheEventsBelongToNobodyAndNoReportIsWritten)
{
    const DemoDirectory dir({0, false});
    EXPECT_EQ(px::TableFile::open(dir.path(QStringLiteral("CONTACT.DB"))).readRecords().size(), 0u);
    const auto events = px::TableFile::open(dir.path(QStringLiteral("EVENT.DB"))).readRecords();
    ASSERT_FALSE(events.empty());
    const auto customId = std::size_t(dir.fieldNames(QStringLiteral("EVENT.DB")).indexOf(QStringLiteral("CustomID")));
    for (const auto& r : events)
        EXPECT_TRUE(r[customId].isNull());
    EXPECT_TRUE(QDir(dir.directory()).entryList({QStringLiteral("*.rpt")}, QDir::Files).isEmpty());
}

TEST(DemoData, TwoRunsWriteTheSameBytes)
{
    const DemoDirectory first({120, true});
    const DemoDirectory second({120, true});
    const QStringList files = QDir(first.directory()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, QDir(second.directory()).entryList(QDir::Files, QDir::Name));
    EXPECT_TRUE(files.contains(QStringLiteral("CONTACT.MB"), Qt::CaseInsensitive));
    for (const QString& name : files) {
        QFile a(first.path(name)), b(second.path(name));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << name.toStdString();
        QByteArray bytesA = a.readAll(), bytesB = b.readAll();
        if (name.endsWith(QLatin1String(".DB"), Qt::CaseInsensitive) && bytesA.size() > px::layout::UpdateTime + 4) {
            // A table header stamps the second it was written; the runs may fall in two.
            bytesA.replace(px::layout::UpdateTime, 4, QByteArray(4, '\0'));
            bytesB.replace(px::layout::UpdateTime, 4, QByteArray(4, '\0'));
        }
        EXPECT_TRUE(bytesA == bytesB) << name.toStdString() << " differs";
    }
}

TEST(DemoData, RefusesADirectoryItCannotWriteAndABadContactCount)
{
    QTemporaryDir dir;
    const QString plainFile = QDir(dir.path()).filePath(QStringLiteral("notadir"));
    QFile file(plainFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct {
        QString directory;
        int contacts;
        bool fileFault; // a fault of the folder, not of the count
    } cases[] = {
        {plainFile, 10, true},
        {QDir(dir.path()).filePath(QStringLiteral("missing/deeper")), 10, true},
        {dir.path(), -1, false},
        {dir.path(), 10000000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.directory.toStdString() + " " + std::to_string(c.contacts));
        try {
            demo::makeDemoData(c.directory, {c.contacts, true});
            ADD_FAILURE() << "not refused";
        } catch (const base::Error& e) {
            EXPECT_EQ(dynamic_cast<const base::FileError*>(&e) != nullptr, c.fileFault) << e.text().toStdString();
            EXPECT_EQ(dynamic_cast<const base::EngineError*>(&e), nullptr) << e.text().toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("CONTACT.DB"))));
}

// The names the demo refuses to find are the names it writes; a second demo
// into the same folder, or one into a folder holding a user's report under
// another letter case, is refused before anything is written.
TEST_F(DemoTables, ItWritesTheFilesItNamesAndNeverOverwritesOne)
{
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QStringList ours = demo::demoFileNames({Contacts, true});
    ours.sort();
    EXPECT_EQ(QDir(demoDir->directory()).entryList(all, QDir::Name), ours);
    EXPECT_THROW(demo::makeDemoData(demoDir->directory(), {5, true}), base::FileError);

    QTemporaryDir dir;
    const QString mine = QDir(dir.path()).filePath(QStringLiteral("CallRpt.RPT"));
    QFile file(mine);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    try {
        demo::makeDemoData(dir.path(), {5, true});
        ADD_FAILURE() << "a folder with a report of the demo's name was written into";
    } catch (const base::FileError& e) {
        EXPECT_TRUE(e.text().startsWith(mine + QStringLiteral(" already exists"))) << e.text().toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(all), QStringList{QStringLiteral("CallRpt.RPT")});
    demo::makeDemoData(dir.path(), {5, false}); // the sample reports are not asked for
}

TEST(DemoData, ReadOnlyDirectoryIsReportedAsAnEngineError)
{
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(QDir(dir.path()).filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this user may write into read-only directories";
    }
    EXPECT_THROW(demo::makeDemoData(dir.path(), {5, true}), base::EngineError);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
