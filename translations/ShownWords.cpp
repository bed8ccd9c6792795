#include "translations/ShownWords.h"

#include <QCoreApplication>

namespace translations {

namespace {

QString Shown(const char* word)
{
    return QCoreApplication::translate("ReportWords", word);
}

} // namespace

QString ShownWord(store::ReportType type)
{
    switch (type) {
    case store::ReportType::Contact:
        return Shown(QT_TRANSLATE_NOOP("ReportWords", "Contact"));
    case store::ReportType::Calendar:
        return Shown(QT_TRANSLATE_NOOP("ReportWords", "Calendar"));
    }
    return {};
}

QString ShownWord(store::Category category)
{
    switch (category) {
    case store::Category::Contact:
        return Shown(QT_TRANSLATE_NOOP("ReportWords", "Contact"));
    case store::Category::Event:
        return Shown(QT_TRANSLATE_NOOP("ReportWords", "Event"));
    case store::Category::Note:
        return Shown(QT_TRANSLATE_NOOP("ReportWords", "Note"));
    case store::Category::Call:
        return Shown(QT_TRANSLATE_NOOP("ReportWords", "Call"));
    case store::Category::Letter:
        return Shown(QT_TRANSLATE_NOOP("ReportWords", "Letter"));
    case store::Category::Meeting:
        return Shown(QT_TRANSLATE_NOOP("ReportWords", "Meeting"));
    case store::Category::Todo:
        return Shown(QT_TRANSLATE_NOOP("ReportWords", "TO-DO"));
    }
    return {};
}

QString ShownTypeLine(const QString& line)
{
    // Where the desktop's language has no other word, the line is shown as it stands ("contact").
    const std::optional<store::ReportType> type = store::ReportTypeNamed(line);
    if (!type)
        return line;
    const QString shown = ShownWord(*type);
    return shown == store::WordOf(*type) ? line : shown;
}

} // namespace translations
