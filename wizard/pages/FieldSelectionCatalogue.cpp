// The field catalogue of the field-selection page: its two pick lists filled
// with the contact table's fields and those of the report's event category.
#include "wizard/pages/FieldSelectionPage.h"

#include "design/HostTables.h"
#include "design/ReportSession.h"
#include "rules/EventFieldMap.h"
#include "ui/Hourglass.h"
#include "ui/PickList.h"

#include <QLabel>

namespace wizard {

namespace {

struct CategoryEntry {
    QChar kind;
    const char* word;
    const char* heading;
};

QString CategoryWordOf(QChar kind)
{
    switch (kind.unicode()) {
    case 'C': return QStringLiteral("CALL");
    case 'E': return QStringLiteral("GENERIC");
    case 'L': return QStringLiteral("LETTER");
    case 'M': return QStringLiteral("MEETING");
    case 'N': return QStringLiteral("NOTE");
    case 'T': return QStringLiteral("TO-DO");
    default: return {};
    }
}

} // namespace

bool FieldSelectionPage::enter(wizard::PageTurn turn)
{
    if (mode_ == wizard::Mode::Create)
        FillPickFields(turn);
    return true;
}

void FieldSelectionPage::FillPickFields(wizard::PageTurn turn)
{
    if (turn == wizard::PageTurn::Backward)
        return;
    if (tickedCount() > 0 && !catalogue_.CatalogueDirty)
        return;
    const ui::Hourglass hourglass;

    using store::Category;
    const std::pair<Category, CategoryEntry> categories[] = {
        {Category::Event, {u'E', "GENERIC", QT_TR_NOOP("Event-related Fields")}},
        {Category::Call, {u'C', "CALL", QT_TR_NOOP("Call-related Fields")}},
        {Category::Letter, {u'L', "LETTER", QT_TR_NOOP("Letter-related Fields")}},
        {Category::Meeting, {u'M', "MEETING", QT_TR_NOOP("Meeting-related Fields")}},
        {Category::Todo, {u'T', "TO-DO", QT_TR_NOOP("To-do - related Fields")}},
        {Category::Note, {u'N', "NOTE", QT_TR_NOOP("Note-related Fields")}},
    };
    const std::optional<Category> chosen = session_.head().category;
    for (const auto& [option, category] : categories)
        if (option == chosen) {
            catalogue_.InfoKind = category.kind;
            session_.setEventCategory(QString::fromLatin1(category.word));
            LblEvent->setText(tr(category.heading));
            PickEventField->setAccessibleName(LblEvent->text());
        }

    clearCatalogue();
    catalogue_.ContactMemoChosen = false;
    catalogue_.EventMemoChosen = false;

    QStringList contacts = hostTables_.contactFieldNames();
    for (const char* combination : {"salutfirstlast", "firstlast", "citystatezip"})
        contacts << QString::fromLatin1(combination);

    QStringList events;
    rules::FillEventFieldList(CategoryWordOf(catalogue_.InfoKind), events);

    fillCatalogue(contacts, events, chosen != Category::Contact);
}

} // namespace wizard
