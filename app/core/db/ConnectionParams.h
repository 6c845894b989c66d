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
};

} // namespace db
