#pragma once

#include "preview/PreviewReport.h"
#include "preview/ValueText.h"
#include "store/paradox/PxTable.h"

#include <QLocale>
#include <QStringList>
#include <vector>

namespace preview {

// The columns of CONTACT.DB and EVENT.DB that one row is read with.
using Row = std::vector<px::Value>;

// Where a report field's value comes from.
struct FieldColumn {
    enum class From { Nothing, Contact, Event, Combination };
    From from = From::Nothing;
    int column = -1;          // in its table (Contact, Event)
    ColumnKind kind;
    std::vector<int> parts;   // a combination: its contact columns, -1 where the table has none
    int separatorAfterFirst = 0; // a combination: 1 puts ", " after the first part (city, state and ZIP)
};

// The report's fields found in the two tables' columns, and which columns a
// pass must read.
struct HostColumns {
    std::vector<FieldColumn> fields;   // one for each report field
    std::vector<bool> contactColumns;  // to decode, per CONTACT.DB field
    std::vector<bool> eventColumns;    // per EVENT.DB field
    bool needsContacts = false;
    bool needsEvents = false;
    QStringList notices;               // fields found in neither table
};

// The index of the column named name in any letter case; -1 when there is none.
int ColumnNamed(const px::Header& header, const QString& name);

// Finds each field: an event field (DbType 1) in EVENT.DB, any other in
// CONTACT.DB, the combination fields salutfirstlast, firstlast and citystatezip
// composed of the contact's Salutation, FirstName, LastName, City, State and
// ZipCode. A header may be null when its table is not read.
HostColumns ResolveColumns(const PreviewReport& report, const px::Header* contacts, const px::Header* events);

// The value a field shows for a block's contact and event (either null when the block has none).
CellText CellOf(const FieldColumn& field, const Row* contact, const Row* event, const QLocale& locale);
// The stored value behind it, for summaries; null for a combination or nothing.
const px::Value* ValueOf(const FieldColumn& field, const Row* contact, const Row* event);

} // namespace preview
