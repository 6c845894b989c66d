#include "NextCode.h"

#include "db/Query.h"

QString NextCode(db::Transaction &transaction, const SqlStatement &maxQuery)
{
    db::Query query(transaction);
    SetStatement(query, maxQuery);
    query.open();
    const qint64 largest = query.eof() || query.field(0).isNull() ? 0 : query.field(0).asInt64();
    return QString::number(largest + 1);
}
