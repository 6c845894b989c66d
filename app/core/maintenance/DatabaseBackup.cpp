#include "DatabaseBackup.h"

#include "ArchiveCommands.h"
#include "ArchiverMessages.h"
#include "BackupFiles.h"
#include "MaintenanceLog.h"
#include "MaintenanceMessages.h"
#include "WorkFolder.h"
#include "db/Database.h"
#include "db/ServiceManager.h"
#include "db/ServiceTarget.h"
#include "messages/MessageService.h"
#include "program/AppContext.h"

using namespace MaintenanceMessages;

DatabaseBackup::DatabaseBackup(db::Database &database, sorvik::package::PackageDialogs &dialogs, MaintenanceLog &log)
    : m_database(database)
    , m_dialogs(dialogs)
    , m_log(log)
{
}

bool DatabaseBackup::run()
{
    if (BackupFiles::refusedAsNetworkDatabase(m_database.databaseName()))
        return false;
    const QString archive
        = m_dialogs.chooseSaveFile(BackupFiles::saveRequest(m_today.isValid() ? m_today : QDate::currentDate()));
    if (archive.isEmpty() || !backupTo(archive))
        return false;
    MessageService::current().information(BackupFinished);
    m_log.end();
    return true;
}

bool DatabaseBackup::backupTo(const QString &archive)
{
    const db::ServiceTarget target = db::ServiceTarget::of(m_database.databaseName());
    sorvik::package::WorkFolder temp(AppContext::instance().AppDir, sorvik::package::kTempFolder);
    if (!temp.ready())
        return false;
    {
        db::ServiceManager service(m_database.params());
        service.attach(target.host);
        m_log.begin();
        m_log.line(DatabaseSettings);
        m_log.line(BackupStarted);
        service.backup(target.path, temp.filePath(BackupFiles::Member), {.ignoreLimbo = true, .nonTransportable = true},
                       [this](const QString &line) { m_log.line(line); });
    }
    m_log.line(BackupCompressing);
    sorvik::package::showArchiverMessagesToTheUser();
    return sorvik::lzh::CreateArchive(archive, temp.path());
}
