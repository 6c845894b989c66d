#pragma once

#include <QString>

namespace db {
class Transaction;
}

// A savepoint on the program's one transaction: what was written after it can be taken
// back alone, while the transaction's earlier work (the images a record refers to, other
// windows' uncommitted rows) stays. A savepoint neither released nor rolled back is
// rolled back when it goes out of scope.
class Savepoint
{
public:
    explicit Savepoint(db::Transaction &transaction);
    ~Savepoint();
    Savepoint(const Savepoint &) = delete;
    Savepoint &operator=(const Savepoint &) = delete;

    void Release();
    void Rollback();

private:
    void run(const QString &statement);

    db::Transaction &m_transaction;
    QString m_name;
    bool m_open = true;
};
