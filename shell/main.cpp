#include "shell/SessionPasswords.h"
#include "shell/TFrmTabrep.h"
#include "store/engine/Session.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    RegisterSessionPasswords(store::Session::defaultSession());
    // The application title goes into the application name: as the display
    // name Qt would append it to every window caption.
    QApplication::setApplicationName(QStringLiteral("Tabulon Lan"));
    TFrmTabrep window(store::Session::defaultSession());
    if (!window.created())
        return 1;
    window.show();
    return app.exec();
}
