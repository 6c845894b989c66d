#pragma once

#include <QString>
#include <QStringList>

struct SqlStatement;

namespace db {
class Transaction;
}

// Short SQL for test set-ups and checks.

// Runs each statement on `transaction`; nothing is committed.
void ExecSql(db::Transaction &transaction, const QString &sql);

// Runs the statements and commits them (retaining the transaction).
void ExecuteCommitted(db::Transaction &transaction, const QStringList &statements);

// The first column of every row, in result order.
QStringList ColumnValues(db::Transaction &transaction, const QString &sql);
QStringList ColumnValues(db::Transaction &transaction, const SqlStatement &sql);

// The first column of the first row as text, or "<no row>".
QString ScalarValue(db::Transaction &transaction, const QString &sql);

// The same through a connection of its own to the database file `path`, which sees only
// what was committed, as another program (or the next start) would.
void ExecuteOnFile(const QString &path, const QStringList &statements);
QStringList ColumnValuesOnFile(const QString &path, const QString &sql);
