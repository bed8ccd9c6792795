// Load and save: a report of 200 fields loaded into the pages and written back,
// against reading the same bytes and replacing a file of that size durably, the
// least a safe save costs. Load growth: a report of 5,000 field records loaded
// against one of 500.
#include "base/EngineError.h"
#include "bench/BenchData.h"
#include "bench/Benchmarks.h"
#include "bench/Measure.h"
#include "shell/TFrmTabrep.h"
#include "store/Alias.h"
#include "store/engine/Session.h"
#include "store/report/ReportReader.h"
#include "tools/demodata/DemoData.h"

#include <QFile>
#include <QFileInfo>
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

void plainWrite(const QString& path, const QByteArray& bytes, bool durable = false)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, bytes.constData(), std::size_t(bytes.size())) != bytes.size()
        || (durable && ::fsync(fd) != 0))
        throw base::EngineError(QStringLiteral("Cannot write %1").arg(path));
    ::close(fd);
}

// What a durable replace must do at least: a temporary file written and
// synced, renamed over path, and the directory synced, so the new name lasts.
void durableReplace(const QString& path, const QByteArray& bytes)
{
    const QString temporary = path + QStringLiteral(".tmp");
    plainWrite(temporary, bytes, true);
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
        throw base::FileError(QStringLiteral("Cannot rename %1").arg(temporary));
    const int directory = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0 || ::fsync(directory) != 0)
        throw base::FileError(QStringLiteral("Cannot sync the directory of %1").arg(path));
    ::close(directory);
}

// The main window over a data set, as the program starts it.
struct Window {
    explicit Window(const DataSet& data) : session(data.configPath())
    {
        store::Session::setDefaultSession(&session);
        form = std::make_unique<TFrmTabrep>(session);
        if (!form->created())
            throw base::EngineError(QStringLiteral("the main window cannot start on %1").arg(data.dataDir()));
    }
    ~Window()
    {
        form.reset();
        store::Session::setDefaultSession(nullptr);
    }
    // An empty working table and the report to load next.
    void prepare(const QString& report)
    {
        form->wizard().ClearCustomTable();
        form->state().ReportFileName = report;
    }

    store::Session session;
    std::unique_ptr<TFrmTabrep> form;
};

// Answers every message box, counting those that are not the row limit's (a
// report of hundreds of fields has more rows than a report may have).
class RowLimitOnly : public ui::Modal {
public:
    void message(QWidget*, ui::MessageKind, const QString&, const QString& text) override
    {
        if (!text.startsWith(QLatin1String("You cannot have more than")))
            others << text;
    }
    bool question(QWidget*, const QString&, const QString& text) override
    {
        others << text;
        return false;
    }
    int exec(QDialog&) override { return 0; }

    QStringList others;
};

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

    Window window(data);
    TFrmTabrep& form = *window.form;
    auto prepare = [&] { window.prepare(ReportName); };
    auto loadAndSave = [&] {
        form.wizard().LoadConfig();
        form.wizard().WriteTheReportFile();
    };
    prepare();
    loadAndSave();
    if (plainRead(report) != original)
        std::printf("note: the report written back differs from the one loaded\n");

    const QString copy = data.file(QStringLiteral("plain.out"));
    const Figure figure = compareTimes(
        QStringLiteral("load and save"), settings.runs, [&] { durableReplace(copy, plainRead(report)); },
        loadAndSave, 2.0, prepare);
    print(figure);
}

void benchLoadGrowth(const Settings& settings)
{
    // Ten times the records, the larger as many as a report may hold at most.
    constexpr int Small = 50;
    constexpr int Large = 500;
    static_assert(Large <= store::MaxFieldRecords);
    const auto name = [](int fields) { return QStringLiteral("fields%1.rpt").arg(fields); };
    const DataSet data = cachedDataSet(settings.cache, QStringLiteral("loadgrowth500"), [&](const QString& dir) {
        demo::Options options;
        options.sampleReports = false;
        demo::makeDemoData(dir, options);
        for (int fields : {Small, Large})
            plainWrite(dir + QLatin1Char('/') + name(fields), reportText(1, fields));
    });
    Window window(data);
    ui::Modal& before = ui::Modal::current();
    RowLimitOnly answers;
    ui::Modal::install(&answers);
    const Figure figure = compareTimes(
        QStringLiteral("load growth (500 records against 50)"), settings.runs,
        [&] {
            window.prepare(name(Small));
            window.form->wizard().LoadConfig();
        },
        [&] {
            window.prepare(name(Large));
            window.form->wizard().LoadConfig();
        },
        12.0);
    ui::Modal::install(&before);
    if (!answers.others.isEmpty())
        throw base::EngineError(QStringLiteral("loading showed: %1").arg(answers.others.join(QStringLiteral("; "))));
    print(figure);
}

} // namespace bench
