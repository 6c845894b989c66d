#include "TableWriter.h"

#include "TableSchema.h"
#include "db/Error.h"
#include "db/Query.h"

#include <QStringList>

TableWriter::TableWriter(db::Transaction &transaction, const TableSchema &schema)
    : m_transaction(transaction)
    , m_schema(schema)
{
}

QList<int> TableWriter::keyColumns() const
{
    if (m_schema.primaryKey.isEmpty())
        throw db::Error(QStringLiteral("テーブル '%1' に主キーが無いため更新できません。").arg(m_schema.table));
    QList<int> columns;
    for (const QString &name : m_schema.primaryKey)
        columns << m_schema.indexOf(name);
    return columns;
}

QVariantList TableWriter::keyOf(const QVector<QVariant> &values) const
{
    QVariantList key;
    for (int column : keyColumns())
        key << values.value(column);
    return key;
}

namespace {

QString keyCondition(const TableSchema &schema)
{
    QStringList terms;
    for (const QString &name : schema.primaryKey)
        terms << name + QStringLiteral(" = ?");
    return terms.join(QStringLiteral(" and "));
}

}  // namespace

// An EXECUTE BLOCK around INSERT ... RETURNING, because only a selectable statement
// hands back the values the triggers assigned.
QVariantList TableWriter::insert(const QVector<QVariant> &values)
{
    const QList<int> keys = keyColumns();
    QStringList params, names, places, returns, returned, targets;
    for (int i = 0; i < m_schema.columns.size(); ++i) {
        const QString &name = m_schema.columns[i].name;
        params << QStringLiteral("P%1 type of column %2.%3 = ?").arg(i).arg(m_schema.table, name);
        names << name;
        places << QStringLiteral(":P%1").arg(i);
    }
    for (int k = 0; k < keys.size(); ++k) {
        const QString &name = m_schema.columns[keys[k]].name;
        returns << QStringLiteral("K%1 type of column %2.%3").arg(k).arg(m_schema.table, name);
        returned << name;
        targets << QStringLiteral(":K%1").arg(k);
    }
    db::Query query(m_transaction);
    query.setSql(QStringLiteral("execute block (%1) returns (%2) as begin"
                                " insert into %3 (%4) values (%5) returning %6 into %7; suspend; end")
                     .arg(params.join(QStringLiteral(", ")), returns.join(QStringLiteral(", ")), m_schema.table,
                          names.join(QStringLiteral(", ")), places.join(QStringLiteral(", ")),
                          returned.join(QStringLiteral(", ")), targets.join(QStringLiteral(", "))));
    for (int i = 0; i < m_schema.columns.size(); ++i)
        query.setParam(i, values.value(i));
    query.open();
    QVariantList key;
    for (int k = 0; k < keys.size(); ++k)
        key << query.field(k).value();
    query.close();
    return key;
}

void TableWriter::update(const QVector<QVariant> &values, const QVector<QVariant> &original,
                         const QVector<bool> &loaded)
{
    QStringList sets;
    QVariantList params;
    for (int i = 0; i < m_schema.columns.size(); ++i) {
        if (!loaded.value(i, true) || values.value(i) == original.value(i))
            continue;
        sets << m_schema.columns[i].name + QStringLiteral(" = ?");
        params << values.value(i);
    }
    if (sets.isEmpty())
        return;
    params << keyOf(original);
    db::Query query(m_transaction);
    query.setSql(QStringLiteral("update %1 set %2 where %3")
                     .arg(m_schema.table, sets.join(QStringLiteral(", ")), keyCondition(m_schema)));
    for (int i = 0; i < params.size(); ++i)
        query.setParam(i, params[i]);
    query.exec();
    if (query.rowsAffected() == 0)
        throw db::Error(QStringLiteral("更新するレコードが見つかりません。他の操作で削除された可能性があります。"));
}

void TableWriter::remove(const QVector<QVariant> &original)
{
    const QVariantList key = keyOf(original);
    db::Query query(m_transaction);
    query.setSql(QStringLiteral("delete from %1 where %2").arg(m_schema.table, keyCondition(m_schema)));
    for (int i = 0; i < key.size(); ++i)
        query.setParam(i, key[i]);
    query.exec();
}
