#include "ArchiveCommands.h"
#include "DatabaseBackup.h"
#include "DatabaseRestore.h"
#include "MaintenanceMessages.h"
#include "MaintenanceTestSupport.h"
#include "PackageFiles.h"
#include "SiteFixture.h"
#include "SiteSql.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "db/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

using namespace MaintenanceMessages;

class BackupRestoreTest : public SiteFixture
{
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        execute(ProjectRows(1, QStringLiteral("国道")));
        execute(ProjectRows(2, QStringLiteral("市道")));
    }

    QString scratchPath(const QString &name) const { return scratch.filePath(name); }
    QString tempFolder() const { return appDir() + QStringLiteral("Temp"); }

    // A backup of the site as the program writes it.
    QString backedUp(const QString &name = QStringLiteral("SorvikDB.LZH"))
    {
        DatabaseBackup backup(data.IBDatabase1, dialogs, log);
        const QString archive = scratchPath(name);
        EXPECT_TRUE(backup.backupTo(archive));
        return archive;
    }

    // An archive of `files` (name → bytes).
    QString archiveOf(const QString &name, const QMap<QString, QByteArray> &files)
    {
        const QString folder = scratchPath(name + QStringLiteral(".d"));
        QDir().mkpath(folder);
        for (auto file = files.begin(); file != files.end(); ++file) {
            QFile out(QDir(folder).filePath(file.key()));
            EXPECT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(file.value());
        }
        const QString archive = scratchPath(name);
        EXPECT_TRUE(sorvik::lzh::CreateArchive(archive, folder));
        return archive;
    }

    QByteArray backupBytes(const QString &archive)
    {
        const QString folder = scratchPath(QStringLiteral("unpacked"));
        QDir(folder).removeRecursively();
        EXPECT_TRUE(sorvik::lzh::ExtractArchive(archive, folder));
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("sorvikdb.fbk")});
        QFile file(QDir(folder).filePath(QStringLiteral("sorvikdb.fbk")));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QStringList rowCounts(const QString &databaseFile) const
    {
        QStringList counts;
        for (const QString &table : ProjectTables)
            counts << ColumnValuesOnFile(databaseFile, QStringLiteral("select count(*) from ") + table);
        return counts;
    }

    QStringList leftInTemp() const { return QDir(tempFolder()).entryList(QDir::Files); }

    QTemporaryDir scratch;
    FileAnswers dialogs;
    RecordedLog log;
};

TEST_F(BackupRestoreTest, TheArchiveHoldsOnlyTheEnginesBackupWhichGbakRestoresToTheSameRows)
{
    QDir().mkpath(tempFolder());
    QFile stale(QDir(tempFolder()).filePath(QStringLiteral("stale.txt")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    const QString archive = scratchPath(QStringLiteral("SorvikDBバックアップ_261209.LZH"));
    dialogs.paths << archive;
    DatabaseBackup backup(data.IBDatabase1, dialogs, log);
    ASSERT_TRUE(backup.run());

    EXPECT_EQ(log.lines.mid(0, 2), (QStringList{DatabaseSettings, BackupStarted}));
    EXPECT_EQ(log.lines.last(), BackupCompressing);
    EXPECT_GT(log.lines.size(), 10);  // the engine's own lines between
    EXPECT_EQ(log.ended, 1);
    EXPECT_EQ(messages.texts().last(), BackupFinished);
    EXPECT_TRUE(leftInTemp().isEmpty());

    const QString fbk = scratchPath(QStringLiteral("copy.fbk"));
    QFile copy(fbk);
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(backupBytes(archive));
    copy.close();
    const QString restored = scratchPath(QStringLiteral("restored.fdb"));
    QProcess gbak;
    gbak.start(QStringLiteral("gbak"),
               {QStringLiteral("-c"), fbk, restored, QStringLiteral("-user"), QStringLiteral("SYSDBA")});
    ASSERT_TRUE(gbak.waitForFinished(60000));
    ASSERT_EQ(gbak.exitCode(), 0) << gbak.readAllStandardError().toStdString();
    EXPECT_EQ(rowCounts(restored), rowCounts(databasePath()));
}

TEST_F(BackupRestoreTest, ARestorePutsTheBackupInPlaceAndKeepsTheOldFileBeside)
{
    const QString archive = backedUp();
    execute({QStringLiteral("insert into KOJI (KJCD, APDT, KJNM) values (5, '2026/06/01', '後から')")});
    TableDataSet projects(data.IBTransaction1);
    projects.SetTableName(QStringLiteral("KOJI"));
    projects.Open();
    ASSERT_EQ(projects.RecordCount(), 3);

    DatabaseRestore restore(data.IBDatabase1, dialogs, log);
    ASSERT_TRUE(restore.restoreFrom(archive));
    // A dataset open across the restore reads the restored rows and writes on.
    projects.Refresh();
    EXPECT_EQ(projects.RecordCount(), 2);
    projects.Edit();
    projects.FieldByName(QStringLiteral("KJNM")).SetAsString(QStringLiteral("復元後に変更"));
    projects.Post();
    data.IBTransaction1.commitRetaining();
    EXPECT_EQ(committedColumn(QStringLiteral("select count(*) from KOJI where KJNM = '復元後に変更'")),
              QStringList{QStringLiteral("1")});

    EXPECT_TRUE(restore.reconnected());
    EXPECT_TRUE(data.IBDatabase1.isConnected());
    EXPECT_EQ(column(QStringLiteral("select count(*) from KOJI")), QStringList{QStringLiteral("2")});
    EXPECT_EQ(ColumnValuesOnFile(databasePath() + QStringLiteral(".before-restore"),
                                 QStringLiteral("select count(*) from KOJI")),
              QStringList{QStringLiteral("3")});
    EXPECT_EQ(log.lines.mid(0, 3),
              (QStringList{DatabaseSettings, RestoreFileName + tempFolder() + QStringLiteral("/sorvikdb.fbk"),
                           RestoreStarted}));
    EXPECT_GT(log.lines.size(), 10);
    EXPECT_TRUE(leftInTemp().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(databasePath() + QStringLiteral(".restoring")));
    // The program writes on at once.
    execute({QStringLiteral("insert into KOJI (KJCD, APDT, KJNM) values (6, '2026/06/01', '復元後')")});
    EXPECT_EQ(committedColumn(QStringLiteral("select KJNM from KOJI where KJCD = 6")),
              QStringList{QStringLiteral("復元後")});
}

TEST_F(BackupRestoreTest, ATruncatedBackupLeavesTheDatabaseItsDataAndTheConnection)
{
    const QByteArray whole = backupBytes(backedUp());
    const QString archive = archiveOf(QStringLiteral("SorvikDB_cut.LZH"),
                                      {{QStringLiteral("sorvikdb.fbk"), whole.left(whole.size() / 2)}});
    const QStringList before = rowCounts(databasePath());

    // Standard input stays open, as for a program started from a terminal: the engine's
    // question for the next volume must not wait there.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const int savedInput = ::dup(STDIN_FILENO);
    ::dup2(pipeEnds[0], STDIN_FILENO);
    DatabaseRestore restore(data.IBDatabase1, dialogs, log);
    EXPECT_THROW(restore.restoreFrom(archive), db::Error);
    ::dup2(savedInput, STDIN_FILENO);
    for (int fd : {savedInput, pipeEnds[0], pipeEnds[1]})
        ::close(fd);

    EXPECT_TRUE(data.IBDatabase1.isConnected());
    EXPECT_EQ(rowCounts(databasePath()), before);
    EXPECT_EQ(column(QStringLiteral("select count(*) from KOJI")), QStringList{QStringLiteral("2")});
    EXPECT_FALSE(QFileInfo::exists(databasePath() + QStringLiteral(".before-restore")));
    EXPECT_FALSE(QFileInfo::exists(databasePath() + QStringLiteral(".restoring")));
}

TEST_F(BackupRestoreTest, NothingIsClosedForAnArchiveWithoutABackupOrWhileOthersAreConnected)
{
    // A backup left in Temp by an earlier run must not be taken for this archive's.
    const QByteArray whole = backupBytes(backedUp());
    QDir().mkpath(tempFolder());
    QFile stale(QDir(tempFolder()).filePath(QStringLiteral("sorvikdb.fbk")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(whole);
    stale.close();
    const QString other = archiveOf(QStringLiteral("SorvikDB_other.LZH"), {{QStringLiteral("readme.txt"), "x"}});
    DatabaseRestore restore(data.IBDatabase1, dialogs, log);
    EXPECT_FALSE(restore.restoreFrom(other));
    EXPECT_FALSE(restore.reconnected());
    EXPECT_TRUE(messages.texts().last().startsWith(NoBackupInArchive.left(10)));
    EXPECT_TRUE(leftInTemp().isEmpty());

    db::Database second;
    second.setDatabaseName(databasePath());
    second.open();
    EXPECT_FALSE(restore.restoreFrom(backedUp(QStringLiteral("SorvikDB2.LZH"))));
    EXPECT_EQ(messages.texts().last(), OtherConnections);
    EXPECT_FALSE(restore.reconnected());
    EXPECT_TRUE(data.IBDatabase1.isConnected());
}

TEST_F(BackupRestoreTest, DialogsProposeTheNameAndTheFourthFilterAndACancelStops)
{
    DatabaseBackup backup(data.IBDatabase1, dialogs, log);
    backup.setToday(QDate(2026, 12, 9));
    EXPECT_FALSE(backup.run());
    ASSERT_EQ(dialogs.requests.size(), 1);
    EXPECT_EQ(dialogs.requests[0].fileName, QStringLiteral("SorvikDBバックアップ_261209.LZH"));

    DatabaseRestore restore(data.IBDatabase1, dialogs, log);
    EXPECT_FALSE(restore.run());  // the question answered no
    EXPECT_EQ(dialogs.requests.size(), 1);
    messages.answer(true);
    EXPECT_FALSE(restore.run());  // the dialog cancelled
    ASSERT_EQ(dialogs.requests.size(), 2);
    EXPECT_EQ(dialogs.requests[1].filter, sorvik::package::kMainOpenFilter);
    EXPECT_EQ(dialogs.requests[1].filterIndex, 4);
    EXPECT_EQ(messages.captions(), (QStringList{RestoreTitle, RestoreTitle}));
    EXPECT_EQ(log.begun, 0);
    EXPECT_FALSE(restore.reconnected());
}

TEST_F(BackupRestoreTest, ADatabaseOnAnotherMachineIsRefusedBeforeAnyDialog)
{
    db::Database remote;
    remote.setDatabaseName(QStringLiteral("192.0.2.1:/data/sorvik.fdb"));
    DatabaseBackup backup(remote, dialogs, log);
    DatabaseRestore restore(remote, dialogs, log);
    EXPECT_FALSE(backup.run());
    EXPECT_FALSE(restore.run());
    EXPECT_EQ(messages.texts(), (QStringList{NetworkDatabase, NetworkDatabase}));
    EXPECT_TRUE(dialogs.requests.isEmpty());
}

}  // namespace
