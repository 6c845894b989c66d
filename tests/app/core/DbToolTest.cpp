#include "EngineInitLockHolder.h"
#include "PreparedDatabase.h"
#include "db/Database.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <csignal>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int exitCode;
    QString out;
    QString err;
};

class DbToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Test programs live in build/tests, the tool in build/bin.
        QString binaryDir = qEnvironmentVariable("SORVIK_BINARY_DIR");
        if (binaryDir.isEmpty())
            binaryDir
                = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -3);
        tool = binaryDir + QStringLiteral("/bin/sorvik-dbtool");
        if (!QFile::exists(tool))
            GTEST_SKIP() << "sorvik-dbtool is not built: " << tool.toStdString();
    }

    ToolRun run(const QStringList &arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        process.waitForFinished(60000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString tool;
    QTemporaryDir dir;
};

TEST_F(DbToolTest, CreatesEachVersionAndChecksIt)
{
    for (const QString &version : {QStringLiteral("0.4"), QStringLiteral("0.4.6"), QStringLiteral("0.5")}) {
        const QString path = dir.filePath(version + QStringLiteral(".fdb"));
        EXPECT_EQ(run({QStringLiteral("create"), QStringLiteral("--version"), version, path}).exitCode, 0);
        const ToolRun check = run({QStringLiteral("check"), path});
        EXPECT_EQ(check.exitCode, 0);
        EXPECT_EQ(check.out.trimmed(), version);
    }
}

TEST_F(DbToolTest, FailuresSayWhyAndExitNonZero)
{
    const QString path = dir.filePath(QStringLiteral("a.fdb"));
    ASSERT_EQ(run({QStringLiteral("create"), path}).exitCode, 0);
    const qint64 size = QFile(path).size();

    const ToolRun again = run({QStringLiteral("create"), path});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QLatin1String("already exists")));
    EXPECT_EQ(QFile(path).size(), size);

    const ToolRun missing = run({QStringLiteral("check"), dir.filePath(QStringLiteral("none.fdb"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.isEmpty());

    EXPECT_EQ(run({QStringLiteral("create"), QStringLiteral("--version"), QStringLiteral("0.3"), path}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("frobnicate")}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("create"), dir.filePath(QStringLiteral("no/such/folder/x.fdb"))}).exitCode, 1);
}

TEST_F(DbToolTest, DemoFillsANewDatabaseOnceAndLeavesDataAlone)
{
    const QString path = dir.filePath(QStringLiteral("demo.fdb"));
    const ToolRun filled = run({QStringLiteral("demo"), path});
    EXPECT_EQ(filled.exitCode, 0) << filled.err.toStdString();
    EXPECT_EQ(run({QStringLiteral("check"), path}).out.trimmed(), QStringLiteral("0.5"));
    const qint64 size = QFile(path).size();
    const ToolRun again = run({QStringLiteral("demo"), path});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("already holds projects")));
    EXPECT_EQ(QFile(path).size(), size);
}

TEST_F(DbToolTest, CheckFailsADatabaseCutShortThatStillOpens)
{
    const QString path = dir.filePath(QStringLiteral("cut.fdb"));
    CopyPreparedDatabase(PreparedDatabase::Demo, path);
    QFile file(path);
    ASSERT_TRUE(file.resize(file.size() * 9 / 10));
    const ToolRun check = run({QStringLiteral("check"), path});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.err.contains(QLatin1String("fails the engine's validation"))) << check.err.toStdString();
    EXPECT_TRUE(check.out.isEmpty());
}

TEST_F(DbToolTest, ServerNamesGoToTheServer)
{
    // Nothing listens on the discard port: the server's refusal proves the name was taken
    // for a server and not for a file in a folder "127.0.0.1/9:".
    for (const QString &command : {QStringLiteral("create"), QStringLiteral("demo")}) {
        const ToolRun made = run({command, QStringLiteral("127.0.0.1/9:/srv/sorvik/site.fdb")});
        EXPECT_EQ(made.exitCode, 1);
        EXPECT_TRUE(made.err.contains(QLatin1String("127.0.0.1"))) << made.err.toStdString();
        EXPECT_FALSE(made.err.contains(QLatin1String("folder"))) << made.err.toStdString();
    }
}

TEST_F(DbToolTest, AnInterruptEndsTheToolWithAMessageEvenWhileTheEngineHangs)
{
    const QString path = dir.filePath(QStringLiteral("site.fdb"));
    CopyPreparedDatabase(PreparedDatabase::Current, path);
    const EngineInitLockHolder holder;
    QProcess process;
    process.start(tool, {QStringLiteral("check"), path});
    ASSERT_TRUE(process.waitForStarted());
    // Waiting for the engine's lock: the tool has its interrupt handling in place and a
    // thread waiting in the engine's open beside its own two.
    QElapsedTimer waited;
    waited.start();
    const QString proc = QStringLiteral("/proc/%1").arg(process.processId());
    auto blocked = [&] {
        QFile status(proc + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        qulonglong caught = 0;
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("SigCgt:"))
                caught = line.mid(7).trimmed().toULongLong(nullptr, 16);
        const bool handled = caught & (1ULL << (SIGTERM - 1));
        return handled && QDir(proc + QStringLiteral("/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() >= 3;
    };
    while (!blocked() && waited.elapsed() < 20000)
        QThread::msleep(20);
    ASSERT_TRUE(blocked());
    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 128 + SIGTERM);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QLatin1String("interrupted by SIGTERM")));
}

}  // namespace
