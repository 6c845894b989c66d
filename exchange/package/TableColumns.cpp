#include "TableColumns.h"

#include "PackageScheme.h"
#include "data/DataSet.h"
#include "db/Query.h"

namespace sorvik::package {

TableColumns TableColumns::of(const QList<db::Column> &columns)
{
    TableColumns result;
    for (const db::Column &column : columns) {
        const QString name = column.name.toUpper();
        result.m_names << name;
        result.m_letters.insert(name, typeLetter(column.kind));
    }
    return result;
}

TableColumns TableColumns::ofTable(db::Transaction &transaction, const QString &table)
{
    db::Query query(transaction);
    query.setSql(QStringLiteral("Select * from ") + table);
    return of(query.columns());
}

TableColumns TableColumns::ofDataSet(const DataSet &dataSet)
{
    QList<db::Column> columns;
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        columns << dataSet.FieldInfo(i);
    return of(columns);
}

}  // namespace sorvik::package
