#pragma once

#include "db/Column.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class DataSet;

namespace db {
class Transaction;
}

namespace sorvik::package {

// The columns of a table of this database with their type letters, as the database itself
// describes them. A column name from a package reaches SQL only after it was found here.
class TableColumns
{
public:
    TableColumns() = default;

    // The columns of "Select * from " + `table`; raises db::Error when there is no such
    // table. `table` must be one of the program's own table names.
    static TableColumns ofTable(db::Transaction &transaction, const QString &table);
    static TableColumns of(const QList<db::Column> &columns);
    // The columns of an open dataset (the record an editor imports into).
    static TableColumns ofDataSet(const DataSet &dataSet);

    const QStringList &names() const { return m_names; }
    bool contains(const QString &name) const { return m_letters.contains(name.toUpper()); }
    // "S", "B", "D" or "N"; empty for a column the table lacks.
    QString letter(const QString &name) const { return m_letters.value(name.toUpper()); }

private:
    QStringList m_names;
    QHash<QString, QString> m_letters;
};

}  // namespace sorvik::package
