#pragma once

#include "tests/support/WizardDriver.h"

// The report files that the wizard's walk-throughs make, byte for byte: the
// same in every language of the desktop.

// A contact report "Phone List" with the detail level and LastName, on US paper.
inline QByteArray PhoneListReport()
{
    return Crlf({"Phone List", "Contact", "Contact", "75", "2",
                 "0", "", "", "CustomID", "CustomID", "1", "1", "25", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                 "0", "", "", "LastName", "LastName", "1", "26", "49", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"});
}

// A calendar report "Calendar" of the event category, A4 landscape, with
// LastName, the event's date and its subject (stored as EventDate, Summary).
inline QByteArray CalendarEventReport()
{
    return Crlf({"Calendar", "Calendar", "Event", "115", "3",
                 "0", "", "", "LastName", "LastName", "1", "1", "38", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                 "1", "", "", "EventDate", "EventDate", "1", "39", "76", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                 "1", "", "", "Summary", "Summary", "1", "77", "114", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"});
}
