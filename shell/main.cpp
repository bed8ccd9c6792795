#include "shell/CommandLine.h"
#include "shell/ProgramIdentity.h"
#include "shell/SessionPasswords.h"
#include "shell/TFrmTabrep.h"
#include "store/engine/Session.h"

#include <QApplication>

#include <cstdio>

namespace {

int Print(const QString& text, FILE* stream, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    // The command line is read before the application object, which would need a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    switch (ReadCommandLine(arguments)) {
    case CommandLineRequest::Help:
        return Print(HelpText(store::Session::defaultConfigPath()), stdout, 0);
    case CommandLineRequest::Version:
        return Print(VersionText(), stdout, 0);
    case CommandLineRequest::Usage:
        return Print(UsageText(), stderr, 2);
    case CommandLineRequest::RunWizard:
        break;
    }

    QApplication app(argc, argv);
    RegisterSessionPasswords(store::Session::defaultSession());
    // The application title goes into the application name: as the display
    // name Qt would append it to every window caption.
    QApplication::setApplicationName(QStringLiteral("Tabulon Lan"));
    SetProgramIdentity();
    TFrmTabrep window(store::Session::defaultSession());
    if (!window.created())
        return 1;
    window.show();
    return app.exec();
}
