#pragma once

#include <QLatin1StringView>
#include <QString>
#include <optional>

namespace store {

// Line 2 of a report: its type.
enum class ReportType { Contact, Calendar };

// Line 3 of a report: its information category.
enum class Category { Contact, Event, Note, Call, Letter, Meeting, Todo };

// The words a report file holds for them, as written: "Contact" and "Calendar";
// "Contact", "Event", "Note", "Call", "Letter", "Meeting" and "TO-DO".
QLatin1StringView WordOf(ReportType type);
QLatin1StringView WordOf(Category category);

// The type or category whose word line is in any letter case; none for any other line.
std::optional<ReportType> ReportTypeNamed(const QString& line);
std::optional<Category> CategoryNamed(const QString& line);

} // namespace store
