#include "PreparedDatabase.h"

#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"
#include "schema/GyosyaUpgrade.h"
#include "schema/SchemaBuilder.h"
#include "schema/SchemaVersion.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

class SchemaTest : public ::testing::Test
{
protected:
    // A database of the layout as CreateSorvikDatabase builds it (the build prepared it).
    QString build(SchemaVersion version)
    {
        const QString path = dir.filePath(SchemaVersionText(version) + QStringLiteral(".fdb"));
        CopyPreparedDatabase(kinds.at(version), path);
        return path;
    }

    const std::map<SchemaVersion, PreparedDatabase> kinds{{SchemaVersion::V0_4, PreparedDatabase::V0_4},
                                                          {SchemaVersion::V0_4_6, PreparedDatabase::V0_4_6},
                                                          {SchemaVersion::V0_5, PreparedDatabase::Current}};

    QTemporaryDir dir;
};

TEST_F(SchemaTest, EachLayoutIsRecognisedAsWhatItWasBuiltAs)
{
    for (SchemaVersion version : {SchemaVersion::V0_4, SchemaVersion::V0_4_6, SchemaVersion::V0_5}) {
        db::Database database;
        database.setDatabaseName(build(version));
        database.open();
        EXPECT_EQ(DetectSchemaVersion(database), version) << SchemaVersionText(version).toStdString();
    }
}

TEST_F(SchemaTest, CurrentLayoutHasAllSixteenTablesAndTheBindingColumnOrders)
{
    db::Database database;
    database.setDatabaseName(build(SchemaVersion::V0_5));
    database.open();
    EXPECT_EQ(database.tableNames(),
              (QStringList{"CARRY", "DEZURA", "D_CARRY", "D_KIKAI", "EDUC", "GYOSYA", "IMGFL", "INSIKAKU", "KIKAI",
                           "KOJI", "KOUGU", "NMCARD", "SAGYOIN", "SHOKU", "TAIKEI", "TAISEI"}));
    const QStringList taisei = database.fieldNames(QStringLiteral("TAISEI"));
    ASSERT_EQ(taisei.size(), 14);
    EXPECT_EQ(taisei.mid(0, 6), (QStringList{"KJCD", "GYOCD", "CPNM", "HTYCD", "UNUM", "EFECT"}));
    const QStringList taikei = database.fieldNames(QStringLiteral("TAIKEI"));
    ASSERT_EQ(taikei.size(), 18);
    EXPECT_EQ(taikei.mid(0, 10),
              (QStringList{"KJCD", "APDT", "GYOCD", "CPNM", "HTYCD", "UNUM", "LOCPG", "LOCROW", "LOCCOL", "CRDT"}));
    EXPECT_EQ(taikei[11], QStringLiteral("YOBIN1"));
    EXPECT_EQ(taikei[13], QStringLiteral("YOBIS1"));
    EXPECT_EQ(database.fieldNames(QStringLiteral("GYOSYA")).last(), QStringLiteral("SIGNFL"));
}

TEST_F(SchemaTest, NamedIndexesExist)
{
    db::Database database;
    database.setDatabaseName(build(SchemaVersion::V0_5));
    database.open();
    db::Transaction transaction(database);
    db::Query query(transaction);
    query.setSql(QStringLiteral("select rdb$index_name from rdb$indices where coalesce(rdb$system_flag, 0) = 0"));
    QStringList names;
    for (query.open(); !query.eof(); query.next())
        names << query.field(0).asString().trimmed();
    for (const char *name : {"PK_SHOKU", "PK_EDUC", "IDX_EDUC", "PK_SAGYOIN", "IDXINDT", "PK_CARRY", "PK_KIKAI",
                             "PK_KOUGU", "PK_DEZURA", "PK_NMCARD", "PK_INSIKAKU", "IDX_IMGFL_FLNM"})
        EXPECT_TRUE(names.contains(QLatin1String(name))) << name;
}

TEST_F(SchemaTest, DatabaseAssignsKeysOnEveryInsert)
{
    db::Database database;
    database.setDatabaseName(build(SchemaVersion::V0_5));
    database.open();
    db::Transaction transaction(database);
    db::Query query(transaction);
    const QStringList inserts = {
        QStringLiteral("insert into SHOKU (SHCD, NAME) values (0, 'a')"),
        QStringLiteral("insert into EDUC (EDCD, KBN, NM) values (0, 1, 'a')"),
        QStringLiteral("insert into INSIKAKU (INNO, KJCD) values (0, 1)"),
        QStringLiteral("insert into IMGFL (IMCD, FLNM) values (0, 'KAO00001.JPG')"),
    };
    for (const QString &insert : inserts) {
        query.setSql(insert);
        query.exec();
        query.exec();
    }
    // A key brought from another database is replaced too, so it cannot collide.
    query.setSql(QStringLiteral("insert into SHOKU (SHCD, NAME) values (1, 'imported')"));
    query.exec();
    transaction.commitRetaining();
    for (const auto &[table, key, rows] : {std::tuple{"SHOKU", "SHCD", 3}, std::tuple{"EDUC", "EDCD", 2},
                                           std::tuple{"INSIKAKU", "INNO", 2}, std::tuple{"IMGFL", "IMCD", 2}}) {
        query.setSql(
            QStringLiteral("select count(distinct %1), min(%1) from %2").arg(QLatin1String(key), QLatin1String(table)));
        query.open();
        EXPECT_EQ(query.field(0).asInt(), rows) << table;
        EXPECT_GT(query.field(1).asInt(), 0) << table;
    }
}

TEST_F(SchemaTest, UpgradeStatementsRunAsWrittenAndCompleteAnOlderLayout)
{
    db::Database database;
    database.setDatabaseName(build(SchemaVersion::V0_4_6));
    database.open();
    db::Transaction transaction(database);
    db::Query query(transaction);
    for (const QString &statement : GyosyaUpgradeStatements()) {
        query.setSql(statement);
        query.exec();
    }
    transaction.commitRetaining();
    EXPECT_EQ(DetectSchemaVersion(database), SchemaVersion::V0_5);
}

TEST_F(SchemaTest, CreateRefusesAnExistingFileAndKeepsIt)
{
    const QString path = build(SchemaVersion::V0_5);
    EXPECT_THROW(CreateSorvikDatabase(path), db::Error);
    EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
