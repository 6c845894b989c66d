#include "TableColumns.h"

#include "PackageScheme.h"
#include "data/DataSet.h"
#include "db/Query.h"

namespace sorvik::package {

namespace {

void add(QStringList &names, QHash<QString, QString> &letters, const db::Column &column)
{
    const QString name = column.name.toUpper();
    names << name;
    letters.insert(name, typeLetter(column.kind));
}

}  // namespace

TableColumns TableColumns::ofTable(db::Transaction &transaction, const QString &table)
{
    db::Query query(transaction);
    query.setSql(QStringLiteral("Select * from ") + table);
    TableColumns columns;
    for (const db::Column &column : query.columns())
        add(columns.m_names, columns.m_letters, column);
    return columns;
}

TableColumns TableColumns::ofDataSet(const DataSet &dataSet)
{
    TableColumns columns;
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        add(columns.m_names, columns.m_letters, dataSet.FieldInfo(i));
    return columns;
}

}  // namespace sorvik::package
