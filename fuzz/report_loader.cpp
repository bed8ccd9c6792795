// libFuzzer target for reading a report definition file through the loading
// code of the main window, on a working table. The input is written as a report
// into a temporary alias directory holding the demo host tables; the window,
// made once, empties its working table and loads the report. Every input must
// either load or fail with an engine error: no crash, no hang, no sanitizer report.
// A report that loads is written back, loaded and written again: the two written
// files must be the same. The plain reading of tabrep-report must agree with the
// load: the same refusal in the same words, or the same records.
#include "base/EngineError.h"
#include "ui/Modal.h"
#include "shell/TFrmTabrep.h"
#include "store/engine/Session.h"
#include "design/ReportDesign.h"
#include "store/report/ReportReader.h"
#include "tools/demodata/DemoData.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Nobody answers: every message is counted, every question gets No and every dialog is rejected.
class SilentModal : public ui::Modal {
public:
    void message(QWidget*, ui::MessageKind, const QString&, const QString&) override { ++messages; }
    bool question(QWidget*, const QString&, const QString&) override { ++messages; return false; }
    int exec(QDialog&) override { ++messages; return QDialog::Rejected; }

    int messages = 0;
};

const QString ReportName = QStringLiteral("fuzz.rpt");
const QString FirstCopy = QStringLiteral("first.rpt");
const QString SecondCopy = QStringLiteral("second.rpt");

struct LoaderWorld {
    LoaderWorld()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_report_loader";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        ui::Modal::install(&modal);

        if (!root.isValid() || !QDir(root.path()).mkpath(QStringLiteral("data")))
            fail("cannot make the temporary alias directory");
        dataDir = root.filePath(QStringLiteral("data"));
        const QString config = root.filePath(QStringLiteral("aliases.ini"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            fail("cannot write the alias configuration");
        file.write(QStringLiteral("[OMNIV]\nPATH=%1\n").arg(dataDir).toUtf8());
        file.close();
        try {
            demo::Options options;
            options.contacts = 20;
            demo::makeDemoData(dataDir, options);
        } catch (const base::Error& e) {
            fail(qPrintable(e.text()));
        }
        session = std::make_unique<store::Session>(config);
        store::Session::setDefaultSession(session.get());

        window = std::make_unique<shell::TFrmTabrep>(*session);
        if (!window->created())
            fail("the main window could not start on the demo data");
    }

    QString path(const QString& fileName) const { return QDir(dataDir).filePath(fileName); }

    [[noreturn]] static void fail(const char* why)
    {
        std::fprintf(stderr, "fuzz_report_loader: %s\n", why);
        std::abort();
    }

    std::unique_ptr<QApplication> app;
    SilentModal modal;
    QTemporaryDir root;
    QString dataDir;
    std::unique_ptr<store::Session> session;
    std::unique_ptr<shell::TFrmTabrep> window;
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        LoaderWorld::fail("cannot write a report file");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        LoaderWorld::fail("cannot read a written report");
    return file.readAll();
}

// Loads the report fileName of the alias directory into an emptied working table, as
// the page machine does; a load that succeeds lists every row in the field order.
void load(shell::TFrmTabrep& window, const QString& fileName)
{
    window.state().ReportFileName = fileName;
    window.wizard().ClearCustomTable();
    window.wizard().LoadConfig();
    if (window.state().SelectedCount != window.wizard().design().rowCount())
        LoaderWorld::fail("the field order does not list every row of the working table");
}

// A new report each time: the copy of the round before is gone.
void save(shell::TFrmTabrep& window, const QString& path)
{
    QFile::remove(path);
    window.state().ReportFileName = path;
    window.wizard().WriteTheReportFile();
}

QString NumberText(const std::optional<int>& number)
{
    return number ? QString::number(*number) : QString();
}

// The report read into plain values, against what loading made of it: loadError
// is the load's refusal, or empty when the working table holds the report.
void comparePlainReading(design::ReportDesign& design, const QString& path, const QString& loadError)
{
    QString readError;
    store::ReportContent report;
    try {
        report = store::ReadReport(path);
    } catch (const base::Error& e) {
        readError = e.text();
    }
    if (readError != loadError)
        LoaderWorld::fail(qPrintable(QStringLiteral("the plain reading says \"%1\" where loading says \"%2\"")
                                         .arg(readError, loadError)));
    if (!loadError.isEmpty())
        return;
    QHash<QString, store::FieldRow> rows;
    for (const store::FieldRow& row : design.rowsInReportOrder())
        rows.insert(row.field, row);
    if (int(report.fields.size()) != rows.size())
        LoaderWorld::fail("the plain reading has another number of records than the working table");
    for (const store::FieldRow& record : report.fields) {
        const auto row = rows.constFind(record.field);
        if (row == rows.cend())
            LoaderWorld::fail("a record of the plain reading is not in the working table");
        if (row->order != record.order || row->header != record.header
            || NumberText(row->line) != NumberText(record.line)
            || NumberText(row->lposition) != NumberText(record.lposition)
            || NumberText(row->rposition) != NumberText(record.rposition)
            || NumberText(row->dbType) != NumberText(record.dbType))
            LoaderWorld::fail("a record of the plain reading differs from its row in the working table");
    }
}

// Made once, before the first input; taken down (with its temporary directory) at exit.
LoaderWorld& world()
{
    static LoaderWorld instance;
    return instance;
}

} // namespace

// Fontconfig keeps a cache that LeakSanitizer counts as lost; it is the system's, not ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    world();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LoaderWorld& w = world();
    writeFile(w.path(ReportName), QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    QString loadError;
    try {
        load(*w.window, ReportName);
    } catch (const base::Error& e) {
        loadError = e.text();
    }
    comparePlainReading(w.window->wizard().design(), w.path(ReportName), loadError);
    if (!loadError.isEmpty())
        return 0;
    // A report that loads writes back a report that loads and writes back the same
    // bytes: whatever the first load dropped or clamped, a second round changes nothing.
    try {
        save(*w.window, w.path(FirstCopy));
        load(*w.window, FirstCopy);
        save(*w.window, w.path(SecondCopy));
    } catch (const base::Error& e) {
        LoaderWorld::fail(qPrintable(QStringLiteral("a written report does not load again: ") + e.text()));
    }
    if (readFile(w.path(FirstCopy)) != readFile(w.path(SecondCopy)))
        LoaderWorld::fail("a report written, loaded and written again changed");
    return 0;
}
