#include "base/EngineError.h"
#include "tools/demodata/DemoData.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

// tabrep-demo DIRECTORY [CONTACTS]: writes the demo host tables and sample reports.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 2 || args.size() > 3) {
        err << "usage: tabrep-demo DIRECTORY [CONTACTS]\n";
        return 2;
    }
    demo::Options options;
    if (args.size() == 3) {
        bool ok = false;
        options.contacts = args[2].toInt(&ok);
        if (!ok || options.contacts < 0) {
            err << "tabrep-demo: CONTACTS must be a whole number of 0 or more\n";
            return 2;
        }
    }
    try {
        QDir().mkpath(args[1]);
        demo::makeDemoData(args[1], options);
    } catch (const base::EngineError& e) {
        err << "tabrep-demo: " << e.text() << "\n";
        return 1;
    }
    return 0;
}
