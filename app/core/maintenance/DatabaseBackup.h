#pragma once

#include <QDate>
#include <QString>

class MaintenanceLog;

namespace db {
class Database;
}
namespace sorvik::package {
class PackageDialogs;
}

// Backing up the whole database into an LZH archive holding one file, "sorvikdb.fbk":
// the engine's own backup (verbose, limbo transactions ignored, non-transportable),
// written by the service manager of the engine that holds the database into the work
// folder "Temp" under AppDir, then packed into the file the user chose. Only a database
// on this machine (embedded or "localhost") is backed up; a server's database is refused
// with a message. Every line of the service goes to the log.
class DatabaseBackup
{
public:
    DatabaseBackup(db::Database &database, sorvik::package::PackageDialogs &dialogs, MaintenanceLog &log);

    // The whole command: the refusal, the save dialog, the backup and the archive. True
    // when the archive was written; a failure of the engine is thrown as db::Error, one of
    // the archiver has been shown.
    bool run();

    // Backs up into `archive` without asking. Throws db::Error on the engine's failures;
    // false when the work folder or the archiver failed (the user has been told).
    bool backupTo(const QString &archive);

    void setToday(const QDate &date) { m_today = date; }

private:
    db::Database &m_database;
    sorvik::package::PackageDialogs &m_dialogs;
    MaintenanceLog &m_log;
    QDate m_today;
};
