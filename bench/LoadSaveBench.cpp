// Load and save: a report of 200 fields loaded into the pages and written back
// in a folder of 10,000 reports, against reading the same bytes and replacing a
// file of that size durably, the least a safe save costs; and the same in a
// folder of 100,000 reports against one of ten files. Load growth: a report of
// 500 field records loaded against one of 50.
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
        form = std::make_unique<shell::TFrmTabrep>(session);
        if (!form->created())
            throw base::EngineError(QStringLiteral("the main window cannot start on %1").arg(data.dataDir()));
    }
    ~Window()
    {
        form.reset();
        store::Session::setDefaultSession(nullptr);
    }
    // An empty working table and the report to load next, this window's session the default one.
    void prepare(const QString& report)
    {
        store::Session::setDefaultSession(&session);
        form->wizard().ClearCustomTable();
        form->state().ReportFileName = report;
    }
    void loadAndSave()
    {
        form->wizard().LoadConfig();
        form->wizard().WriteTheReportFile();
    }

    store::Session session;
    std::unique_ptr<shell::TFrmTabrep> form;
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
    const DataSet office = folderDataSet(settings.cache, ReportCount);
    const QString report = office.file(LoadSaveReport);
    const QByteArray original = plainRead(report);

    Window window(office);
    auto prepare = [&] { window.prepare(LoadSaveReport); };
    prepare();
    window.loadAndSave();
    if (plainRead(report) != original)
        std::printf("note: the report written back differs from the one loaded\n");

    const QString copy = office.file(QStringLiteral("plain.out"));
    print(compareTimes(
        QStringLiteral("load and save (10,000 reports)"), settings.runs,
        [&] { durableReplace(copy, plainRead(report)); }, [&] { window.loadAndSave(); }, 2.0, prepare));

    // The same in a folder of 100,000 reports against one of ten files, each
    // window's session the default one in turn (so each emptying its table is timed too).
    Window few(folderDataSet(settings.cache, 0));
    Window large(folderDataSet(settings.cache, 10 * ReportCount));
    auto run = [](Window& in) {
        in.prepare(LoadSaveReport);
        in.loadAndSave();
    };
    print(compareTimes(QStringLiteral("load and save growth (100,000 reports against 10 files)"), settings.runs,
                       [&] { run(few); }, [&] { run(large); }, 1.2));
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
