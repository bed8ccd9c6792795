// libFuzzer target for reading a report definition file through the loading
// code of the main window, on a working table. The input is written as a report
// into a temporary alias directory holding the demo host tables; the window,
// made once, empties its working table and loads the report. Every input must
// either load or fail with an engine error: no crash, no hang, no sanitizer report.
#include "DemoData.h"
#include "EngineError.h"
#include "Modal.h"
#include "Session.h"
#include "TFrmTabrep.h"
#include "Table.h"

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
class SilentModal : public base::Modal {
public:
    void message(QWidget*, base::MessageKind, const QString&, const QString&) override { ++messages; }
    bool question(QWidget*, const QString&, const QString&) override { ++messages; return false; }
    int exec(QDialog&) override { ++messages; return QDialog::Rejected; }

    int messages = 0;
};

const QString ReportName = QStringLiteral("fuzz.rpt");

struct LoaderWorld {
    LoaderWorld()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_report_loader";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        base::Modal::install(&modal);

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
        } catch (const base::EngineError& e) {
            fail(qPrintable(e.text()));
        }
        session = std::make_unique<store::Session>(config);
        store::Session::setDefaultSession(session.get());

        window = std::make_unique<TFrmTabrep>(*session);
        if (!window->created())
            fail("the main window could not start on the demo data");
    }

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
    std::unique_ptr<TFrmTabrep> window;
};

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

    QFile report(QDir(world().dataDir).filePath(ReportName));
    if (!report.open(QIODevice::WriteOnly | QIODevice::Truncate))
        LoaderWorld::fail("cannot write the report file");
    report.write(reinterpret_cast<const char*>(data), qint64(size));
    report.close();

    TFrmTabrep& window = *world().window;
    window.state().ReportFileName = ReportName;
    try {
        window.ClearCustomTable(window.TblTRData());
        window.LoadConfig();
        // A report that loads lists every row of the working table in the field order.
        if (window.state().SelectedCount != window.TblTRData().RecordCount())
            __builtin_trap();
    } catch (const base::EngineError&) {
    }
    return 0;
}
