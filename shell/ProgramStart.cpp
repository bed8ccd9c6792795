#include "shell/ProgramStart.h"

#include "shell/ProgramIdentity.h"
#include "shell/SessionPasswords.h"
#include "store/engine/Session.h"
#include "translations/Translations.h"

#include <QApplication>

void PrepareProgram(QApplication& app, QTranslator* early)
{
    if (early) // none: the desktop's language has no translation, the texts stay English
        translations::Install(app, early);
    RegisterSessionPasswords(store::Session::defaultSession());
    // The application title goes into the application name: as the display
    // name Qt would append it to every window caption.
    QApplication::setApplicationName(QStringLiteral("Tabulon Lan"));
    SetProgramIdentity();
}
