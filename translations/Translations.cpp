#include "translations/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace translations {
namespace {

// The name of the program's translator among the application's children.
constexpr char kProgramTranslator[] = "tabrep";

} // namespace

bool LoadProgramTranslation(QTranslator& translator)
{
    return translator.load(QLocale(), QStringLiteral("tabrep"), QStringLiteral("_"), QStringLiteral(":/translations"));
}

void Install(QCoreApplication& app, QTranslator* loaded)
{
    // The program's own translation first: Qt's texts are loaded only in a language
    // the program speaks, so a window never mixes two languages besides English.
    QTranslator* program = loaded;
    if (program) {
        program->setParent(&app);
    } else {
        program = new QTranslator(&app);
        if (!LoadProgramTranslation(*program)) {
            delete program;
            return;
        }
    }
    program->setObjectName(QLatin1String(kProgramTranslator));
    QCoreApplication::installTranslator(program);
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(program->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

QString Language()
{
    const auto* app = QCoreApplication::instance();
    const auto* program =
        app ? app->findChild<QTranslator*>(QLatin1String(kProgramTranslator), Qt::FindDirectChildrenOnly) : nullptr;
    return program ? program->language() : QString();
}

} // namespace translations
