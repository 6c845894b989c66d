#include "SiteFixture.h"

#include "startup/ProgramStart.h"
#include "startup/SingleInstanceLock.h"
#include "startup/StartupMessages.h"

#include <QCoreApplication>

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

}  // namespace
