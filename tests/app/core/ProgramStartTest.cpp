#include "EngineInitLockHolder.h"
#include "SiteFixture.h"

#include "startup/ProgramStart.h"
#include "startup/SingleInstanceLock.h"
#include "startup/StartupMessages.h"

#include "config/IniFile.h"

#include <QCoreApplication>
#include <QFile>

namespace {

class ProgramStartTest : public ProgramFolderFixture
{
protected:
    QString lockName = QStringLiteral("SORVIKN-start-%1").arg(QCoreApplication::applicationPid());
};

TEST_F(ProgramStartTest, SecondInstanceIsRefusedBeforeTouchingTheDatabase)
{
    copyDatabase(PreparedDatabase::Current);
    pointIniAtDatabase();
    SingleInstanceLock running(lockName);
    ASSERT_TRUE(running.tryAcquire());

    SingleInstanceLock lock(lockName);
    TDataModule1 module;
    EXPECT_FALSE(StartProgram(lock, module, appDir()));
    EXPECT_EQ(messages.texts(), QStringList{StartupMessages::SecondInstance});
    EXPECT_FALSE(module.IBDatabase1.isConnected());
}

TEST_F(ProgramStartTest, FirstInstanceStartsAndHoldsTheLock)
{
    copyDatabase(PreparedDatabase::Current);
    pointIniAtDatabase();
    SingleInstanceLock lock(lockName);
    TDataModule1 module;
    EXPECT_TRUE(StartProgram(lock, module, appDir()));
    EXPECT_TRUE(messages.texts().isEmpty());
    SingleInstanceLock other(lockName);
    EXPECT_FALSE(other.tryAcquire());
}

TEST_F(ProgramStartTest, FailedStartLetsTheLockGo)
{
    pointIniAtDatabase();  // no database there
    SingleInstanceLock lock(lockName);
    TDataModule1 module;
    EXPECT_FALSE(StartProgram(lock, module, appDir()));
    SingleInstanceLock other(lockName);
    EXPECT_TRUE(other.tryAcquire());
}

TEST_F(ProgramStartTest, AConfigurationThatIsNotCp932IsToldAndLeftAsItWas)
{
    copyDatabase(PreparedDatabase::Current);
    QDir().mkpath(appDir());
    // A file saved as UTF-8 with a new database path: the start goes on with what it can
    // read, and writes neither the path back nor "?" for every Japanese byte.
    const QByteArray utf8 = (QStringLiteral("[system]\ndbpc=\ndbName=") + databasePath()
                             + QStringLiteral("\n[data]\nremark1=安全第一・ご安全に！\n"))
                                .toUtf8();
    const QString iniPath = appDir() + QStringLiteral("sorvik.ini");
    {
        QFile file(iniPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(utf8);
    }
    SingleInstanceLock lock(lockName);
    TDataModule1 module;
    EXPECT_TRUE(StartProgram(lock, module, appDir()));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(iniPath));
    module.iniFile->writeString(QStringLiteral("data"), QStringLiteral("kojicode"), QStringLiteral("2"));
    QFile file(iniPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), utf8);
}

TEST_F(ProgramStartTest, ADatabaseTheEngineDoesNotAnswerForEndsTheStartNamingIt)
{
    copyDatabase(PreparedDatabase::Current);
    pointIniAtDatabase();
    SingleInstanceLock lock(lockName);
    TDataModule1 module;
    db::ConnectionParams params = module.IBDatabase1.params();
    params.connectTimeLimit = std::chrono::milliseconds(150);
    module.IBDatabase1.setParams(params);
    {
        const EngineInitLockHolder holder;
        EXPECT_FALSE(StartProgram(lock, module, appDir()));
    }
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(StartupMessages::ConnectFailed));
    EXPECT_TRUE(messages.texts().first().contains(databasePath()));
    EXPECT_TRUE(EngineInitLockHolder::awaitAbandonedCalls());
}

}  // namespace
