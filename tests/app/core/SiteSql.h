#pragma once

#include "db/Query.h"
#include "db/Transaction.h"

#include <QStringList>

// Statements a test writes straight into its database, committed at once, and the values
// of one result column it reads back.
inline void ExecuteCommitted(db::Transaction &transaction, const QStringList &statements)
{
    db::Query query(transaction);
    for (const QString &sql : statements) {
        query.setSql(sql);
        query.exec();
    }
    transaction.commitRetaining();
}

inline QStringList ColumnValues(db::Transaction &transaction, const QString &sql)
{
    QStringList values;
    db::Query query(transaction);
    query.setSql(sql);
    for (query.open(); !query.eof(); query.next())
        values << query.field(0).asString();
    return values;
}
