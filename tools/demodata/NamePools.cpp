#include "tools/demodata/NamePools.h"

#include "tools/demodata/Random.h"

#include <QStringList>

namespace demo {

namespace {

const char* const FemaleNames[] = {
    "Mary", "Patricia", "Linda", "Barbara", "Elizabeth", "Jennifer", "Susan", "Margaret", "Dorothy", "Lisa",
    "Nancy", "Karen", "Betty", "Helen", "Sandra", "Donna", "Carol", "Ruth", "Sharon", "Michelle",
    "Laura", "Sarah", "Kimberly", "Deborah", "Jessica", "Renée", "Zoë", "Françoise", "Angela", "Melissa",
};

const char* const MaleNames[] = {
    "James", "John", "Robert", "Michael", "William", "David", "Richard", "Charles", "Joseph", "Thomas",
    "Christopher", "Daniel", "Paul", "Mark", "Donald", "George", "Kenneth", "Steven", "Edward", "Brian",
    "Ronald", "Anthony", "Kevin", "Jason", "Matthew", "José", "André", "Gary", "Timothy", "Larry",
};

const char* const LastNames[] = {
    "Smith", "Johnson", "Williams", "Brown", "Jones", "Miller", "Davis", "Garcia", "Rodriguez", "Wilson",
    "Martinez", "Anderson", "Taylor", "Thomas", "Hernandez", "Moore", "Martin", "Jackson", "Thompson", "White",
    "Lopez", "Lee", "Gonzalez", "Harris", "Clark", "Lewis", "Robinson", "Walker", "Perez", "Hall",
    "Young", "Allen", "Sanchez", "Wright", "King", "Scott", "Green", "Baker", "Adams", "Nelson",
    "Hill", "Ramirez", "Campbell", "Mitchell", "Roberts", "Carter", "Phillips", "Evans", "Turner", "Torres",
    "Parker", "Collins", "Edwards", "Stewart", "Morris", "Murphy", "Cook", "Rogers", "O'Brien", "Müller",
    "Peterson", "Cooper", "Reed", "Bailey", "Bell", "Gómez", "Kelly", "Howard", "Ward", "Cox",
};

struct CityRow {
    const char* name;
    const char* state;
    const char* zip;
    const char* area;
};

const CityRow Cities[] = {
    {"Denver", "CO", "802", "303"}, {"Boulder", "CO", "803", "303"}, {"Austin", "TX", "787", "512"},
    {"Dallas", "TX", "752", "214"}, {"Houston", "TX", "770", "713"}, {"Seattle", "WA", "981", "206"},
    {"Spokane", "WA", "992", "509"}, {"Portland", "OR", "972", "503"}, {"San Diego", "CA", "921", "619"},
    {"Sacramento", "CA", "958", "916"}, {"San Jose", "CA", "951", "408"}, {"Phoenix", "AZ", "850", "602"},
    {"Tucson", "AZ", "857", "520"}, {"Albuquerque", "NM", "871", "505"}, {"Salt Lake City", "UT", "841", "801"},
    {"Boise", "ID", "837", "208"}, {"Omaha", "NE", "681", "402"}, {"Kansas City", "MO", "641", "816"},
    {"St. Louis", "MO", "631", "314"}, {"Chicago", "IL", "606", "312"}, {"Madison", "WI", "537", "608"},
    {"Minneapolis", "MN", "554", "612"}, {"Detroit", "MI", "482", "313"}, {"Columbus", "OH", "432", "614"},
    {"Cleveland", "OH", "441", "216"}, {"Indianapolis", "IN", "462", "317"}, {"Louisville", "KY", "402", "502"},
    {"Nashville", "TN", "372", "615"}, {"Atlanta", "GA", "303", "404"}, {"Charlotte", "NC", "282", "704"},
    {"Raleigh", "NC", "276", "919"}, {"Richmond", "VA", "232", "804"}, {"Baltimore", "MD", "212", "410"},
    {"Philadelphia", "PA", "191", "215"}, {"Pittsburgh", "PA", "152", "412"}, {"Newark", "NJ", "071", "973"},
    {"Boston", "MA", "021", "617"}, {"Hartford", "CT", "061", "860"}, {"Albany", "NY", "122", "518"},
    {"Buffalo", "NY", "142", "716"}, {"Miami", "FL", "331", "305"}, {"Orlando", "FL", "328", "407"},
    {"Tampa", "FL", "336", "813"}, {"New Orleans", "LA", "701", "504"}, {"Memphis", "TN", "381", "901"},
};

const char* const Companies[][2] = {
    {"Brightwater Supply Co.", "brightwater"}, {"Cedar Ridge Consulting", "cedarridge"},
    {"Northgate Logistics", "northgate"}, {"Summit Office Products", "summitoffice"},
    {"Bluebird Graphics", "bluebird"}, {"Keystone Mechanical", "keystonemech"},
    {"Harbor Light Insurance", "harborlight"}, {"Prairie Wind Foods", "prairiewind"},
    {"Redstone Engineering", "redstone"}, {"Silver Lake Dental Group", "silverlake"},
    {"Copperfield Printing", "copperfield"}, {"Evergreen Landscaping", "evergreenland"},
    {"Ironwood Builders", "ironwood"}, {"Lakeshore Medical Supply", "lakeshoremed"},
    {"Maplewood Realty", "maplewood"}, {"Oakmont Financial", "oakmont"},
    {"Pioneer Valley Farms", "pioneervalley"}, {"Quarry Hill Software", "quarryhill"},
    {"Riverbend Travel", "riverbend"}, {"Sandstone Architects", "sandstone"},
    {"Tri-County Electric", "tricounty"}, {"Union Street Bakery", "unionbakery"},
    {"Westfield Auto Parts", "westfield"}, {"Yellow Pine Furniture", "yellowpine"},
    {"Granite State Tools", "granitestate"}, {"Heritage Family Law", "heritagelaw"},
    {"Juniper Health Partners", "juniperhealth"}, {"Meridian Freight", "meridian"},
    {"Old Mill Hardware", "oldmill"}, {"Pinecrest Accounting", "pinecrest"},
    {"Sunrise Catering", "sunrisecater"}, {"Twin Rivers Marine", "twinrivers"},
};

const char* const Streets[] = {
    "Maple Avenue", "Oak Street", "Cedar Lane", "Pine Road", "Elm Street", "Washington Boulevard",
    "Lincoln Way", "Park Place", "Lakeview Drive", "Hillcrest Road", "Main Street", "Broadway",
    "River Road", "Sunset Boulevard", "Highland Avenue", "Franklin Street", "Meadow Lane", "Willow Court",
    "Chestnut Street", "Spring Street", "Church Street", "Market Street", "Industrial Parkway", "Airport Road",
    "College Avenue", "Mill Street", "Jefferson Avenue", "Madison Street", "Prospect Avenue", "Valley View Drive",
};

const char* const SecondLines[] = {
    "Suite 100", "Suite 210", "Suite 305", "Suite 1200", "Apt. 4B", "Apt. 12", "Unit 7", "Floor 3",
    "P.O. Box 1187", "P.O. Box 402", "Building C", "Room 214",
};

const char* const Titles[] = {
    "President", "Vice President", "Sales Manager", "Office Manager", "Purchasing Agent", "Account Executive",
    "Controller", "Project Engineer", "Marketing Director", "Owner", "Consultant", "Administrative Assistant",
    "General Manager", "Buyer", "Operations Manager", "Partner",
};

const char* const Departments[] = {
    "Sales", "Marketing", "Purchasing", "Accounting", "Engineering", "Administration", "Operations",
    "Customer Service", "Human Resources", "Research",
};

const char* const Hobbies[] = {
    "Golf", "Sailing", "Fishing", "Gardening", "Tennis", "Photography", "Chess", "Hiking", "Cooking",
    "Woodworking", "Skiing", "Bird watching",
};

const char* const MemoSentences[] = {
    "Met at the spring trade show.",
    "Interested in the premium service plan; call back after the budget review.",
    "Prefers e-mail over phone calls.",
    "Sent the new price list and the catalogue.",
    "Asked for a quote on 200 units, delivery before the end of the quarter.",
    "Long-standing customer, always pays on time.",
    "Do not call before 10 a.m. local time.",
    "Referred two new clients last year; send a thank-you card.",
    "Wants a demonstration for the whole team at their office.",
    "Switched from a competitor in the autumn; keep an eye on satisfaction.",
    "Invoice 4471 was disputed and settled with a 5% discount.",
    "Plays in the charity golf tournament every June.",
    "Assistant handles all scheduling.",
    "Budget approved for next year, decision expected in March.",
    "Moved to a new office; update the mailing address when it is confirmed.",
    "Very detail-oriented: put everything in writing.",
};

template <std::size_t N>
std::vector<QString> texts(const char* const (&list)[N])
{
    std::vector<QString> result;
    for (const char* text : list)
        result.push_back(QString::fromUtf8(text));
    return result;
}

// Lower case ASCII letters only: accents dropped, apostrophes and spaces removed.
QString mailName(const QString& name)
{
    QString result;
    for (QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.isLetter() && c.unicode() < 128)
            result += c.toLower();
    return result;
}

// Memos of one to four sentences, some longer than the part Paradox keeps in the record.
std::vector<QString> makeMemos()
{
    const std::vector<QString> sentences = texts(MemoSentences);
    Random random(0x4D454D4F);
    std::vector<QString> memos;
    for (int i = 0; i < 48; ++i) {
        QStringList parts;
        const int count = random.between(1, 4);
        for (int k = 0; k < count; ++k)
            parts << random.pick(sentences);
        memos.push_back(parts.join(QLatin1Char(' ')));
    }
    return memos;
}

NamePools build()
{
    NamePools pools;
    for (const char* name : FemaleNames) {
        const QString first = QString::fromUtf8(name);
        pools.firstNames.push_back(Person{first, mailName(first), true});
    }
    for (const char* name : MaleNames) {
        const QString first = QString::fromUtf8(name);
        pools.firstNames.push_back(Person{first, mailName(first), false});
    }
    pools.lastNames = texts(LastNames);
    for (const QString& last : pools.lastNames)
        pools.lastMailNames.push_back(mailName(last));
    for (const CityRow& row : Cities)
        pools.cities.push_back(City{QString::fromUtf8(row.name), QString::fromLatin1(row.state),
                                    QString::fromLatin1(row.zip), QString::fromLatin1(row.area)});
    for (const auto& row : Companies)
        pools.companies.push_back(Company{QString::fromUtf8(row[0]), QString::fromLatin1(row[1]) + QLatin1String(".com")});
    pools.streets = texts(Streets);
    pools.secondLines = texts(SecondLines);
    pools.titles = texts(Titles);
    pools.departments = texts(Departments);
    pools.hobbies = texts(Hobbies);
    pools.contactMemos = makeMemos();
    return pools;
}

} // namespace

const NamePools& namePools()
{
    static const NamePools pools = build();
    return pools;
}

} // namespace demo
