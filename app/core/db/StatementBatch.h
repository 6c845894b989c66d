#pragma once

#include <QStringList>

namespace db {

class Transaction;

// Runs the statements in order on `transaction` and commits them, retaining the
// transaction; when one fails, everything since the last commit is rolled back (retaining)
// and the failure rethrown, so the batch is stored whole or not at all.
void commitAll(Transaction &transaction, const QStringList &statements);

}  // namespace db
