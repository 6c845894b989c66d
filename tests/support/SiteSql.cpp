#include "SiteSql.h"

#include "data/SqlStatement.h"
#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"

void ExecSql(db::Transaction &transaction, const QString &sql)
{
    db::Query query(transaction);
    query.setSql(sql);
    query.exec();
}

void ExecuteCommitted(db::Transaction &transaction, const QStringList &statements)
{
    for (const QString &sql : statements)
        ExecSql(transaction, sql);
    transaction.commitRetaining();
}

QStringList ColumnValues(db::Transaction &transaction, const QString &sql)
{
    return ColumnValues(transaction, SqlStatement{sql, {}});
}

QStringList ColumnValues(db::Transaction &transaction, const SqlStatement &sql)
{
    QStringList values;
    db::Query query(transaction);
    SetStatement(query, sql);
    for (query.open(); !query.eof(); query.next())
        values << query.field(0).asString();
    return values;
}

QString ScalarValue(db::Transaction &transaction, const QString &sql)
{
    const QStringList values = ColumnValues(transaction, sql);
    return values.isEmpty() ? QStringLiteral("<no row>") : values.first();
}

void ExecuteOnFile(const QString &path, const QStringList &statements)
{
    db::Database database;
    database.setDatabaseName(path);
    database.open();
    db::Transaction transaction(database);
    ExecuteCommitted(transaction, statements);
    transaction.commit();
}

QStringList ColumnValuesOnFile(const QString &path, const QString &sql)
{
    db::Database database;
    database.setDatabaseName(path);
    database.open();
    db::Transaction transaction(database);
    return ColumnValues(transaction, sql);
}
