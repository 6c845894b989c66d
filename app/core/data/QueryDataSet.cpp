#include "QueryDataSet.h"

#include "SqlStatement.h"
#include "db/Query.h"

QueryDataSet::QueryDataSet(db::Transaction &transaction)
    : m_transaction(transaction)
{
}

void QueryDataSet::SetSQL(const QString &sql, const QVariantList &params)
{
    Close();
    m_sql = sql;
    m_params = params;
}

qint64 QueryDataSet::ExecSQL()
{
    db::Query query(m_transaction);
    SetStatement(query, {m_sql, m_params});
    query.exec();
    return query.rowsAffected();
}

void QueryDataSet::loadRows(std::vector<Row> &rows, QList<db::Column> &columns)
{
    db::Query query(m_transaction);
    SetStatement(query, {m_sql, m_params});
    columns = query.columns();
    const int count = int(columns.size());
    for (query.open(); !query.eof(); query.next()) {
        Row row{QVector<QVariant>(count), QVector<bool>(count, true)};
        for (int i = 0; i < count; ++i)
            row.values[i] = query.field(i).value();
        rows.push_back(std::move(row));
    }
}
