#include "db/Database.h"

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

}  // namespace
