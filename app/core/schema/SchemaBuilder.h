#pragma once

#include "SchemaVersion.h"

#include <QString>
#include <functional>

namespace db {
class Transaction;
}

// Creates a new Sorvik database of the given layout, all or nothing: a file or a server
// database name ("host:path") that is either absent or a complete database, whatever
// happens on the way (see db::NewDatabaseFile). `fill`, when given, writes the first rows
// on a transaction that is committed before the database takes its name. On any failure
// the half-built database is removed and db::Error rises with the engine's message.
void CreateSorvikDatabase(const QString &name, SchemaVersion version = SchemaVersion::V0_5,
                          const std::function<void(db::Transaction &)> &fill = {});
