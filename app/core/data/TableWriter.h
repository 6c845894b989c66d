#pragma once

#include <QList>
#include <QVariant>
#include <QVector>

struct TableSchema;

namespace db {
class Transaction;
}

// Writes the records of a table dataset: INSERT of all columns, UPDATE of the changed
// columns and DELETE, each addressed by the primary key. Failures rise as db::Error with
// the engine's text; a failed statement changes nothing.
class TableWriter
{
public:
    TableWriter(db::Transaction &transaction, const TableSchema &schema);

    // Inserts `values` (one per column) and returns the primary key as the database
    // stored it, so that keys assigned by triggers are known at once.
    QVariantList insert(const QVector<QVariant> &values);
    // Writes the columns whose value differs from `original`; the row is found by the
    // primary key in `original`. Nothing is written when nothing changed.
    void update(const QVector<QVariant> &values, const QVector<QVariant> &original, const QVector<bool> &loaded);
    void remove(const QVector<QVariant> &original);

    QVariantList keyOf(const QVector<QVariant> &values) const;

private:
    QList<int> keyColumns() const;

    db::Transaction &m_transaction;
    const TableSchema &m_schema;
};
