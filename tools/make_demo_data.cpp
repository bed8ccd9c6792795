#include "base/EngineError.h"
#include "tools/demodata/DemoData.h"
#include "translations/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

const char Usage[] = QT_TRANSLATE_NOOP("DemoTool", "Usage: tabrep-demo [--help | --version] DIRECTORY [CONTACTS]\n");

const char Help[] = QT_TRANSLATE_NOOP("DemoTool", R"(
tabrep-demo makes demo data for the tabrep report wizard: the contact manager's
tables CONTACT.DB, EVENT.DB and DATABASE.DB (with the memo files CONTACT.MB and
EVENT.MB), filled with invented contacts and their events, and the sample
reports phonelst.rpt, callrpt.rpt and calendar.rpt, all written into DIRECTORY,
which is made when missing.

It never overwrites a file: a DIRECTORY that already holds one of these files,
in any letter case, is refused, and nothing is written.

CONTACTS is the number of contacts to make, a whole number of 0 or more
(300 when it is not given).

Options:
  -h, --help   print this text and end
  --version    print the version and end
)");

QString Translated(const char* text)
{
    return QCoreApplication::translate("DemoTool", text);
}

} // namespace

// tabrep-demo DIRECTORY [CONTACTS]: writes the demo host tables and sample reports.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    translations::Install(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList operands;
    bool help = false;
    bool version = false;
    bool options = true;
    for (const QString& argument : app.arguments().mid(1)) {
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            help = true;
        } else if (options && argument == QLatin1String("--version")) {
            version = true;
        } else if (options && argument.startsWith(u'-') && argument.size() > 1) {
            err << "tabrep-demo: " << Translated(QT_TRANSLATE_NOOP("DemoTool", "unknown option %1")).arg(argument)
                << "\n" << Translated(Usage);
            return 2;
        } else {
            operands << argument;
        }
    }
    if (help) {
        out << Translated(Usage) << Translated(Help);
        return 0;
    }
    if (version) {
        out << "tabrep-demo " TABREP_VERSION "\n";
        return 0;
    }
    if (operands.isEmpty() || operands.size() > 2) {
        err << Translated(Usage);
        return 2;
    }
    demo::Options settings;
    if (operands.size() == 2) {
        bool ok = false;
        settings.contacts = operands[1].toInt(&ok);
        if (!ok || settings.contacts < 0) {
            err << "tabrep-demo: " << Translated(QT_TRANSLATE_NOOP("DemoTool", "CONTACTS must be a whole number of 0 or more"))
                << "\n";
            return 2;
        }
    }
    const QString& directory = operands[0];
    try {
        demo::refuseExistingFiles(directory, settings);
    } catch (const base::Error& e) {
        err << "tabrep-demo: " << e.text() << "\n";
        return 2;
    }
    try {
        QDir().mkpath(directory);
        demo::makeDemoData(directory, settings);
    } catch (const base::Error& e) {
        err << "tabrep-demo: " << e.text() << "\n";
        return 1;
    }
    return 0;
}
