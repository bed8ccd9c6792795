#pragma once

#include "store/paradox/PxTable.h"

#include <vector>

namespace demo {

// Columns of EVENT.DB in table order: every field the wizard's event categories
// offer, the event's number and the CustomID of the contact it belongs to.
namespace eventcol {
enum : int {
    EventID, CustomID, EventDate, EventTime, Type, Summary, Elapsed, Status, Duration,
    Where, TemplateName, Completed, AlarmTime, AlarmLead, Memo, Count,
};
} // namespace eventcol

inline constexpr int DemoEventCount = 40;

px::TableDefinition eventTableDefinition();

// The demo events in date order, linked to the first contacts of the demo
// contact table (none are linked when there are no contacts).
std::vector<std::vector<px::Value>> eventRecords(int contactCount);

} // namespace demo
