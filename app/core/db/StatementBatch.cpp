#include "StatementBatch.h"

#include "Query.h"
#include "Transaction.h"

namespace db {

void commitAll(Transaction &transaction, const QStringList &statements)
{
    try {
        Query query(transaction);
        for (const QString &sql : statements) {
            query.setSql(sql);
            query.exec();
        }
        transaction.commitRetaining();
    } catch (...) {
        transaction.rollbackRetaining();
        throw;
    }
}

}  // namespace db
