#pragma once

#include "db/Query.h"
#include "db/Transaction.h"

#include <QString>

// Short SQL for test set-ups and checks on a transaction.
inline void ExecSql(db::Transaction &transaction, const QString &sql)
{
    db::Query query(transaction);
    query.setSql(sql);
    query.exec();
}

// The first column of the first row as text, or "<no row>".
inline QString ScalarSql(db::Transaction &transaction, const QString &sql)
{
    db::Query query(transaction);
    query.setSql(sql);
    query.open();
    return query.eof() ? QStringLiteral("<no row>") : query.field(0).asString();
}
