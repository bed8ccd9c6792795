#pragma once

#include "store/paradox/PxTable.h"
#include "tools/demodata/Random.h"

#include <QString>
#include <vector>

namespace demo {

// Columns of CONTACT.DB in table order. The thirty user fields follow Memo:
// User1..User10, Date1..Date10, Num1..Num5, Money1..Money5.
namespace contactcol {
enum : int {
    CustomID, ContactID, Salutation, FirstName, LastName, Title, Company, Department,
    Address1, Address2, City, State, ZipCode, Country,
    HomePhone, WorkPhone, FaxPhone, MobilePhone, Email,
    Birthday, Anniversary, LastContact, Active, Children, Rating, Visits, Memo,
    User1, Date1 = User1 + 10, Num1 = Date1 + 10, Money1 = Num1 + 5, Count = Money1 + 5,
};
} // namespace contactcol

// The CustomID holds three letters and a seven-digit number.
inline constexpr int MaxContacts = 9999999;

px::TableDefinition contactTableDefinition();

// Makes the demo contacts one at a time, numbered from 1, always the same
// sequence: the events are linked to the first of them by making them again.
class ContactGenerator {
public:
    ContactGenerator();
    std::vector<px::Value> next();

private:
    void fillUserFields(std::vector<px::Value>& record, bool hasCompany);

    Random random_;
    int number_ = 0;
};

// Writes CONTACT.DB (and CONTACT.MB) with count contacts.
void writeContactTable(const QString& path, int count);

} // namespace demo
