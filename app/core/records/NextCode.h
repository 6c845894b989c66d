#pragma once

#include "data/SqlStatement.h"

#include <QString>

namespace db {
class Transaction;
}

// A new code is the largest code in use plus one (1 when there is none), whatever codes
// are missing below it. `maxQuery` selects the largest code, for example
//   {"Select MAX(GYOCD) AS GC from GYOSYA where KJCD = ?", {kojiCode}}.
QString NextCode(db::Transaction &transaction, const SqlStatement &maxQuery);
