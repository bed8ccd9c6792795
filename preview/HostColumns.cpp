#include "preview/HostColumns.h"

#include <QCoreApplication>

namespace preview {

namespace {

struct Combination {
    const char* name;
    std::vector<const char*> parts;
    int separatorAfterFirst;
};

const std::vector<Combination>& Combinations()
{
    static const std::vector<Combination> list = {
        {"salutfirstlast", {"Salutation", "FirstName", "LastName"}, 0},
        {"firstlast", {"FirstName", "LastName"}, 0},
        {"citystatezip", {"City", "State", "ZipCode"}, 1},
    };
    return list;
}

void Mark(std::vector<bool>& columns, int column)
{
    if (column >= 0)
        columns[std::size_t(column)] = true;
}

} // namespace

int ColumnNamed(const px::Header& header, const QString& name)
{
    for (std::size_t i = 0; i < header.fields.size(); ++i)
        if (header.fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

HostColumns ResolveColumns(const PreviewReport& report, const px::Header* contacts, const px::Header* events)
{
    HostColumns result;
    result.contactColumns.assign(contacts ? contacts->fields.size() : 0, false);
    result.eventColumns.assign(events ? events->fields.size() : 0, false);
    for (const PreviewField& field : report.fields) {
        FieldColumn column;
        const px::Header* table = field.event ? events : contacts;
        const auto combination = std::find_if(Combinations().begin(), Combinations().end(),
                                              [&](const Combination& c) { return field.name == QLatin1String(c.name); });
        if (!field.event && combination != Combinations().end() && contacts
            && ColumnNamed(*contacts, field.name) < 0) {
            column.from = FieldColumn::From::Combination;
            column.separatorAfterFirst = combination->separatorAfterFirst;
            for (const char* part : combination->parts) {
                const int index = ColumnNamed(*contacts, QLatin1String(part));
                column.parts.push_back(index);
                Mark(result.contactColumns, index);
            }
            result.needsContacts = true;
        } else if (table && (column.column = ColumnNamed(*table, field.name)) >= 0) {
            const px::FieldDesc& desc = table->fields[std::size_t(column.column)];
            column.kind = ColumnKind{desc.code, desc.size};
            column.from = field.event ? FieldColumn::From::Event : FieldColumn::From::Contact;
            Mark(field.event ? result.eventColumns : result.contactColumns, column.column);
            (field.event ? result.needsEvents : result.needsContacts) = true;
        } else if (table) {
            result.notices << QCoreApplication::translate("Preview", "%1 has no field %2; its column stays empty.")
                                  .arg(field.event ? QStringLiteral("EVENT.DB") : QStringLiteral("CONTACT.DB"),
                                       field.name);
        }
        result.fields.push_back(std::move(column));
    }
    return result;
}

const px::Value* ValueOf(const FieldColumn& field, const Row* contact, const Row* event)
{
    const Row* row = field.from == FieldColumn::From::Contact ? contact
                     : field.from == FieldColumn::From::Event ? event
                                                              : nullptr;
    if (!row || field.column < 0 || std::size_t(field.column) >= row->size())
        return nullptr;
    return &(*row)[std::size_t(field.column)];
}

CellText CellOf(const FieldColumn& field, const Row* contact, const Row* event, const QLocale& locale)
{
    if (field.from != FieldColumn::From::Combination) {
        const px::Value* value = ValueOf(field, contact, event);
        return value ? TextOf(*value, field.kind, locale) : CellText{};
    }
    if (!contact)
        return {};
    // The parts that hold something, blank-separated; city, state and ZIP as "City, ST 12345".
    QString text;
    for (std::size_t i = 0; i < field.parts.size(); ++i) {
        const int column = field.parts[i];
        if (column < 0 || std::size_t(column) >= contact->size())
            continue;
        const px::Value& value = (*contact)[std::size_t(column)];
        const QString part = value.kind == px::Value::Kind::Text ? value.text.trimmed() : QString();
        if (part.isEmpty())
            continue;
        if (!text.isEmpty())
            text += i == 1 && field.separatorAfterFirst ? QStringLiteral(", ") : QStringLiteral(" ");
        text += part;
    }
    return {text, Align::Left};
}

} // namespace preview
