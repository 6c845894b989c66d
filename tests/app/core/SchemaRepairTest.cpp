#include "SiteFixture.h"
#include "SiteSql.h"

#include "schema/SchemaDefinition.h"
#include "schema/SchemaRepair.h"
#include "startup/StartupMessages.h"

namespace {

using SchemaRepairTest = ProgramFolderFixture;

// A database as an earlier build made it: KIKAI's check columns without the underscore
// (the first, a middle and the last of them are enough to tell) and no index on the
// parent links; one machine with ticked checks.
void makeOldDatabase(const QString &path)
{
    QStringList statements{QStringLiteral("drop index IDX_TAISEI_HTYCD")};
    for (const QString name : {"CHKA_1A", "CHKA_17B", "CHKB_1A", "CHKH_4B"})
        statements << QStringLiteral("alter table KIKAI alter column %1 to %2").arg(name, QString(name).remove('_'));
    statements << QStringLiteral("insert into KIKAI (KJCD, GYOCD, MCCD, KKNM, CHKA1A, CHKA17B, CHKH4B) values "
                                 "(1, 2, 3, 'クレーン', 1, 0, 1)");
    ExecuteOnFile(path, statements);
}

TEST_F(SchemaRepairTest, OldCheckColumnsAreRenamedAtStartWithTheirData)
{
    copyDatabase(PreparedDatabase::Current);
    makeOldDatabase(databasePath());
    ASSERT_TRUE(ColumnValuesOnFile(databasePath(), "select CHKA1A from KIKAI") == QStringList{"1"});
    pointIniAtDatabase();
    {
        TDataModule1 module;
        ASSERT_TRUE(module.start(appDir()));
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    }
    EXPECT_EQ(ColumnValuesOnFile(databasePath(), "select KKNM||'|'||CHKA_1A||'|'||CHKA_17B||'|'||CHKH_4B from KIKAI"),
              QStringList{"クレーン|1|0|1"});
    EXPECT_EQ(ColumnValuesOnFile(databasePath(),
                                 "select count(*) from RDB$INDICES where RDB$INDEX_NAME = "
                                 "'IDX_TAISEI_HTYCD'"),
              QStringList{"1"});

    // A database of the current layout needs nothing.
    TDataModule1 again;
    ASSERT_TRUE(again.start(appDir()));
    EXPECT_TRUE(SchemaRepairStatements(again.IBDatabase1.fieldNames("KIKAI"), {ParentIndexName}).isEmpty());
}

TEST_F(SchemaRepairTest, AFailedRepairIsToldLeavesTheDatabaseAsItWasAndTheProgramGoesOn)
{
    copyDatabase(PreparedDatabase::Current);
    makeOldDatabase(databasePath());
    // A view that uses an old name keeps the engine from renaming it.
    ExecuteOnFile(databasePath(), {"create view OLD_CHECKS as select CHKB1A from KIKAI"});
    pointIniAtDatabase();
    {
        TDataModule1 module;
        EXPECT_TRUE(module.start(appDir()));
        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_TRUE(messages.texts()[0].startsWith(StartupMessages::RepairFailed));
    }
    EXPECT_EQ(ColumnValuesOnFile(databasePath(), "select CHKA1A from KIKAI"), QStringList{"1"});
}

TEST_F(SchemaRepairTest, OnlyTheOldNamesWithoutANewOneAreRenamed)
{
    const QStringList statements = SchemaRepairStatements({"CHKA1A", "CHKA_2A", "CHKA2A"}, {ParentIndexName});
    EXPECT_EQ(statements, QStringList{"alter table KIKAI alter column CHKA1A to CHKA_1A"});
}

}  // namespace
