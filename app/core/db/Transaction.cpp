#include "Transaction.h"

#include "Database.h"
#include "FbApi.h"
#include "Query.h"

#include <algorithm>

namespace db {

namespace {

const unsigned char transactionBlock[] = {
    isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait,
};

}  // namespace

Transaction::Transaction(Database &database)
    : m_database(database)
{
    m_database.attach(this);
}

Transaction::~Transaction()
{
    abandon();
    m_database.detach(this);
}

void Transaction::start()
{
    if (isActive())
        return;
    Firebird::IAttachment *attachment = m_database.handle();
    fb::guarded([&] {
        fb::Status status;
        m_transaction = attachment->startTransaction(&status, sizeof transactionBlock, transactionBlock);
    });
}

Firebird::ITransaction *Transaction::handle()
{
    start();
    return m_transaction;
}

void Transaction::commit()
{
    end(true);
}

void Transaction::rollback()
{
    end(false);
}

void Transaction::commitRetaining()
{
    retain(true);
}

void Transaction::rollbackRetaining()
{
    retain(false);
}

void Transaction::end(bool commit)
{
    if (!isActive())
        return;
    closeQueries();
    fb::guarded([&] {
        fb::Status status;
        if (commit)
            m_transaction->commit(&status);
        else
            m_transaction->rollback(&status);
        m_transaction = nullptr;
    });
}

void Transaction::retain(bool commit)
{
    if (!isActive())
        return;
    fb::guarded([&] {
        fb::Status status;
        if (commit)
            m_transaction->commitRetaining(&status);
        else
            m_transaction->rollbackRetaining(&status);
    });
}

void Transaction::abandon()
{
    closeQueries();
    for (Query *query : m_queries)
        query->unprepare();
    if (!m_transaction)
        return;
    try {
        fb::Status status;
        m_transaction->rollback(&status);
        m_transaction = nullptr;
    } catch (const Firebird::FbException &) {
        fb::release(m_transaction);
    }
}

void Transaction::closeQueries()
{
    for (Query *query : m_queries)
        query->close();
}

void Transaction::attach(Query *query)
{
    m_queries.push_back(query);
}

void Transaction::detach(Query *query)
{
    m_queries.erase(std::remove(m_queries.begin(), m_queries.end(), query), m_queries.end());
}

}  // namespace db
