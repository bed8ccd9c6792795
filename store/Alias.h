#pragma once

#include <QString>

namespace store {

class Session;

// The host's database alias, in whose directory its tables and the reports lie.
inline const QString HostAlias = QStringLiteral("OMNIV");

// The database alias every table of the program is pointed at: empty until
// the main window is created, then HostAlias for the rest of the run.
extern QString DatabaseAlias;

// The directory of a database alias: the text after "PATH=" of the last
// parameter line that contains it, or empty when none does.
QString GetAliasDirectory(Session& session, const QString& alias);
// The same through the program's default session.
QString GetAliasDirectory(const QString& alias);

} // namespace store
