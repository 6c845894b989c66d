#include "PrintChecks.h"

#include "db/Query.h"
#include "db/SqlText.h"

namespace sorvik::documents::PrintChecks {

QStringList QualifiedContractors(db::Transaction &transaction, const QString &kojiCode)
{
    db::Query query(transaction);
    query.setSql(QStringLiteral("Select DISTINCT GYOCD from INSIKAKU where KJCD = ") + SqlIntOrNull(kojiCode)
                 + QStringLiteral(" order by GYOCD"));
    QStringList codes;
    for (query.open(); !query.eof(); query.next())
        codes << query.field(0).asString();
    return codes;
}

QStringList QualificationNames(db::Transaction &transaction, const QString &kojiCode)
{
    db::Query query(transaction);
    query.setSql(QStringLiteral("Select DISTINCT SKNM from INSIKAKU where KJCD = ") + SqlIntOrNull(kojiCode)
                 + QStringLiteral(" and SKNM is not null order by SKNM"));
    QStringList names;
    for (query.open(); !query.eof(); query.next())
        names << query.field(0).asString();
    return names;
}

}  // namespace sorvik::documents::PrintChecks
