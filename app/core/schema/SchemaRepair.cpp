#include "SchemaRepair.h"

#include "SchemaDefinition.h"
#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"

namespace {

QStringList indexNames(db::Transaction &transaction)
{
    QStringList names;
    db::Query query(transaction);
    query.setSql(QStringLiteral("select trim(RDB$INDEX_NAME) from RDB$INDICES"));
    for (query.open(); !query.eof(); query.next())
        names << query.field(0).asString();
    return names;
}

}  // namespace

QStringList SchemaRepairStatements(const QStringList &kikaiColumns, const QStringList &indexes)
{
    QStringList statements;
    for (const QString &name : KikaiCheckColumns()) {
        const QString old = QString(name).remove(QLatin1Char('_'));
        if (kikaiColumns.contains(old, Qt::CaseInsensitive) && !kikaiColumns.contains(name, Qt::CaseInsensitive))
            statements << QStringLiteral("alter table KIKAI alter column %1 to %2").arg(old, name);
    }
    if (!indexes.contains(QLatin1String(ParentIndexName), Qt::CaseInsensitive))
        statements << QLatin1String(ParentIndexStatement);
    return statements;
}

void RepairSchema(db::Database &database, db::Transaction &transaction)
{
    const QStringList statements
        = SchemaRepairStatements(database.fieldNames(QStringLiteral("KIKAI")), indexNames(transaction));
    if (statements.isEmpty())
        return;
    try {
        db::Query query(transaction);
        for (const QString &statement : statements) {
            query.setSql(statement);
            query.exec();
        }
        transaction.commitRetaining();
    } catch (const db::Error &) {
        transaction.rollbackRetaining();
        throw;
    }
}
