#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

// The program's texts in the desktop's language: the translation that QLocale's
// languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) ask for first, and Qt's own
// texts in the same language. English is the language of the sources: without
// a translation for the desktop's language every text stays as written.
namespace translations {

// Installs the program's translation and Qt's own on app, as its children (deleting
// them takes them back); needs the application object, which QCoreApplication::translate asks.
// loaded, when given, is the program's translation that LoadProgramTranslation
// has loaded already: app takes it over rather than unpacking the file again.
void Install(QCoreApplication& app, QTranslator* loaded = nullptr);

// Loads the program's translation for the desktop's language into translator;
// false when the texts stay English. A translator so loaded answers without an
// application object, as for a text needed before one exists.
bool LoadProgramTranslation(QTranslator& translator);

// The language of the translation installed ("de"), empty while the texts are English.
QString Language();

} // namespace translations
