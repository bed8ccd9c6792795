// tabrep-bench [--data FOLDER] [--runs N] [NAME...]: runs the benchmarks
// (startup, listing, catalogue, loadsave, loadgrowth, layout, check; all when none is named), each
// printing its figure as a ratio against a floor measured in the same run.
// The data sets are made once in FOLDER and reused.
#include "base/EngineError.h"
#include "bench/Benchmarks.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <cstdio>
#include <functional>
#include <map>

namespace bench {

void NoDialogs::message(QWidget*, ui::MessageKind, const QString& caption, const QString& text)
{
    shown_ << caption + QStringLiteral(": ") + text;
}

bool NoDialogs::question(QWidget*, const QString& caption, const QString& text)
{
    shown_ << caption + QStringLiteral(": ") + text;
    return false;
}

int NoDialogs::exec(QDialog& dialog)
{
    shown_ << QStringLiteral("the dialog ") + dialog.objectName();
    return QDialog::Rejected;
}

void NoDialogs::check(const QString& benchmark)
{
    const QStringList shown = std::exchange(shown_, {});
    if (!shown.isEmpty())
        throw base::EngineError(QStringLiteral("%1 showed: %2").arg(benchmark, shown.join(QStringLiteral("; "))));
}

} // namespace bench

int main(int argc, char** argv)
{
    // The windows are built and painted without a display; the start-up children inherit this.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const std::map<QString, std::function<void(const bench::Settings&)>> benchmarks = {
        {QStringLiteral("startup"), bench::benchStartup},
        {QStringLiteral("listing"), bench::benchListing},
        {QStringLiteral("catalogue"), bench::benchCatalogue},
        {QStringLiteral("loadsave"), bench::benchLoadSave},
        {QStringLiteral("loadgrowth"), bench::benchLoadGrowth},
        {QStringLiteral("layout"), bench::benchLayoutView},
        {QStringLiteral("check"), bench::benchReportCheck},
        {QStringLiteral("preview"), bench::benchPreview},
    };
    const QStringList order{QStringLiteral("startup"),    QStringLiteral("listing"), QStringLiteral("catalogue"),
                            QStringLiteral("loadsave"),   QStringLiteral("loadgrowth"), QStringLiteral("layout"),
                            QStringLiteral("check"), QStringLiteral("preview")};

    bench::Settings settings;
    settings.cache = QStringLiteral("bench-data");
    settings.childProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/tabrep-bench-child");
    QStringList chosen;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data") && i + 1 < args.size()) {
            settings.cache = args[++i];
        } else if (args[i] == QLatin1String("--runs") && i + 1 < args.size() && args[i + 1].toInt() > 0) {
            settings.runs = args[++i].toInt();
        } else if (benchmarks.count(args[i])) {
            chosen << args[i];
        } else {
            std::fprintf(stderr, "usage: tabrep-bench [--data FOLDER] [--runs N] [%s]...\n",
                         qPrintable(order.join(QLatin1Char('|'))));
            return 2;
        }
    }
    if (chosen.isEmpty())
        chosen = order;
    // The listing makes the alias directory the current one: the folder is known by its whole path.
    settings.cache = QDir(settings.cache).absolutePath();
    QDir().mkpath(settings.cache);

    bench::NoDialogs noDialogs;
    ui::Modal::install(&noDialogs);
    int failed = 0;
    for (const QString& name : chosen) {
        try {
            benchmarks.at(name)(settings);
            noDialogs.check(name);
        } catch (const base::Error& e) {
            std::printf("%s: FAILED (%s)\n", qPrintable(name), qPrintable(e.text()));
            ++failed;
        }
    }
    ui::Modal::install(nullptr);
    return failed ? 1 : 0;
}
