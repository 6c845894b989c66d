#pragma once

#include <QString>

namespace db {

// Where the service manager for a database is reached and how the service names the
// database: "host:/data/a.fdb" and "host/3051:/data/a.fdb" give the server ("host",
// "host/3051") and its own path; a plain path gives the embedded engine (empty host).
// A service runs on the server's side, so it never sees the host prefix.
struct ServiceTarget
{
    QString host;  // empty for the embedded engine of this process
    QString path;  // the database as the service knows it

    // Throws db::Error for a name that reaches a server by a protocol form
    // ("inet://…", "\\host\path"), whose service cannot be derived from the name.
    static ServiceTarget of(const QString &databaseName);

    // The same server (or the embedded engine) with another database.
    QString databaseName(const QString &otherPath) const;
};

}  // namespace db
