#pragma once

#include <QString>

namespace db {

// How Sorvik logs in: the administrator account, SQL dialect 3 and Unicode on the wire
// (the database stores UTF8, so the connection uses the same character set and no text
// is ever converted on the way).
struct ConnectionParams
{
    QString userName = QStringLiteral("sysdba");
    QString password = QStringLiteral("dodoraziv");
    QString charSet = QStringLiteral("UTF8");
    int sqlDialect = 3;
    // Whether the engine waits for every page write to reach the disk: -1 leaves the
    // database's own setting, 0 turns it off, 1 on (the setting stays with the file).
    int forcedWrites = -1;
};

}  // namespace db
