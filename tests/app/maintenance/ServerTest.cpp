#include "DatabaseBackup.h"
#include "DatabaseRestore.h"
#include "FirebirdServer.h"
#include "MaintenanceMessages.h"
#include "MaintenanceTestSupport.h"
#include "SiteFixture.h"
#include "SiteSql.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "schema/SchemaBuilder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// One server for the whole suite: starting it takes a second.
FirebirdServer &server()
{
    static FirebirdServer instance;
    return instance;
}

// The program started on a database made through the test's own server, named as a site
// names its server's database: dbpc "localhost/PORT:" and dbname the path on the server.
class ServerSiteTest : public ProgramFolderFixture
{
protected:
    void SetUp() override
    {
        ProgramFolderFixture::SetUp();
        if (!server().running())
            GTEST_SKIP() << "no Firebird server: " << server().failure().toStdString();
        m_path = QDir(server().databaseFolder())
                     .filePath(QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name())
                               + QStringLiteral(".fdb"));
        CreateSorvikDatabase(server().localhostPrefix() + m_path);
        writeIni(QStringLiteral("[system]\ndbpc=%1\ndbname=%2\n").arg(server().localhostPrefix(), m_path));
        ASSERT_TRUE(data.start(appDir())) << messages.texts().join(QLatin1Char('|')).toStdString();
        ASSERT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
        ExecuteCommitted(data.IBTransaction1, ProjectRows(1, QStringLiteral("国道")));
    }

    void TearDown() override
    {
        data.IBDatabase1.close();
        ProgramFolderFixture::TearDown();
    }

    QString byAddress() const { return server().addressPrefix() + m_path; }
    QString protocol()
    {
        return ScalarValue(data.IBTransaction1,
                           QStringLiteral("select MON$REMOTE_PROTOCOL from MON$ATTACHMENTS"
                                          " where MON$ATTACHMENT_ID = CURRENT_CONNECTION"));
    }
    QStringList projects(const QString &name) const
    {
        return ColumnValuesOnFile(name, QStringLiteral("select KJNM from KOJI order by KJCD"));
    }

    TDataModule1 data;
    QString m_path;
    QTemporaryDir scratch;
    FileAnswers dialogs;
    RecordedLog log;
};

TEST_F(ServerSiteTest, TheProgramStartsThroughTheServerAndASecondNameReachesTheSameDatabase)
{
    EXPECT_EQ(data.IBDatabase1.databaseName(), server().localhostPrefix() + m_path);
    EXPECT_EQ(protocol(), QStringLiteral("TCPv4"));
    EXPECT_TRUE(db::Database::isLocalName(data.IBDatabase1.databaseName()));
    EXPECT_FALSE(db::Database::isLocalName(byAddress()));
    EXPECT_EQ(projects(byAddress()), QStringList{QStringLiteral("国道")});
}

TEST_F(ServerSiteTest, ADatasetEditIsCommittedAndSeenThroughASecondAttachment)
{
    TableDataSet table(data.IBTransaction1);
    table.SetTableName(QStringLiteral("KOJI"));
    table.Open();
    table.Edit();
    table.FieldByName(QStringLiteral("KJNM")).SetAsString(QStringLiteral("国道５号"));
    table.Post();
    EXPECT_EQ(projects(byAddress()), QStringList{QStringLiteral("国道")});
    data.IBTransaction1.commitRetaining();
    EXPECT_EQ(projects(byAddress()), QStringList{QStringLiteral("国道５号")});
}

TEST_F(ServerSiteTest, BackupAndRestoreGoThroughTheServersServiceManager)
{
    const QString archive = scratch.filePath(QStringLiteral("SorvikDB.LZH"));
    DatabaseBackup backup(data.IBDatabase1, dialogs, log);
    ASSERT_TRUE(backup.backupTo(archive));
    EXPECT_GT(log.lines.size(), 10);
    ExecuteCommitted(data.IBTransaction1,
                     {QStringLiteral("insert into KOJI (KJCD, APDT, KJNM) values (2, '2026/06/01', '後から')")});

    DatabaseRestore restore(data.IBDatabase1, dialogs, log);
    ASSERT_TRUE(restore.restoreFrom(archive));
    EXPECT_EQ(projects(byAddress()), QStringList{QStringLiteral("国道")});
    EXPECT_EQ(protocol(), QStringLiteral("TCPv4"));
    EXPECT_TRUE(QFileInfo::exists(m_path + QStringLiteral(".before-restore")));
    EXPECT_TRUE(log.lines.contains(MaintenanceMessages::RestoreStarted));
}

TEST_F(ServerSiteTest, ADatabaseNamedByTheServersAddressIsRefusedForBackupAndRestore)
{
    db::Database remote;
    remote.setDatabaseName(byAddress());
    remote.open();
    DatabaseBackup backup(remote, dialogs, log);
    DatabaseRestore restore(remote, dialogs, log);
    EXPECT_FALSE(backup.run());
    EXPECT_FALSE(restore.run());
    EXPECT_EQ(messages.texts(),
              (QStringList{MaintenanceMessages::NetworkDatabase, MaintenanceMessages::NetworkDatabase}));
    EXPECT_TRUE(dialogs.requests.isEmpty());
    EXPECT_FALSE(restore.reconnected());
}

}  // namespace
