#include "bench/BenchData.h"

#include "base/EngineError.h"
#include "tools/demodata/DemoData.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <cstdio>

namespace bench {

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw base::EngineError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

const char* const ContactFields[] = {
    "CustomID", "Salutation", "FirstName", "LastName", "Title", "Company", "Department", "Address1", "Address2",
    "City", "State", "ZipCode", "Country", "HomePhone", "WorkPhone", "FaxPhone", "MobilePhone", "Email",
    "Birthday", "Anniversary", "LastContact", "Active", "Children", "Rating", "Visits", "Memo",
};
const char* const Subjects[] = {"Customers", "Suppliers", "Prospects", "Members", "Donors", "Partners", "Staff"};
const char* const Topics[] = {"by region", "by city", "phone list", "mailing labels", "birthdays", "open calls",
                              "sales summary", "follow-ups"};

} // namespace

DataSet cachedDataSet(const QString& cache, const QString& name, const std::function<void(const QString&)>& fill)
{
    DataSet set{QDir(cache).absoluteFilePath(name)};
    if (QFileInfo(set.root).isDir())
        return set;
    DataSet scratch{set.root + QStringLiteral(".part")};
    QDir(scratch.root).removeRecursively();
    if (!QDir().mkpath(scratch.dataDir()) || !QDir().mkpath(scratch.configHome() + QStringLiteral("/tabulon")))
        throw base::EngineError(QStringLiteral("Cannot make the folder %1").arg(scratch.root));
    // The alias names the final folder: the scratch folder gets that name before any use.
    writeFile(scratch.configPath(), QStringLiteral("[OMNIV]\nPATH=%1\n").arg(set.dataDir()).toUtf8());
    std::printf("making the data set %s ...", qPrintable(name));
    std::fflush(stdout);
    QElapsedTimer timer;
    timer.start();
    fill(scratch.dataDir());
    if (!QDir().rename(scratch.root, set.root))
        throw base::EngineError(QStringLiteral("Cannot rename %1 to %2").arg(scratch.root, set.root));
    std::printf(" %.1f s\n", double(timer.elapsed()) / 1000.0);
    return set;
}

QByteArray reportText(int number, int fieldCount)
{
    const bool calendar = number % 5 == 0;
    QStringList lines{
        QStringLiteral("%1 %2 %3").arg(QLatin1String(Subjects[number % 7]), QLatin1String(Topics[number % 8])).arg(number),
        calendar ? QStringLiteral("Calendar") : QStringLiteral("Contact"),
        calendar ? QStringLiteral("Event") : QStringLiteral("Contact"),
        QStringLiteral("75"),
        QString::number(fieldCount),
    };
    // Twenty columns (the most there are) keep 200 fields within the rows the layout allows.
    constexpr int PerLine = 20;
    constexpr int Width = 10;
    const int known = int(std::size(ContactFields));
    for (int i = 0; i < fieldCount; ++i) {
        // The working table keys its rows by field name, so every field is named once.
        const QString field = i < known ? QLatin1String(ContactFields[(i + number) % known])
                                        : QStringLiteral("Extra%1").arg(i - known + 1, 3, 10, QLatin1Char('0'));
        const int column = i % PerLine;
        lines << QStringLiteral("0") << QString() << QString() << field << field
              << QString::number(i / PerLine + 1) << QString::number(column * Width + 1)
              << QString::number(column * Width + Width - 1) << QStringLiteral("FALSE") << QStringLiteral("FALSE")
              << QStringLiteral("FALSE") << QStringLiteral("FALSE") << QStringLiteral("FALSE");
    }
    return lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

namespace {

// count reports of 5 to 30 fields, one in ten named in capitals.
void writeReports(const QString& dir, int count)
{
    for (int i = 1; i <= count; ++i) {
        const QString name = QString::fromLatin1(i % 10 ? "rep%1.rpt" : "REP%1.RPT").arg(i, 5, 10, QLatin1Char('0'));
        writeFile(dir + QLatin1Char('/') + name, reportText(i, 5 + i % 26));
    }
}

} // namespace

DataSet reportsDataSet(const QString& cache)
{
    return cachedDataSet(cache, QStringLiteral("reports"), [](const QString& dir) { writeReports(dir, ReportCount); });
}

DataSet folderDataSet(const QString& cache, int reports)
{
    return cachedDataSet(cache, QStringLiteral("folder%1").arg(reports), [reports](const QString& dir) {
        demo::Options options;
        options.sampleReports = false;
        demo::makeDemoData(dir, options);
        writeFile(dir + QLatin1Char('/') + LoadSaveReport, reportText(1, 200));
        writeReports(dir, reports);
    });
}

} // namespace bench
