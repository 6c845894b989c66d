// sorvik-package as scripts use it: the same exchange as the windows, one line and a
// non-zero exit for every failure.

#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"
#include "PreparedDatabase.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

class PackageToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CopyPreparedDatabase(PreparedDatabase::Current, database("a.fdb"));
        CopyPreparedDatabase(PreparedDatabase::Current, database("b.fdb"));
        execute("a.fdb",
                {"Insert into KOJI (KJCD, APDT, KJNM) values(1, '2026/04/01', '国道230号')",
                 "Insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values(1, 3, '2026/04/01', '石狩重機')",
                 "Insert into SAGYOIN (KJCD, GYOCD, INCD, NAME, BNDT, SEL) values(1, 3, 1, '佐藤', '1980/04/02', 1)",
                 "Insert into DEZURA (KJCD, GYOCD, WKDT, INCD, WORKH) values(1, 3, '2026/06/01', 1, 7.5)",
                 "Insert into EDUC (EDCD, KBN, PRNM) values(0, 1, '大型')"});
        execute("b.fdb",
                {"Insert into KOJI (KJCD, APDT, KJNM) values(1, '2026/04/01', '受け側')",
                 "Insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values(1, 5, '2026/04/01', '受け側の業者')"});
    }

    QString database(const QString &name) const { return m_dir.filePath(name); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    // A connection of its own, closed again at once: the tool opens the database itself.
    struct Connection
    {
        explicit Connection(const QString &path)
        {
            database.setDatabaseName(path);
            database.open();
        }
        db::Database database;
        db::Transaction transaction{database};
        db::Query query{transaction};
    };

    void execute(const QString &name, const QStringList &statements)
    {
        Connection connection(database(name));
        for (const QString &sql : statements) {
            connection.query.setSql(sql);
            connection.query.exec();
        }
        connection.transaction.commit();
    }

    QString scalar(const QString &name, const QString &sql)
    {
        Connection connection(database(name));
        connection.query.setSql(sql);
        connection.query.open();
        return connection.query.eof() ? QString() : connection.query.field(0).asString();
    }

    static Result tool(const QStringList &arguments)
    {
        QProcess process;
        process.start(qEnvironmentVariable("SORVIK_BINARY_DIR") + "/bin/sorvik-package", arguments);
        process.waitForFinished(120000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private:
    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(PackageToolTest, ExportsListsAndImportsARoster)
{
    const Result exported = tool(
        {"export", "roster", "--db", database("a.fdb"), "--project", "1", "--contractor", "3", file("roster.lzh")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const Result listed = tool({"list", file("roster.lzh")});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.out.contains("roster package") && listed.out.contains("kind 2 SAGYOIN")
                && listed.out.contains("kind 5 INSIKAKU"))
        << listed.out.toStdString();

    const Result imported
        = tool({"import", file("roster.lzh"), "--db", database("b.fdb"), "--project", "1", "--contractor", "5"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(scalar("b.fdb", "Select NAME || '/' || CPNM || '/' || GYOCD from SAGYOIN"), "佐藤/受け側の業者/5");
}

TEST_F(PackageToolTest, UnloadsAndLoadsAUnit)
{
    ASSERT_EQ(tool({"unload", "--db", database("a.fdb"), "--project", "1", file("unit.ldf")}).exitCode, 0);
    const Result loaded = tool({"load", "--db", database("b.fdb"), file("unit.ldf")});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    EXPECT_TRUE(loaded.out.contains("as project 2"));
    EXPECT_EQ(scalar("b.fdb", "Select WORKH from DEZURA where KJCD = 2"), "7.5");
    const Result listed = tool({"list", file("unit.ldf")});
    EXPECT_TRUE(listed.out.contains("unit file") && listed.out.contains("DEZURA:")) << listed.out.toStdString();
}

TEST_F(PackageToolTest, ARecordPackageOverwritesTheNamedRecord)
{
    ASSERT_EQ(tool({"export", "1", "--db", database("a.fdb"), "--project", "1", "--contractor", "3", "--plain",
                    file("gyosya.lzh")})
                  .exitCode,
              0);
    const Result imported
        = tool({"import", file("gyosya.lzh"), "--db", database("b.fdb"), "--project", "1", "--contractor", "5"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(scalar("b.fdb", "Select CPNM || '/' || GYOCD from GYOSYA"), "石狩重機/5");
    EXPECT_NE(
        tool({"import", file("gyosya.lzh"), "--db", database("b.fdb"), "--project", "1", "--contractor", "9"}).exitCode,
        0);
}

TEST_F(PackageToolTest, FailuresAreOneLineAndNotZero)
{
    QFile text(file("text.lzh"));
    text.open(QIODevice::WriteOnly);
    text.write("not an archive");
    text.close();
    for (const QStringList &arguments :
         {QStringList{"list", file("text.lzh")}, QStringList{"import", file("text.lzh"), "--db", database("b.fdb")},
          QStringList{"load", "--db", database("b.fdb"), file("missing.ldf")},
          QStringList{"export", "4", "--db", file("missing.fdb"), file("x.lzh")}}) {
        const Result result = tool(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith("sorvik-package: ")) << result.err.toStdString();
    }
    EXPECT_EQ(tool({"export", "99", "--db", database("a.fdb"), file("x.lzh")}).exitCode, 2);
    EXPECT_EQ(tool({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(tool({}).exitCode, 2);
    EXPECT_FALSE(QFile::exists(file("x.lzh")));
}
