// The field catalogue: filling the two pick lists of the field-selection page.
#include "wizard/Wizard.h"

#include "wizard/pages/FieldSelectionPage.h"
#include "wizard/pages/CategoryPage.h"
#include "ui/Hourglass.h"
#include "design/HostTables.h"
#include "rules/EventFieldMap.h"


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

void Wizard::FillPickFields(PageTurn turn)
{
    ensurePages(); // the lists follow the category and type pages
    if (turn == PageTurn::Backward)
        return;
    if (fields_->tickedCount() > 0 && !state_.CatalogueDirty)
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
    const std::optional<Category> chosen = categoryPage().category();
    for (const auto& [option, category] : categories)
        if (option == chosen) {
            state_.InfoKind = category.kind;
            state_.EventCategory = QString::fromLatin1(category.word);
            fields_->setEventHeading(tr(category.heading));
        }

    fields_->clearCatalogue();
    state_.ContactMemoChosen = false;
    state_.EventMemoChosen = false;

    QStringList contacts = hostTables_->contactFieldNames();
    for (const char* combination : {"salutfirstlast", "firstlast", "citystatezip"})
        contacts << QString::fromLatin1(combination);

    QStringList events;
    rules::FillEventFieldList(CategoryWordOf(state_.InfoKind), events);

    fields_->fillCatalogue(contacts, events, chosen != Category::Contact);
}
