#include "TableSchema.h"

#include "db/SqlText.h"
#include "db/Database.h"
#include "db/Error.h"
#include "db/Query.h"
#include "db/Transaction.h"

TableSchema TableSchema::read(db::Transaction &transaction, const QString &table)
{
    TableSchema schema;
    schema.table = table.trimmed().toUpper();
    db::Database &database = transaction.database();
    if (database.fieldNames(schema.table).isEmpty())
        throw db::Error(QStringLiteral("テーブル '%1' が見つかりません。").arg(table));
    db::Query query(transaction);
    query.setSql(QStringLiteral("select * from %1").arg(schema.table));
    schema.columns = query.columns();
    schema.primaryKey = database.primaryKeyFields(schema.table);
    return schema;
}

QString TableSchema::indexOrder(db::Transaction &transaction, const QString &table, const QString &indexName)
{
    db::Query query(transaction);
    query.setSql(QStringLiteral("select s.RDB$FIELD_NAME, i.RDB$INDEX_TYPE from RDB$INDICES i"
                                " join RDB$INDEX_SEGMENTS s on s.RDB$INDEX_NAME = i.RDB$INDEX_NAME"
                                " where i.RDB$INDEX_NAME = %1 and i.RDB$RELATION_NAME = %2"
                                " order by s.RDB$FIELD_POSITION")
                     .arg(SqlQuote(indexName.trimmed().toUpper()), SqlQuote(table.trimmed().toUpper())));
    QStringList columns;
    for (query.open(); !query.eof(); query.next()) {
        const bool descending = query.field(1).asInt() == 1;
        columns << query.field(0).asString().trimmed() + (descending ? QStringLiteral(" DESC") : QString());
    }
    if (columns.isEmpty())
        throw db::Error(QStringLiteral("テーブル '%1' に索引 '%2' が見つかりません。").arg(table, indexName));
    return columns.join(QStringLiteral(", "));
}

int TableSchema::indexOf(const QString &column) const
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].name.compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
