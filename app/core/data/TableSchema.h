#pragma once

#include "db/Column.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace db {
class Transaction;
}

// What a table dataset needs to know about its table: the columns in table order with
// their kinds, the primary key, and the columns of a named index.
struct TableSchema
{
    QString table;
    QList<db::Column> columns;
    QStringList primaryKey;

    // Reads the description of `table`; db::Error when there is no such table.
    static TableSchema read(db::Transaction &transaction, const QString &table);
    // The ORDER BY list of the index `indexName` of `table` ("KJCD, GYOCD, ODRNO", with
    // DESC for a descending index); db::Error when the table has no such index.
    static QString indexOrder(db::Transaction &transaction, const QString &table, const QString &indexName);

    int indexOf(const QString &column) const;
    bool isBinaryBlob(int column) const { return columns.at(column).kind == db::Column::Kind::Blob; }
};
