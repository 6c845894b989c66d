#include "QueryDataSet.h"

#include "db/Query.h"

QueryDataSet::QueryDataSet(db::Transaction &transaction)
    : m_transaction(transaction)
{
}

void QueryDataSet::SetSQL(const QString &sql)
{
    Close();
    m_sql = sql;
}

qint64 QueryDataSet::ExecSQL()
{
    db::Query query(m_transaction);
    query.setSql(m_sql);
    query.exec();
    return query.rowsAffected();
}

void QueryDataSet::loadRows(std::vector<Row> &rows, QList<db::Column> &columns)
{
    db::Query query(m_transaction);
    query.setSql(m_sql);
    columns = query.columns();
    const int count = int(columns.size());
    for (query.open(); !query.eof(); query.next()) {
        Row row{QVector<QVariant>(count), QVector<bool>(count, true)};
        for (int i = 0; i < count; ++i)
            row.values[i] = query.field(i).value();
        rows.push_back(std::move(row));
    }
}
