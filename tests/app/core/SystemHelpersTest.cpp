#include "EnvironmentOverride.h"
#include "system/FileHelpers.h"
#include "startup/SingleInstanceLock.h"
#include "system/SystemInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QSysInfo>
#include <QTemporaryDir>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("x");
}

TEST(SingleInstanceLockTest, SecondInstanceIsRefusedUntilTheFirstEnds)
{
    const QString name = QStringLiteral("SORVIKN-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstanceLock first(name);
    ASSERT_TRUE(first.tryAcquire());
    {
        SingleInstanceLock second(name);
        EXPECT_FALSE(second.tryAcquire());
    }
    first.release();
    SingleInstanceLock third(name);
    EXPECT_TRUE(third.tryAcquire());
}

TEST(SingleInstanceLockTest, LockOfAProgramThatDiedIsTakenOver)
{
    const QString name = QStringLiteral("SORVIKN-stale-%1").arg(QCoreApplication::applicationPid());
    SingleInstanceLock lock(name);
    {
        // What a crashed program leaves: a lock naming a process that no longer runs.
        QFile file(lock.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("2147483646\nsorvik\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    EXPECT_TRUE(lock.tryAcquire());
}

TEST(SingleInstanceLockTest, TheLockLivesInAFolderOnlyTheUserMayEnter)
{
    // Never the shared temporary folder, where another user could create the file first.
    SingleInstanceLock lock;
    const QFileInfo folder(QFileInfo(lock.path()).absolutePath());
    EXPECT_TRUE(lock.path().endsWith(QStringLiteral("/sorvik/SORVIKN.lock"))) << lock.path().toStdString();
    EXPECT_EQ(folder.ownerId(), getuid());
    EXPECT_EQ(folder.permissions()
                  & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
                     | QFile::ExeOther),
              QFile::Permissions());
}

TEST(SingleInstanceLockTest, AFolderThatCannotBeMadeIsToldNotTakenForASecondInstance)
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("file")));
    EnvironmentOverride runtime("XDG_RUNTIME_DIR", std::nullopt);
    EnvironmentOverride cache("XDG_CACHE_HOME", dir.filePath(QStringLiteral("file")).toUtf8());  // not a folder
    SingleInstanceLock lock;
    EXPECT_FALSE(lock.tryAcquire());
    EXPECT_FALSE(lock.errorString().isEmpty());
}

TEST(ClearFolderTest, DeletesFilesButNotSubfolders)
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("a.jpg")));
    touch(dir.filePath(QStringLiteral(".hidden")));
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    touch(dir.filePath(QStringLiteral("sub/b.jpg")));
    EXPECT_TRUE(ClearFolder(dir.path()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("sub")});
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("sub/b.jpg"))));
    EXPECT_FALSE(ClearFolder(dir.filePath(QStringLiteral("missing"))));
}

TEST(SystemInfoTest, VersionStringsBelongToTheRunningProgramOnly)
{
    const QString program = ProgramFilePath();
    EXPECT_EQ(GetVersionString(program, 3), QStringLiteral(SORVIK_EXPECTED_VERSION));
    EXPECT_EQ(GetVersionString(program, 8), QStringLiteral("Sorvik"));
    EXPECT_EQ(GetVersionString(program, 0), QString());
    EXPECT_EQ(GetVersionString(program, 11), QString());
    EXPECT_EQ(GetVersionString(QStringLiteral("/bin/sh"), 3), QString());
    EXPECT_FALSE(GetLoginUserName().isEmpty());
}

}  // namespace
