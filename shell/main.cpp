#include "shell/CommandLine.h"
#include "shell/ProgramStart.h"
#include "shell/TFrmTabrep.h"
#include "store/engine/Session.h"
#include "translations/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

int Print(const QString& text, FILE* stream, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

// The answer to a command line that opens no window, in the desktop's language:
// translating needs an application object, and this one needs no display.
QString TerminalText(int argc, char** argv, CommandLineRequest request)
{
    QCoreApplication app(argc, argv);
    translations::Install(app);
    switch (request) {
    case CommandLineRequest::Help:
        return HelpText(store::Session::defaultConfigPath());
    case CommandLineRequest::Version:
        return VersionText();
    default:
        return UsageText();
    }
}

QtMessageHandler qtMessages = nullptr;

// Said when no display can be opened, which is found out while the application object
// is made: so it is translated before, by a translator of its own.
constexpr char kNoDisplay[] = QT_TRANSLATE_NOOP("tabrep",
    "tabrep: no display could be opened, and tabrep is a graphical program that needs one.\n"
    "Start it in a desktop session, or set DISPLAY or WAYLAND_DISPLAY to a display it may use.\n");
QByteArray noDisplayText;

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
    std::fputs(noDisplayText.constData(), stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv)
{
    // The command line is read before the application object, which would need a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLineRequest request = ReadCommandLine(arguments);
    switch (request) {
    case CommandLineRequest::Help:
    case CommandLineRequest::Version:
        return Print(TerminalText(argc, argv, request), stdout, 0);
    case CommandLineRequest::Usage:
        return Print(TerminalText(argc, argv, request), stderr, 2);
    case CommandLineRequest::RunWizard:
        break;
    }

    auto early = std::make_unique<QTranslator>();
    const bool translated = translations::LoadProgramTranslation(*early);
    const QString noDisplay = translated ? early->translate("tabrep", kNoDisplay) : QString();
    noDisplayText = (noDisplay.isEmpty() ? QString::fromUtf8(kNoDisplay) : noDisplay).toLocal8Bit();
    qtMessages = qInstallMessageHandler(EndWithoutDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessages);
    PrepareProgram(app, translated ? early.release() : nullptr);
    shell::TFrmTabrep window(store::Session::defaultSession());
    if (!window.created())
        return 1;
    window.show();
    return app.exec();
}
