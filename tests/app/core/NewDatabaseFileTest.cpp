#include "db/Database.h"
#include "db/Error.h"
#include "db/NewDatabaseFile.h"
#include "db/Query.h"
#include "db/Transaction.h"
#include "schema/SchemaBuilder.h"
#include "schema/SchemaVersion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class NewDatabaseFileTest : public ::testing::Test
{
protected:
    QStringList builds() const
    {
        return QDir(dir.path()).entryList({db::NewDatabaseFile::buildPattern(target)}, QDir::Files | QDir::System);
    }
    void write(const QString &path, const QByteArray &bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString target = dir.filePath(QStringLiteral("site.fdb"));
};

TEST_F(NewDatabaseFileTest, AFailureOnTheWayLeavesNoFileAtAll)
{
    const auto failingFill = [](db::Transaction &transaction) {
        db::Query query(transaction);
        query.setSql(QStringLiteral("insert into NO_SUCH_TABLE values (1)"));
        query.exec();
    };
    EXPECT_THROW(CreateSorvikDatabase(target, SchemaVersion::V0_5, failingFill), db::Error);
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(builds().isEmpty());
}

TEST_F(NewDatabaseFileTest, TheFinishedDatabaseTakesItsNameWithWhatWasFilledIn)
{
    CreateSorvikDatabase(target, SchemaVersion::V0_5, [](db::Transaction &transaction) {
        db::Query query(transaction);
        query.setSql(QStringLiteral("insert into SHOKU (SHCD, NAME) values (0, '安全 太郎')"));
        query.exec();
    });
    EXPECT_TRUE(builds().isEmpty());
    db::Database database;
    database.setDatabaseName(target);
    database.open();
    EXPECT_EQ(DetectSchemaVersion(database), SchemaVersion::V0_5);
    db::Transaction transaction(database);
    db::Query query(transaction);
    query.setSql(QStringLiteral("select NAME from SHOKU"));
    query.open();
    ASSERT_FALSE(query.eof());
    EXPECT_EQ(query.field(0).asString(), QStringLiteral("安全 太郎"));
}

TEST_F(NewDatabaseFileTest, AFileThatAppearsDuringTheBuildIsNotReplaced)
{
    const QString name = target;
    EXPECT_THROW(CreateSorvikDatabase(target, SchemaVersion::V0_5,
                                      [&](db::Transaction &) {
                                          QFile file(name);
                                          file.open(QIODevice::WriteOnly);
                                          file.write("another program's file");
                                      }),
                 db::Error);
    EXPECT_EQ(read(target), QByteArray("another program's file"));
    EXPECT_TRUE(builds().isEmpty());
}

TEST_F(NewDatabaseFileTest, ALinkUnderTheNameCountsAsAnExistingFile)
{
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nowhere.fdb")), target));
    EXPECT_THROW(CreateSorvikDatabase(target), db::Error);
    EXPECT_TRUE(QFileInfo(target).isSymLink());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("nowhere.fdb"))));
}

TEST_F(NewDatabaseFileTest, ABuildLeftByAKilledProcessIsClearedByTheNextOne)
{
    // No process has this number; process 1 always runs.
    const QString gone = target + QStringLiteral(".building-2147483646");
    const QString running = target + QStringLiteral(".building-1");
    write(gone, "half a database");
    write(running, "another build in progress");
    CreateSorvikDatabase(target);
    EXPECT_FALSE(QFile::exists(gone));
    EXPECT_TRUE(QFile::exists(running));
    EXPECT_TRUE(QFile::exists(target));
}

}  // namespace
