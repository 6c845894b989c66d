#include "EngineInitLockHolder.h"
#include "PreparedDatabase.h"
#include "SiteSql.h"

#include "db/ConnectTimeout.h"
#include "db/Database.h"
#include "db/EngineControl.h"
#include "db/Query.h"
#include "db/ServiceManager.h"
#include "db/ServiceTarget.h"
#include "db/Transaction.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class DatabaseLayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        database.setDatabaseName(scratch.path());
        database.open();
        exec(QStringLiteral("create table T (ID integer not null primary key, NAME varchar(10),"
                            " AMOUNT numeric(9,2), FLAG smallint, DT date, PIC blob sub_type 0,"
                            " NOTE blob sub_type 1, CODE char(4))"));
        transaction.commitRetaining();
    }

    void exec(const QString &sql) { ExecSql(transaction, sql); }
    QString scalar(const QString &sql) { return ScalarValue(transaction, sql); }

    DatabaseCopy scratch{PreparedDatabase::Blank};
    db::Database database;
    db::Transaction transaction{database};
};

TEST_F(DatabaseLayerTest, ReadsTypedValuesByNameWithoutCase)
{
    exec(QStringLiteral("insert into T (ID, NAME, AMOUNT, FLAG, DT, CODE) values"
                        " (1, '山田 太郎', 12.5, 1, '2009-04-01', 'AB')"));
    db::Query query(transaction);
    query.setSql(QStringLiteral("select * from T"));
    query.open();
    ASSERT_FALSE(query.eof());
    EXPECT_EQ(query.field(QStringLiteral("name")).asString(), QStringLiteral("山田 太郎"));
    EXPECT_DOUBLE_EQ(query.field(QStringLiteral("AMOUNT")).asDouble(), 12.5);
    EXPECT_EQ(query.field(QStringLiteral("FLAG")).asInt(), 1);
    EXPECT_EQ(query.field(QStringLiteral("DT")).asDate(), QDate(2009, 4, 1));
    EXPECT_EQ(query.field(QStringLiteral("CODE")).asString(), QStringLiteral("AB"));
    EXPECT_TRUE(query.field(QStringLiteral("PIC")).isNull());
    EXPECT_EQ(query.field(QStringLiteral("PIC")).asString(), QString());
    EXPECT_THROW(query.field(QStringLiteral("MISSING")), db::Error);
    query.next();
    EXPECT_TRUE(query.eof());
}

TEST_F(DatabaseLayerTest, TextColumnsReportTheirLengthInCharacters)
{
    db::Query query(transaction);
    query.setSql(QStringLiteral("select NAME, ID from T"));
    const auto &columns = query.columns();
    ASSERT_EQ(columns.size(), 2);
    EXPECT_EQ(columns[0].charLength, 10);
    EXPECT_EQ(columns[0].relation, QStringLiteral("T"));
    EXPECT_EQ(columns[1].kind, db::Column::Kind::Integer);
    EXPECT_FALSE(columns[1].nullable);
}

TEST_F(DatabaseLayerTest, ParametersCarryTextNumbersNullsAndBlobs)
{
    QByteArray picture(100000, '\0');
    for (int i = 0; i < picture.size(); ++i)
        picture[i] = char(i * 7);
    db::Query insert(transaction);
    insert.setSql(QStringLiteral("insert into T (ID, NAME, FLAG, PIC, NOTE) values (?, ?, ?, ?, ?)"));
    insert.setParam(0, 7);
    insert.setParam(1, QStringLiteral("O'Neil"));
    insert.setParam(2, QVariant());
    insert.setParam(3, picture);
    insert.setParam(4, QStringLiteral("備考です"));
    insert.exec();
    EXPECT_EQ(insert.rowsAffected(), 1);
    transaction.commitRetaining();

    db::Query query(transaction);
    query.setSql(QStringLiteral("select NAME, FLAG, PIC, NOTE from T where ID = ?"));
    query.setParam(0, QStringLiteral("7"));
    query.open();
    ASSERT_FALSE(query.eof());
    EXPECT_EQ(query.field(QStringLiteral("NAME")).asString(), QStringLiteral("O'Neil"));
    EXPECT_TRUE(query.field(QStringLiteral("FLAG")).isNull());
    EXPECT_EQ(query.field(QStringLiteral("PIC")).asBytes(), picture);
    EXPECT_EQ(query.field(QStringLiteral("NOTE")).asString(), QStringLiteral("備考です"));
}

TEST_F(DatabaseLayerTest, ErrorsCarryTheEnginesOwnMessage)
{
    exec(QStringLiteral("insert into T (ID) values (1)"));
    try {
        exec(QStringLiteral("insert into T (ID) values (1)"));
        FAIL() << "a duplicate key was accepted";
    } catch (const db::Error &error) {
        EXPECT_TRUE(error.message().contains(QLatin1String("UNIQUE"))) << error.what();
        EXPECT_NE(error.gdsCode(), 0);
    }
    try {
        exec(QStringLiteral("select NOPE from T"));
        FAIL() << "an unknown column was accepted";
    } catch (const db::Error &error) {
        EXPECT_TRUE(error.message().contains(QLatin1String("NOPE"))) << error.what();
    }
}

TEST_F(DatabaseLayerTest, RollbackRetainingUndoesOnlyWhatWasNotCommitted)
{
    exec(QStringLiteral("insert into T (ID) values (1)"));
    transaction.commitRetaining();
    exec(QStringLiteral("insert into T (ID) values (2)"));
    transaction.rollbackRetaining();
    EXPECT_TRUE(transaction.isActive());
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from T")), QStringLiteral("1"));
}

TEST_F(DatabaseLayerTest, CommittedWorkSurvivesReopeningAndUncommittedDoesNot)
{
    exec(QStringLiteral("insert into T (ID) values (1)"));
    transaction.commitRetaining();
    exec(QStringLiteral("insert into T (ID) values (2)"));
    db::Query open(transaction);
    open.setSql(QStringLiteral("select ID from T"));
    open.open();

    database.close();
    EXPECT_FALSE(transaction.isActive());
    EXPECT_FALSE(open.isOpen());
    database.open();
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from T")), QStringLiteral("1"));
    open.open();
    EXPECT_EQ(open.field(0).asInt(), 1);
}

TEST_F(DatabaseLayerTest, ReconnectingSwapsTheFileUnderTheSharedTransactionAndQueries)
{
    exec(QStringLiteral("insert into T (ID) values (1)"));
    transaction.commitRetaining();
    db::Query open(transaction);
    open.setSql(QStringLiteral("select count(*) from T"));
    open.open();
    DatabaseCopy other{PreparedDatabase::Blank};

    database.reconnect([&] {
        EXPECT_FALSE(database.isConnected());
        EXPECT_FALSE(open.isOpen());
        ASSERT_TRUE(QFile::remove(scratch.path()));
        ASSERT_TRUE(QFile::copy(other.path(), scratch.path()));
    });

    EXPECT_TRUE(database.isConnected());
    EXPECT_TRUE(database.tableNames().isEmpty());
    exec(QStringLiteral("create table U (ID integer)"));
    transaction.commitRetaining();
    EXPECT_EQ(database.tableNames(), QStringList{QStringLiteral("U")});
}

TEST_F(DatabaseLayerTest, AFailureWhileClosedStillReopensAndAFailedReopenLeavesNoAttachment)
{
    EXPECT_THROW(database.reconnect([] { throw std::runtime_error("swap failed"); }), std::runtime_error);
    EXPECT_TRUE(database.isConnected());
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from T")), QStringLiteral("0"));

    try {
        database.reconnect([&] { ASSERT_TRUE(QFile::remove(scratch.path())); });
        ADD_FAILURE() << "a missing file reopened";
    } catch (const db::Error &error) {
        EXPECT_TRUE(error.message().contains(scratch.path())) << error.message().toStdString();
    }
    EXPECT_FALSE(database.isConnected());
    EXPECT_THROW(scalar(QStringLiteral("select 1 from rdb$database")), db::Error);
}

TEST_F(DatabaseLayerTest, ListsTablesColumnsAndKeys)
{
    EXPECT_EQ(database.tableNames(), QStringList{QStringLiteral("T")});
    EXPECT_EQ(database.fieldNames(QStringLiteral("t")).first(), QStringLiteral("ID"));
    EXPECT_EQ(database.fieldNames(QStringLiteral("t")).size(), 8);
    EXPECT_EQ(database.primaryKeyFields(QStringLiteral("T")), QStringList{QStringLiteral("ID")});
    EXPECT_TRUE(database.fieldNames(QStringLiteral("NONE")).isEmpty());
}

TEST(DatabaseConnection, MissingFileFailsWithTheEnginesMessage)
{
    db::Database database;
    database.setDatabaseName(QStringLiteral("/nonexistent-folder/none.fdb"));
    try {
        database.open();
        FAIL() << "opened a missing database";
    } catch (const db::Error &error) {
        EXPECT_FALSE(error.message().isEmpty());
    }
    EXPECT_FALSE(database.isConnected());
}

TEST(DatabaseConnection, CreateRefusesAnExistingFile)
{
    DatabaseCopy scratch{PreparedDatabase::Blank};
    EXPECT_THROW(db::Database::create(scratch.path()), db::Error);
}

TEST(DatabaseConnection, LocalAndServerNames)
{
    EXPECT_TRUE(db::Database::isLocalName(QStringLiteral("/home/u/sorvik.fdb")));
    EXPECT_TRUE(db::Database::isLocalName(QStringLiteral("localhost:/data/sorvik.fdb")));
    EXPECT_TRUE(db::Database::isLocalName(QStringLiteral("C:\\Database\\sorvik.fdb")));
    EXPECT_FALSE(db::Database::isLocalName(QStringLiteral("server:/data/sorvik.fdb")));
    EXPECT_FALSE(db::Database::isLocalName(QStringLiteral("inet://server/data/sorvik.fdb")));

    for (const char *server : {"localhost:/data/s.fdb", "db.example.jp:/data/s.fdb", "192.168.1.5/3051:/s.fdb",
                               "inet://server/data/s.fdb", "server:C:\\Database\\s.fdb"})
        EXPECT_TRUE(db::Database::isServerName(QLatin1String(server))) << server;
    for (const char *file :
         {"/home/u/sorvik.fdb", "sorvik.fdb", "C:\\Database\\s.fdb", "/data/a:b.fdb", "./x:y.fdb", ""})
        EXPECT_FALSE(db::Database::isServerName(QLatin1String(file))) << file;
}

TEST(DatabaseConnection, AServiceReachesTheServerOfTheNameAndNamesTheDatabaseByItsPath)
{
    const db::ServiceTarget server = db::ServiceTarget::of(QStringLiteral("localhost/3051:/data/a:b.fdb"));
    EXPECT_EQ(server.host, QStringLiteral("localhost/3051"));
    EXPECT_EQ(server.path, QStringLiteral("/data/a:b.fdb"));
    EXPECT_EQ(server.databaseName(QStringLiteral("/data/c.fdb")), QStringLiteral("localhost/3051:/data/c.fdb"));
    const db::ServiceTarget embedded = db::ServiceTarget::of(QStringLiteral("/home/u/sorvik.fdb"));
    EXPECT_TRUE(embedded.host.isEmpty());
    EXPECT_EQ(embedded.databaseName(QStringLiteral("/home/u/x.fdb")), QStringLiteral("/home/u/x.fdb"));
    EXPECT_THROW(db::ServiceTarget::of(QStringLiteral("inet://server/data/s.fdb")), db::Error);
}

TEST(DatabaseConnection, AnEngineThatDoesNotAnswerEndsInAMessageNamingTheDatabase)
{
    DatabaseCopy scratch;
    db::Database database;
    database.setDatabaseName(scratch.path());
    db::ConnectionParams params;
    params.connectTimeLimit = std::chrono::milliseconds(150);
    database.setParams(params);
    {
        const EngineInitLockHolder holder;
        try {
            database.open();
            FAIL() << "opened past a held engine lock";
        } catch (const db::ConnectTimeout &timeout) {
            EXPECT_TRUE(timeout.message().contains(scratch.path())) << timeout.message().toStdString();
        }
        EXPECT_FALSE(database.isConnected());
        EXPECT_TRUE(db::abandonedCallRunning());
    }
    // The given-up open comes back and ends its own connection; nothing stays blocked.
    EXPECT_TRUE(EngineInitLockHolder::awaitAbandonedCalls());
    database.open();
    EXPECT_TRUE(database.isConnected());
}

TEST(DatabaseConnection, ValidationReadsEveryPageAndFailsACutOffFile)
{
    DatabaseCopy scratch{PreparedDatabase::Demo};
    EXPECT_EQ(db::Database::validate(scratch.path()).total(), 0);

    QFile file(scratch.path());
    ASSERT_TRUE(file.resize(file.size() * 9 / 10));
    db::Database database;
    database.setDatabaseName(scratch.path());
    database.open();  // the header is there: an open alone does not see the damage
    database.close();
    EXPECT_THROW(db::Database::validate(scratch.path()), db::Error);
}

TEST(ServiceManagerTest, BacksUpAndRestoresAWholeDatabase)
{
    DatabaseCopy scratch{PreparedDatabase::Blank};
    {
        db::Database database;
        database.setDatabaseName(scratch.path());
        database.open();
        db::Transaction transaction(database);
        db::Query query(transaction);
        query.setSql(QStringLiteral("create table T (ID integer)"));
        query.exec();
        transaction.commitRetaining();
        query.setSql(QStringLiteral("insert into T values (42)"));
        query.exec();
        transaction.commit();
    }
    const QString backup = scratch.folder() + QStringLiteral("/sorvikdb.fbk");
    const QString restored = scratch.folder() + QStringLiteral("/restored.fdb");
    db::ServiceManager service;
    service.attach(QString());
    QStringList lines;
    service.backup(scratch.path(), backup, {true, true}, [&](const QString &line) { lines << line; });
    EXPECT_TRUE(QFile::exists(backup));
    EXPECT_FALSE(lines.isEmpty());
    lines.clear();
    service.restore(backup, restored, {true, 4096}, [&](const QString &line) { lines << line; });
    EXPECT_FALSE(lines.isEmpty());
    service.detach();

    db::Database database;
    database.setDatabaseName(restored);
    database.open();
    db::Transaction transaction(database);
    db::Query query(transaction);
    query.setSql(QStringLiteral("select ID from T"));
    query.open();
    ASSERT_FALSE(query.eof());
    EXPECT_EQ(query.field(0).asInt(), 42);
}

TEST(ServiceManagerTest, AFailedBackupRaisesTheEnginesMessage)
{
    QTemporaryDir dir;
    db::ServiceManager service;
    service.attach(QString());
    EXPECT_THROW(
        service.backup(dir.filePath(QStringLiteral("missing.fdb")), dir.filePath(QStringLiteral("x.fbk")), {}, {}),
        db::Error);
}

}  // namespace
