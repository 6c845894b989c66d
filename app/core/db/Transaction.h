#pragma once

#include <vector>

namespace Firebird {
class ITransaction;
}

namespace db {

class Database;
class Query;

// One engine transaction: read committed, record version, no wait. See Database.h for
// the model. It starts itself on first use; the retaining variants keep it open.
class Transaction
{
public:
    explicit Transaction(Database &database);
    ~Transaction();  // rolls back what was not committed
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    Database &database() const { return m_database; }

    void start();
    bool isActive() const { return m_transaction != nullptr; }

    void commit();
    void rollback();
    void commitRetaining();
    void rollbackRetaining();

    // The engine handle, starting the transaction when it is not active.
    Firebird::ITransaction *handle();

private:
    friend class Database;
    friend class Query;
    void end(bool commit);
    void retain(bool commit);
    void abandon();  // the connection closes: close cursors, roll back, forget the handle
    void closeQueries();
    void attach(Query *query);
    void detach(Query *query);

    Database &m_database;
    Firebird::ITransaction *m_transaction = nullptr;
    std::vector<Query *> m_queries;
};

}  // namespace db
