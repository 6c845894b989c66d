#pragma once

#include "Column.h"
#include "Field.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <vector>

namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
}  // namespace Firebird

namespace db {

class Transaction;

// One SQL statement on a transaction. For a SELECT: open() runs it and stands on the
// first row, next() moves on, eof() tells when the rows are used up, field() reads the
// current row. For anything else: exec(). Parameters are '?' in the text, numbered from 0.
//
//   Query q(transaction);
//   q.setSql("select NAME from SAGYOIN where KJCD = 1");
//   for (q.open(); !q.eof(); q.next())
//       names << q.field("NAME").asString();
//   q.close();
class Query
{
public:
    explicit Query(Transaction &transaction);
    ~Query();
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    Transaction &transaction() const { return m_transaction; }

    // Setting new text closes the cursor and forgets the parameters.
    void setSql(const QString &sql);
    QString sql() const { return m_sql; }

    // A null QVariant writes NULL. QByteArray and QString are written into BLOB
    // parameters as the blob's bytes.
    void setParam(int index, const QVariant &value);
    void clearParams();

    void prepare();
    bool isPrepared() const { return m_statement != nullptr; }
    bool isSelect();
    // Result columns of the statement (prepares it).
    const QList<Column> &columns();

    void open();
    bool isOpen() const { return m_cursor != nullptr; }
    bool eof() const { return m_eof; }
    void next();
    void close();

    // Runs a statement that returns no rows (a SELECT is run and its rows dropped).
    void exec();
    // Rows inserted, updated or deleted by the last exec().
    qint64 rowsAffected() const { return m_rowsAffected; }

    int fieldCount() const { return int(m_columns.size()); }
    // -1 when the current result has no such column; names compare without case.
    int fieldIndex(const QString &name) const;
    Field field(int index) const;
    Field field(const QString &name) const;  // throws db::Error for an unknown name

private:
    friend class Transaction;
    void unprepare();
    void fetch();
    QByteArray inputMessage(Firebird::IMessageMetadata *&metadata);
    QVariant value(int index) const;

    Transaction &m_transaction;
    QString m_sql;
    std::vector<QVariant> m_params;
    Firebird::IStatement *m_statement = nullptr;
    Firebird::IMessageMetadata *m_output = nullptr;
    Firebird::IResultSet *m_cursor = nullptr;
    QList<Column> m_columns;
    QByteArray m_row;
    bool m_eof = true;
    qint64 m_rowsAffected = 0;
};

}  // namespace db
