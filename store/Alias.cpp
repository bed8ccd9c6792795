#include "store/Alias.h"

#include "store/engine/Session.h"

namespace store {

QString DatabaseAlias;

QString GetAliasDirectory(Session& session, const QString& alias)
{
    return session.aliasDirectory(alias);
}

QString GetAliasDirectory(const QString& alias)
{
    return GetAliasDirectory(Session::defaultSession(), alias);
}

} // namespace store
