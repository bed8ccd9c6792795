#include "tools/demodata/DatabaseTable.h"

#include "tools/demodata/TableFields.h"

#include <QString>

namespace demo {

namespace {

struct Labels {
    const char* db;
    const char* user[10];
    const char* date[10];
    const char* num[5];
    const char* money[5];
};

// Labels the user never set stay empty; the contact table's user fields follow the OMNIV labels.
const Labels Databases[] = {
    {"OMNIV",
     {"Spouse", "Referred by", "Assistant", "Hobby"},
     {"Last order", "First met"},
     {"Orders placed", "Employees"},
     {"Total sales", "Credit limit"}},
    {"SALES",
     {"Territory", "Sales rep", "Lead source", "Product line", "Competitor"},
     {"Next follow-up", "Contract end", "Last visit"},
     {"Units ordered"},
     {"Quota", "Year to date", "Last invoice"}},
    {"CLUB",
     {"Member no.", "Membership", "Sponsor"},
     {"Joined", "Renewal due"},
     {"Events attended"},
     {"Dues paid", "Donations"}},
};

void addColumns(px::TableDefinition& definition, const char* prefix, int count)
{
    for (int i = 1; i <= count; ++i)
        definition.fields.push_back(alphaField(QString::fromLatin1(prefix) + QString::number(i), 20));
}

template <std::size_t N>
void addLabels(std::vector<px::Value>& record, const char* const (&labels)[N])
{
    for (const char* label : labels)
        record.push_back(label ? px::Value::ofText(QString::fromUtf8(label)) : px::Value::null());
}

} // namespace

px::TableDefinition databaseTableDefinition()
{
    px::TableDefinition definition;
    definition.fields.push_back(alphaField(QStringLiteral("DB"), 10));
    addColumns(definition, "User", 10);
    addColumns(definition, "Date", 10);
    addColumns(definition, "Num", 5);
    addColumns(definition, "Money", 5);
    return definition;
}

std::vector<std::vector<px::Value>> databaseRecords()
{
    std::vector<std::vector<px::Value>> records;
    for (const Labels& labels : Databases) {
        std::vector<px::Value> record{px::Value::ofText(QString::fromLatin1(labels.db))};
        addLabels(record, labels.user);
        addLabels(record, labels.date);
        addLabels(record, labels.num);
        addLabels(record, labels.money);
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace demo
