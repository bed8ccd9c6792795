// Load and save: a report of 200 fields loaded into the pages and written back,
// against reading and writing the same bytes with plain file calls.
#include "Alias.h"
#include "BenchData.h"
#include "Benchmarks.h"
#include "DemoData.h"
#include "EngineError.h"
#include "Measure.h"
#include "Session.h"
#include "TFrmTabrep.h"

#include <QFile>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace bench {

namespace {

constexpr int Fields = 200;
const QString ReportName = QStringLiteral("fields200.rpt");

QByteArray plainRead(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw base::EngineError(QStringLiteral("Cannot open %1").arg(path));
    QByteArray bytes;
    char buffer[65536];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, got);
    ::close(fd);
    return bytes;
}

void plainWrite(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, bytes.constData(), std::size_t(bytes.size())) != bytes.size())
        throw base::EngineError(QStringLiteral("Cannot write %1").arg(path));
    ::close(fd);
}

} // namespace

void benchLoadSave(const Settings& settings)
{
    const DataSet data = cachedDataSet(settings.cache, QStringLiteral("loadsave"), [](const QString& dir) {
        demo::Options options;
        options.sampleReports = false;
        demo::makeDemoData(dir, options);
        plainWrite(dir + QLatin1Char('/') + ReportName, reportText(1, Fields));
    });
    const QString report = data.file(ReportName);
    const QByteArray original = plainRead(report);

    store::Session session(data.configPath());
    store::Session::setDefaultSession(&session);
    TFrmTabrep form(session);
    if (!form.created())
        throw base::EngineError(QStringLiteral("the main window cannot start on %1").arg(data.dataDir()));
    auto prepare = [&] {
        form.ClearCustomTable(form.TblTRData());
        form.state().ReportFileName = ReportName;
    };
    auto loadAndSave = [&] {
        form.LoadConfig();
        form.WriteTheReportFile(form.TblTRData());
    };
    prepare();
    loadAndSave();
    if (plainRead(report) != original)
        std::printf("note: the report written back differs from the one loaded\n");

    const QString copy = data.file(QStringLiteral("plain.out"));
    const Figure figure = compareTimes(
        QStringLiteral("load and save"), settings.runs, [&] { plainWrite(copy, plainRead(report)); }, loadAndSave,
        std::nullopt, prepare);
    store::Session::setDefaultSession(nullptr);
    print(figure);
}

} // namespace bench
