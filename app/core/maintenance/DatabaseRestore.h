#pragma once

#include <QString>

class MaintenanceLog;

namespace db {
class Database;
}
namespace sorvik::package {
class PackageDialogs;
}

// Putting back a backup made by DatabaseBackup, without ever risking the live database:
// the archive is unpacked into the emptied work folder "Temp" and must hold
// "sorvikdb.fbk"; the connection is closed only when no other program is connected; the
// service manager restores (verbose, page size 4096) into a new file beside the
// database, which is opened and must hold a Sorvik layout; only then are the files
// swapped, the old one kept as "<name>.before-restore". Whatever fails, the old database
// stays in place, the half-made file is removed and the connection is opened again. Only a
// database on this machine is restored; a server's database is refused with a message.
class DatabaseRestore
{
public:
    DatabaseRestore(db::Database &database, sorvik::package::PackageDialogs &dialogs, MaintenanceLog &log);

    // The whole command: the refusal, the question, the open dialog and the restore.
    bool run();

    // Restores `archive` without asking. True when the restored database is connected.
    // False when nothing was closed (the archive, the work folder or other connections
    // stood in the way; the user has been told). A failure after the connection was
    // closed is thrown as db::Error with its message, the old database connected again.
    bool restoreFrom(const QString &archive);

    // Whether the connection was closed and opened again, whatever came of the restore:
    // the program then reloads what it shows.
    bool reconnected() const { return m_reconnected; }

private:
    bool otherConnections();
    void restoreBeside(const QString &backup, const QString &restoredPath);
    void checkRestored(const QString &restoredName);

    db::Database &m_database;
    sorvik::package::PackageDialogs &m_dialogs;
    MaintenanceLog &m_log;
    bool m_reconnected = false;
};
