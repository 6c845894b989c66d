// Times a backup and a restore of a site with 10 000 workers through the program's own
// commands on the embedded engine:
//   build/tests/app-maintenance-bench
#include "DatabaseBackup.h"
#include "DatabaseRestore.h"
#include "MaintenanceTestSupport.h"
#include "SiteFixture.h"
#include "SiteSql.h"
#include "db/Query.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class MaintenanceBench : public SiteFixture
{
};

TEST_F(MaintenanceBench, BackupAndRestoreOfTenThousandWorkers)
{
    execute(ProjectRows(1, QStringLiteral("国道")));
    db::Query insert(data.IBTransaction1);
    insert.setSql(
        QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD, NAME, FURI, BNDT, ADRS) values (1, ?, ?, ?, ?, "
                       "'1980/04/01', '北海道札幌市中央区北一条西二丁目')"));
    for (int i = 0; i < 10000; ++i) {
        insert.setParam(0, 2 + i / 1000);
        insert.setParam(1, i % 1000 + 1);
        insert.setParam(2, QStringLiteral("作業員%1").arg(i));
        insert.setParam(3, QStringLiteral("サギョウイン%1").arg(i));
        insert.exec();
    }
    data.IBTransaction1.commitRetaining();

    QTemporaryDir scratch;
    const QString archive = scratch.filePath(QStringLiteral("SorvikDB.LZH"));
    FileAnswers dialogs;
    RecordedLog log;
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(DatabaseBackup(data.IBDatabase1, dialogs, log).backupTo(archive));
    const qint64 backupMs = timer.restart();
    ASSERT_TRUE(DatabaseRestore(data.IBDatabase1, dialogs, log).restoreFrom(archive));
    const qint64 restoreMs = timer.elapsed();
    EXPECT_EQ(column(QStringLiteral("select count(*) from SAGYOIN")), QStringList{QStringLiteral("10001")});
    std::printf("database %lld kB, archive %lld kB: backup %lld ms, restore %lld ms\n",
                QFileInfo(databasePath()).size() / 1024, QFileInfo(archive).size() / 1024, backupMs, restoreMs);
}

}  // namespace
