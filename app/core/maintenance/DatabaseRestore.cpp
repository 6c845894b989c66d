#include "DatabaseRestore.h"

#include "ArchiveCommands.h"
#include "ArchiverMessages.h"
#include "BackupFiles.h"
#include "MaintenanceLog.h"
#include "MaintenanceMessages.h"
#include "WorkFolder.h"
#include "db/Database.h"
#include "db/Query.h"
#include "db/ServiceManager.h"
#include "db/ServiceTarget.h"
#include "db/Transaction.h"
#include "messages/MessageService.h"
#include "program/AppContext.h"
#include "schema/SchemaVersion.h"

#include <QFile>
#include <QFileInfo>

using namespace MaintenanceMessages;

namespace {

// Puts the restored file in the database's place and keeps the old one beside it; on a
// failure halfway the old file is put back.
void swapIn(const QString &livePath, const QString &restoredPath)
{
    const QString kept = livePath + QStringLiteral(".before-restore");
    if (QFileInfo::exists(kept) && !QFile::remove(kept))
        throw db::Error(RestoreSwapFailed.arg(kept));
    if (!QFile::rename(livePath, kept))
        throw db::Error(RestoreSwapFailed.arg(livePath));
    if (!QFile::rename(restoredPath, livePath)) {
        QFile::rename(kept, livePath);
        throw db::Error(RestoreSwapFailed.arg(restoredPath));
    }
}

}  // namespace

DatabaseRestore::DatabaseRestore(db::Database &database, sorvik::package::PackageDialogs &dialogs, MaintenanceLog &log)
    : m_database(database)
    , m_dialogs(dialogs)
    , m_log(log)
{
}

bool DatabaseRestore::run()
{
    if (BackupFiles::refusedAsNetworkDatabase(m_database.databaseName()))
        return false;
    if (!MessageService::current().question(ConfirmRestore, RestoreTitle))
        return false;
    const QString archive = m_dialogs.chooseOpenFile(BackupFiles::openRequest());
    return !archive.isEmpty() && restoreFrom(archive);
}

bool DatabaseRestore::restoreFrom(const QString &archive)
{
    const db::ServiceTarget target = db::ServiceTarget::of(m_database.databaseName());
    sorvik::package::WorkFolder temp(AppContext::instance().AppDir, sorvik::package::kTempFolder);
    if (!temp.ready())
        return false;
    sorvik::package::showArchiverMessagesToTheUser();
    if (!sorvik::lzh::ExtractArchive(archive, temp.path()))
        return false;
    const QString backup = temp.filePath(BackupFiles::Member);
    if (!QFileInfo(backup).isFile()) {
        MessageService::current().error(NoBackupInArchive.arg(archive));
        return false;
    }
    if (otherConnections()) {
        MessageService::current().error(OtherConnections);
        return false;
    }
    const QString restoredPath = target.path + QStringLiteral(".restoring");
    QFile::remove(restoredPath);
    m_reconnected = true;
    m_database.reconnect([&] {
        try {
            restoreBeside(backup, target.databaseName(restoredPath));
            swapIn(target.path, restoredPath);
        } catch (...) {
            QFile::remove(restoredPath);
            throw;
        }
    });
    return true;
}

bool DatabaseRestore::otherConnections()
{
    db::Transaction transaction(m_database);
    db::Query query(transaction);
    query.setSql(QStringLiteral("select count(*) from MON$ATTACHMENTS where MON$ATTACHMENT_ID <> CURRENT_CONNECTION"
                                " and MON$SYSTEM_FLAG = 0"));
    query.open();
    return query.field(0).asInt() > 0;
}

void DatabaseRestore::restoreBeside(const QString &backup, const QString &restoredName)
{
    const db::ServiceTarget target = db::ServiceTarget::of(restoredName);
    {
        db::ServiceManager service(m_database.params());
        service.attach(target.host);
        m_log.begin();
        m_log.line(DatabaseSettings);
        m_log.line(RestoreFileName + backup);
        m_log.line(RestoreStarted);
        service.restore(backup, target.path, {.replace = false, .pageSize = 4096},
                        [this](const QString &line) { m_log.line(line); });
    }
    checkRestored(restoredName);
}

void DatabaseRestore::checkRestored(const QString &restoredName)
{
    db::Database restored;
    restored.setDatabaseName(restoredName);
    restored.setParams(m_database.params());
    restored.open();
    const SchemaVersion version = DetectSchemaVersion(restored);
    restored.close();
    if (version != SchemaVersion::V0_5 && version != SchemaVersion::V0_4_6)
        throw db::Error(NotASorvikBackup);
}
