#include "tools/demodata/SampleReports.h"

#include "base/EngineError.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <vector>

namespace demo {

namespace {

enum Flag : unsigned {
    None = 0,
    LDots = 1 << 0,
    RDots = 1 << 1,
    Total = 1 << 2,
    Count = 1 << 3,
    Average = 1 << 4,
    Min = 1 << 5,
    Max = 1 << 6,
};

constexpr int ContactSide = 0;
constexpr int EventSide = 1;

struct Field {
    int dbType;
    const char* header;
    const char* name;
    int line;
    int left;
    int right;
    unsigned flags;
};

struct Report {
    const char* fileName;
    const char* description;
    const char* type;
    const char* category;
    int width;
    std::vector<Field> fields;   // in file order: by line, then left to right
};

// A contact-ordered phone list on US portrait paper, with the detail level.
const Report PhoneList{
    "phonelst.rpt", "Phone List", "Contact", "Contact", 75,
    {
        {ContactSide, "ID", "CustomID", 1, 1, 25, Count},
        {ContactSide, "Last Name", "LastName", 1, 26, 41, None},
        {ContactSide, "First Name", "FirstName", 1, 42, 57, None},
        {ContactSide, "Work Phone", "WorkPhone", 1, 58, 75, LDots},
    }};

// Contacts with their phone calls on A4 portrait paper, four columns over two lines.
const Report CallReport{
    "callrpt.rpt", "Call Report", "Contact", "Call", 77,
    {
        {ContactSide, "Company", "Company", 1, 1, 19, RDots},
        {ContactSide, "Contact", "LastName", 1, 20, 38, None},
        {ContactSide, "Visits", "Visits", 1, 39, 57, Total | Average},
        {ContactSide, "Last Contact", "LastContact", 1, 58, 76, Max},
        {EventSide, "Call Date", "EventDate", 2, 1, 19, Count},
        {EventSide, "Subject", "Summary", 2, 20, 38, None},
        {EventSide, "Elapsed", "Elapsed", 2, 39, 57, None},
        {EventSide, "Call Notes", "Memo", 2, 58, 76, None},
    }};

// A date-ordered calendar of all events on A4 landscape paper.
const Report Calendar{
    "calendar.rpt", "Calendar of Events", "Calendar", "Event", 115,
    {
        {EventSide, "Date", "EventDate", 1, 1, 28, Count},
        {EventSide, "Time", "EventTime", 1, 29, 56, None},
        {EventSide, "Type", "Type", 1, 57, 84, None},
        {EventSide, "Subject", "Summary", 1, 85, 112, None},
        {ContactSide, "Contact", "LastName", 2, 1, 28, None},
        {ContactSide, "Company", "Company", 2, 29, 56, LDots},
        {EventSide, "Status", "Status", 2, 57, 84, None},
        {EventSide, "Minutes", "Duration", 2, 85, 112, Count},
    }};

// Every line ends in carriage return and line feed. The texts above are plain
// ASCII, which Windows-1252 holds unchanged.
class Lines {
public:
    void add(const QByteArray& text) { bytes_ += text + "\r\n"; }
    void add(int number) { add(QByteArray::number(number)); }
    void dots(bool set) { add(set ? QByteArray(30, '.') : QByteArray()); }
    void flag(bool set) { add(set ? QByteArrayLiteral("TRUE") : QByteArrayLiteral("FALSE")); }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

QByteArray render(const Report& report)
{
    Lines out;
    out.add(report.description);
    out.add(report.type);
    out.add(report.category);
    out.add(report.width);
    out.add(static_cast<int>(report.fields.size()));
    for (const Field& field : report.fields) {
        out.add(field.dbType);
        out.dots(field.flags & LDots);
        out.dots(field.flags & RDots);
        out.add(field.header);
        out.add(field.name);
        out.add(field.line);
        out.add(field.left);
        out.add(field.right);
        out.flag(field.flags & Total);
        out.flag(field.flags & Count);
        out.flag(field.flags & Average);
        out.flag(field.flags & Min);
        out.flag(field.flags & Max);
    }
    return out.bytes();
}

const Report* const Samples[] = {&PhoneList, &CallReport, &Calendar};

} // namespace

QStringList sampleReportNames()
{
    QStringList names;
    for (const Report* report : Samples)
        names << QString::fromLatin1(report->fileName);
    return names;
}

void writeSampleReports(const QString& directory)
{
    for (const Report* report : Samples) {
        const QString path = QDir(directory).filePath(QString::fromLatin1(report->fileName));
        const QByteArray bytes = render(*report);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw base::EngineError(QCoreApplication::translate("DemoTool", "Cannot write %1: %2")
                                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

} // namespace demo
