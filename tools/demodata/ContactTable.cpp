#include "tools/demodata/ContactTable.h"

#include "tools/demodata/NamePools.h"
#include "tools/demodata/TableFields.h"

#include <QDate>
#include <QTime>

namespace demo {

namespace {

using px::Value;

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Numbers in the 555-0100 to 555-0199 range are never handed out to real lines.
QString phone(Random& random, const City& city)
{
    return QLatin1Char('(') + city.areaCode + QLatin1String(") 555-01") + twoDigits(random.below(100));
}

QString salutation(Random& random, const Person& person)
{
    if (random.chance(8))
        return QStringLiteral("Dr.");
    if (person.female)
        return random.chance(30) ? QStringLiteral("Mrs.") : QStringLiteral("Ms.");
    return QStringLiteral("Mr.");
}

// A first name of the other sex, for the spouse field.
const QString& spouseName(Random& random, const Person& person)
{
    const NamePools& pools = namePools();
    for (;;) {
        const Person& other = random.pick(pools.firstNames);
        if (other.female != person.female)
            return other.first;
    }
}

QDate dayAfter(Random& random, const QDate& from, int days)
{
    return from.addDays(random.below(days));
}

} // namespace

px::TableDefinition contactTableDefinition()
{
    px::TableDefinition definition;
    definition.fields = {
        alphaField(QStringLiteral("CustomID"), 10),
        longField(QStringLiteral("ContactID")),
        alphaField(QStringLiteral("Salutation"), 10),
        alphaField(QStringLiteral("FirstName"), 20),
        alphaField(QStringLiteral("LastName"), 30),
        alphaField(QStringLiteral("Title"), 30),
        alphaField(QStringLiteral("Company"), 40),
        alphaField(QStringLiteral("Department"), 30),
        alphaField(QStringLiteral("Address1"), 40),
        alphaField(QStringLiteral("Address2"), 40),
        alphaField(QStringLiteral("City"), 25),
        alphaField(QStringLiteral("State"), 15),
        alphaField(QStringLiteral("ZipCode"), 10),
        alphaField(QStringLiteral("Country"), 20),
        alphaField(QStringLiteral("HomePhone"), 20),
        alphaField(QStringLiteral("WorkPhone"), 20),
        alphaField(QStringLiteral("FaxPhone"), 20),
        alphaField(QStringLiteral("MobilePhone"), 20),
        alphaField(QStringLiteral("Email"), 60),
        dateField(QStringLiteral("Birthday")),
        dateField(QStringLiteral("Anniversary")),
        timestampField(QStringLiteral("LastContact")),
        logicalField(QStringLiteral("Active")),
        shortField(QStringLiteral("Children")),
        shortField(QStringLiteral("Rating")),
        longField(QStringLiteral("Visits")),
        memoField(QStringLiteral("Memo"), 40),
    };
    for (int i = 1; i <= 10; ++i)
        definition.fields.push_back(alphaField(QStringLiteral("User%1").arg(i), 30));
    for (int i = 1; i <= 10; ++i)
        definition.fields.push_back(dateField(QStringLiteral("Date%1").arg(i)));
    for (int i = 1; i <= 5; ++i)
        definition.fields.push_back(numberField(QStringLiteral("Num%1").arg(i)));
    for (int i = 1; i <= 5; ++i)
        definition.fields.push_back(currencyField(QStringLiteral("Money%1").arg(i)));
    return definition;
}

ContactGenerator::ContactGenerator() : random_(0x0C0A7AC7) {}

std::vector<Value> ContactGenerator::next()
{
    namespace c = contactcol;
    const NamePools& pools = namePools();
    Random& r = random_;
    ++number_;

    const Person& person = r.pick(pools.firstNames);
    const int last = r.below(static_cast<int>(pools.lastNames.size()));
    const City& city = r.pick(pools.cities);
    const Company* company = r.chance(90) ? &r.pick(pools.companies) : nullptr;

    std::vector<Value> record(c::Count);
    record[c::CustomID] = Value::ofText(pools.lastMailNames[last].left(3).toUpper()
                                        + QStringLiteral("%1").arg(number_, 7, 10, QLatin1Char('0')));
    record[c::ContactID] = Value::ofInteger(number_);
    record[c::Salutation] = Value::ofText(salutation(r, person));
    record[c::FirstName] = Value::ofText(person.first);
    record[c::LastName] = Value::ofText(pools.lastNames[last]);
    if (r.chance(85))
        record[c::Title] = Value::ofText(r.pick(pools.titles));
    if (company) {
        record[c::Company] = Value::ofText(company->name);
        if (r.chance(70))
            record[c::Department] = Value::ofText(r.pick(pools.departments));
    }
    record[c::Address1] = Value::ofText(QString::number(r.between(100, 9899)) + QLatin1Char(' ') + r.pick(pools.streets));
    if (r.chance(15))
        record[c::Address2] = Value::ofText(r.pick(pools.secondLines));
    record[c::City] = Value::ofText(city.name);
    record[c::State] = Value::ofText(city.state);
    record[c::ZipCode] = Value::ofText(city.zipPrefix + twoDigits(r.between(1, 99)));
    record[c::Country] = Value::ofText(QStringLiteral("USA"));

    if (r.chance(70))
        record[c::HomePhone] = Value::ofText(phone(r, city));
    if (company) {
        record[c::WorkPhone] = Value::ofText(phone(r, city));
        if (r.chance(35))
            record[c::FaxPhone] = Value::ofText(phone(r, city));
    }
    if (r.chance(65))
        record[c::MobilePhone] = Value::ofText(phone(r, city));
    if (r.chance(80))
        record[c::Email] = Value::ofText(person.mailName + QLatin1Char('.') + pools.lastMailNames[last] + QLatin1Char('@')
                                         + (company ? company->domain : QStringLiteral("example.com")));

    QDate birthday;
    if (r.chance(80)) {
        birthday = dayAfter(r, QDate(1940, 1, 1), 60 * 365);
        record[c::Birthday] = dateValue(birthday);
    }
    const bool married = birthday.isValid() && r.chance(45);
    if (married) {
        const QDate anniversary = birthday.addYears(r.between(20, 40));
        if (anniversary < QDate(2024, 7, 1))
            record[c::Anniversary] = dateValue(anniversary);
        record[c::User1] = Value::ofText(spouseName(r, person));
    }
    if (r.chance(90))
        record[c::LastContact] = timestampValue(dayAfter(r, QDate(2022, 1, 3), 3 * 365),
                                                QTime(r.between(8, 17), r.below(60)));
    if (!r.chance(5))
        record[c::Active] = Value::ofBoolean(r.chance(85));
    if (r.chance(70))
        record[c::Children] = Value::ofInteger(r.between(0, 4));
    if (r.chance(90))
        record[c::Rating] = Value::ofInteger(r.between(1, 5));
    record[c::Visits] = Value::ofInteger(r.between(0, 120));
    if (r.chance(35))
        record[c::Memo] = Value::ofText(r.pick(pools.contactMemos));

    fillUserFields(record, company != nullptr);
    return record;
}

// The user fields follow the labels of the OMNIV record of DATABASE.DB:
// spouse (set with the anniversary), referred by, assistant, hobby; last order,
// first met; orders placed, employees; total sales, credit limit.
void ContactGenerator::fillUserFields(std::vector<Value>& record, bool hasCompany)
{
    namespace c = contactcol;
    const NamePools& pools = namePools();
    Random& r = random_;

    if (r.chance(25))
        record[c::User1 + 1] = Value::ofText(r.pick(pools.firstNames).first + QLatin1Char(' ') + r.pick(pools.lastNames));
    if (hasCompany && r.chance(15))
        record[c::User1 + 2] = Value::ofText(r.pick(pools.firstNames).first);
    if (r.chance(30))
        record[c::User1 + 3] = Value::ofText(r.pick(pools.hobbies));
    if (r.chance(50)) {
        const int orders = r.between(1, 60);
        record[c::Date1] = dateValue(dayAfter(r, QDate(2021, 1, 4), 4 * 365));
        record[c::Num1] = Value::ofFloat(orders);
        record[c::Money1] = moneyValue(orders * r.between(5000, 250000) / 100.0);
    }
    if (r.chance(60))
        record[c::Date1 + 1] = dateValue(dayAfter(r, QDate(2010, 1, 1), 14 * 365));
    if (hasCompany && r.chance(50))
        record[c::Num1 + 1] = Value::ofFloat(r.between(5, 5000));
    if (r.chance(40))
        record[c::Money1 + 1] = moneyValue(500.0 * r.between(1, 100));
}

void writeContactTable(const QString& path, int count)
{
    // Each contact is made when the codec asks for it, so a table of a million
    // contacts needs no more memory than a small one.
    ContactGenerator generator;
    px::writeTable(path, contactTableDefinition(), count, [&generator](std::int64_t) { return generator.next(); });
}

} // namespace demo
