#pragma once

#include <QString>
#include <chrono>

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
    // How long an open or create may take before it fails with db::ConnectTimeout instead
    // of hanging (zero: no limit). A healthy local open takes well under a second; a server
    // gets the same limit, in whole seconds, as its own connect time-out.
    std::chrono::milliseconds connectTimeLimit{30000};

    // connectTimeLimit in whole seconds, rounded up; 0 for no limit.
    int connectTimeLimitSeconds() const { return int((connectTimeLimit.count() + 999) / 1000); }
};

}  // namespace db
