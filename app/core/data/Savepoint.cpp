#include "Savepoint.h"

#include "db/Error.h"
#include "db/Query.h"

namespace {

// Nested savepoints (a post inside another record's handler) need names of their own:
// Firebird replaces a savepoint of the same name.
int nextNumber()
{
    static int number = 0;
    return ++number;
}

}  // namespace

Savepoint::Savepoint(db::Transaction &transaction)
    : m_transaction(transaction)
    , m_name(QStringLiteral("SORVIK_%1").arg(nextNumber()))
{
    run(QStringLiteral("SAVEPOINT ") + m_name);
}

Savepoint::~Savepoint()
{
    if (!m_open)
        return;
    try {
        Rollback();
    } catch (const db::Error &) {
        // Only reached while another exception unwinds; that one tells what failed.
    }
}

void Savepoint::Release()
{
    if (!m_open)
        return;
    m_open = false;
    run(QStringLiteral("RELEASE SAVEPOINT ") + m_name);
}

void Savepoint::Rollback()
{
    if (!m_open)
        return;
    m_open = false;
    run(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_name);
}

void Savepoint::run(const QString &statement)
{
    db::Query query(m_transaction);
    query.setSql(statement);
    query.exec();
}
