#include "ServiceTarget.h"

#include "Database.h"
#include "Error.h"

namespace db {

ServiceTarget ServiceTarget::of(const QString &databaseName)
{
    if (!Database::isServerName(databaseName))
        return {QString(), databaseName};
    const qsizetype colon = databaseName.indexOf(QLatin1Char(':'));
    if (databaseName.contains(QLatin1String("://")) || colon < 0)
        throw Error(QStringLiteral("The service manager of this database cannot be reached: %1").arg(databaseName));
    return {databaseName.left(colon), databaseName.mid(colon + 1)};
}

QString ServiceTarget::databaseName(const QString &otherPath) const
{
    return host.isEmpty() ? otherPath : host + QLatin1Char(':') + otherPath;
}

}  // namespace db
