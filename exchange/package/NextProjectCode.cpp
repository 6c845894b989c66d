#include "NextProjectCode.h"

#include "db/Query.h"

namespace sorvik::package {

QString nextProjectCode(db::Transaction &transaction)
{
    db::Query query(transaction);
    query.setSql(QStringLiteral("Select MAX(KJCD) AS KC from KOJI"));
    query.open();
    return QString::number((query.eof() ? 0 : query.field(QStringLiteral("KC")).asInt64()) + 1);
}

}  // namespace sorvik::package
