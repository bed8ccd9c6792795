#include "Alias.h"

#include "Session.h"

#include <QStringList>

namespace store {

QString DatabaseAlias;

QString GetAliasDirectory(Session& session, const QString& alias)
{
    QString directory;
    for (const QString& line : session.GetAliasParams(alias))
        if (line.contains(QStringLiteral("PATH=")))
            directory = line.mid(5);
    return directory;
}

QString GetAliasDirectory(const QString& alias)
{
    return GetAliasDirectory(Session::defaultSession(), alias);
}

} // namespace store
