#include "SiteFixture.h"
#include "SiteSql.h"

#include <QSettings>

#include "program/AppContext.h"
#include "startup/StartupMessages.h"
#include "config/IniFile.h"
#include "schema/GyosyaUpgrade.h"
#include "schema/SchemaVersion.h"

namespace {

using DataModuleStartTest = ProgramFolderFixture;

TEST_F(DataModuleStartTest, CurrentDatabaseStartsQuietlyAndIsLeftUntouched)
{
    copyDatabase(PreparedDatabase::Current);
    pointIniAtDatabase();
    TDataModule1 module;
    ASSERT_TRUE(module.start(appDir()));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(module.IBDatabase1.isConnected());
    EXPECT_EQ(module.IBDatabase1.fieldNames(QStringLiteral("GYOSYA")).count(QStringLiteral("SIGNFL")), 1);
    EXPECT_EQ(AppContext::instance().AppDir, appDir());
    EXPECT_EQ(AppContext::instance().ImageRoot, appDir());
    EXPECT_TRUE(QDir(appDir() + QStringLiteral("image")).exists());

    QSettings record(QStringLiteral("Quandor"), QStringLiteral("SORVIKN"));
    record.beginGroup(QStringLiteral("System"));
    EXPECT_EQ(record.value(QStringLiteral("InstallPath")).toString(), appDir());
    EXPECT_EQ(record.value(QStringLiteral("DBPC")).toString(), QString());
    EXPECT_EQ(record.value(QStringLiteral("DBPath")).toString(), databasePath());
    // The program's file version, as the version window shows it.
    EXPECT_EQ(record.value(QStringLiteral("Version")).toString(), QStringLiteral(SORVIK_EXPECTED_VERSION));
}

TEST_F(DataModuleStartTest, WithoutConfigurationItOpensTheDefaultDatabaseAndWritesItDown)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    QDir().mkpath(dir.filePath(QStringLiteral("data/sorvik")));
    const QString path = dir.filePath(QStringLiteral("data/sorvik/sorvik.fdb"));
    CopyPreparedDatabase(PreparedDatabase::Current, path);
    QDir().mkpath(appDir());
    {
        TDataModule1 module;
        EXPECT_TRUE(module.start(appDir()));
        EXPECT_EQ(module.IBDatabase1.databaseName(), path);
    }
    IniFile ini(appDir() + QStringLiteral("sorvik.ini"));
    EXPECT_EQ(ini.readString(QStringLiteral("system"), QStringLiteral("dbName")), path);
    EXPECT_TRUE(ini.valueExists(QStringLiteral("system"), QStringLiteral("dbpc")));
    EXPECT_EQ(ini.readString(QStringLiteral("system"), QStringLiteral("dbpc"), QStringLiteral("x")), QString());
    if (saved.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
}

TEST_F(DataModuleStartTest, MissingDatabaseEndsTheProgramWithTheMessage)
{
    pointIniAtDatabase();  // names a file that was never created
    TDataModule1 module;
    EXPECT_FALSE(module.start(appDir()));
    EXPECT_EQ(messages.texts(), QStringList{StartupMessages::ConnectFailed});
    EXPECT_FALSE(module.IBDatabase1.isConnected());
    // Nothing is written back after a failed connection.
    IniFile ini(appDir() + QStringLiteral("sorvik.ini"));
    EXPECT_EQ(ini.keys(QStringLiteral("system")), (QStringList{QStringLiteral("dbpc"), QStringLiteral("dbname")}));
}

TEST_F(DataModuleStartTest, Version04DatabaseIsRefused)
{
    copyDatabase(PreparedDatabase::V0_4);
    pointIniAtDatabase();
    TDataModule1 module;
    EXPECT_FALSE(module.start(appDir()));
    EXPECT_EQ(messages.texts(), QStringList{StartupMessages::Version04});
    EXPECT_FALSE(module.IBDatabase1.isConnected());
}

TEST_F(DataModuleStartTest, Version046IsUpgradedWithItsDataIntact)
{
    copyDatabase(PreparedDatabase::V0_4_6);
    ExecuteOnFile(databasePath(),
                  {QStringLiteral("insert into KOJI (KJCD, APDT, KJNM) values (1, '2009/04/01', '札幌駅前工事')"),
                   QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, SDFILE1) values (1, 1, '2009/04/01', "
                                  "'北海建設', 'KAO00001.JPG')")});
    pointIniAtDatabase();
    TDataModule1 module;
    ASSERT_TRUE(module.start(appDir()));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(DetectSchemaVersion(module.IBDatabase1), SchemaVersion::V0_5);
    const QStringList columns = module.IBDatabase1.fieldNames(QStringLiteral("GYOSYA"));
    EXPECT_EQ(columns.mid(columns.size() - 22),
              (QStringList{"SNKYDT1", "SNKYDT2",    "SNKYDT3",  "SNKYDT4",    "LANK1",  "LANK2",  "LANK3",  "KTKDT",
                           "KTKNO",   "KENPONO",    "NENKINNO", "KOYONO",     "UKSAL",  "UKKJNY", "MAEPER", "MAEMNYPER",
                           "MAEPN",   "HARFMNYPER", "HARFPN",   "CMPLMNYPER", "CMPLPN", "SIGNFL"}));

    QString name;
    ASSERT_TRUE(module.GetContractorItem(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("CPNM"),
                                         QStringLiteral("2009/04/01"), name));
    EXPECT_EQ(name, QStringLiteral("北海建設"));
    module.IBQuery1.setSql(QStringLiteral("select KJNM from KOJI"));
    module.IBQuery1.open();
    EXPECT_EQ(module.IBQuery1.field(QStringLiteral("KJNM")).asString(), QStringLiteral("札幌駅前工事"));
    module.IBQuery1.close();
}

TEST_F(DataModuleStartTest, PartlyUpgradedDatabaseFailsRollsBackAndGoesOn)
{
    copyDatabase(PreparedDatabase::V0_4_6);
    // LANK1 is the fifth column of the upgrade: the first four are added, then it fails.
    ExecuteOnFile(databasePath(), {GyosyaUpgradeStatements().at(4)});
    const QStringList before = [&] {
        db::Database database;
        database.setDatabaseName(databasePath());
        database.open();
        return database.fieldNames(QStringLiteral("GYOSYA"));
    }();
    pointIniAtDatabase();
    TDataModule1 module;
    EXPECT_TRUE(module.start(appDir()));
    EXPECT_EQ(messages.texts(), QStringList{StartupMessages::UpgradeFailed});
    EXPECT_TRUE(module.IBDatabase1.isConnected());
    module.IBTransaction1.commit();
    EXPECT_EQ(module.IBDatabase1.fieldNames(QStringLiteral("GYOSYA")), before);
}

}  // namespace
