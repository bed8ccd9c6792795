#pragma once

#include <QString>
#include <vector>

namespace demo {

struct Person {
    QString first;
    QString mailName;   // the first name as it can stand in an e-mail address
    bool female = false;
};

struct City {
    QString name;
    QString state;
    QString zipPrefix;  // the first three digits of the city's ZIP codes
    QString areaCode;
};

struct Company {
    QString name;
    QString domain;
};

// The word lists the demo tables are made from. Built once; every value handed
// out shares its text with the list, which keeps a million contacts affordable.
struct NamePools {
    std::vector<Person> firstNames;
    std::vector<QString> lastNames;
    std::vector<QString> lastMailNames;   // lastNames as they can stand in an e-mail address
    std::vector<City> cities;
    std::vector<Company> companies;
    std::vector<QString> streets;
    std::vector<QString> secondLines;     // suite, apartment and box numbers
    std::vector<QString> titles;
    std::vector<QString> departments;
    std::vector<QString> hobbies;
    std::vector<QString> contactMemos;
};

const NamePools& namePools();

} // namespace demo
