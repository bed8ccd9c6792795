#include "shell/CommandLine.h"
#include "shell/ProgramIdentity.h"
#include "shell/SessionPasswords.h"
#include "shell/TFrmTabrep.h"
#include "store/engine/Session.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

int Print(const QString& text, FILE* stream, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

QtMessageHandler qtMessages = nullptr;

// Qt ends the program when no display can be opened (abort, status 134, and
// advice to reinstall): while the application object is made, such an end
// says what is missing instead, and the status is 1, as for any start that fails.
void EndWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (qtMessages)
            qtMessages(type, context, message);
        return;
    }
    std::fputs("tabrep: no display could be opened, and tabrep is a graphical program that needs one.\n"
               "Start it in a desktop session, or set DISPLAY or WAYLAND_DISPLAY to a display it may use.\n",
               stderr);
    std::_Exit(1);
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

    qtMessages = qInstallMessageHandler(EndWithoutDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessages);
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
