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

}  // namespace sorvik::documents::PrintChecks
