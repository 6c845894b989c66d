// Our writer against the bytes the fixture generator builds from the format rules: the
// same rows give the same members, byte for byte.

#include "PackageFixtures.h"
#include "PackageKind.h"
#include "PackageTestSupport.h"
#include "data/QueryDataSet.h"
#include "data/TableDataSet.h"

#include <QDir>
#include <QFile>

using namespace sorvik::package;

namespace {

QMap<QString, QByteArray> fixtureMembers(const QString &package)
{
    QMap<QString, QByteArray> members;
    const QDir dir(PackageFixtures::folder() + QStringLiteral("/folders/") + package);
    for (const QString &name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadOnly);
        members.insert(name, file.readAll());
    }
    return members;
}

class WriterBytesTest : public PackageTest
{
protected:
    // Imports fixture `package` into a fresh database, exports the same kind again and
    // compares every member.
    void expectSameBytes(const QString &package, const QString &sql)
    {
        const QJsonObject fixture = PackageFixtures::package(package);
        const int kind = fixture["kind"].toInt();
        auto source = site();
        ASSERT_TRUE(source->exchange.LoadUnitTable(PackageFixtures::archive(package), kind, "1"));
        source->data.IBTransaction1.commitRetaining();

        QueryDataSet rows(source->data.IBTransaction1);
        rows.SetSQL(sql);
        rows.Open();
        dialogs.exportAnswer = {true, !fixture["scrambled"].toBool()};
        const QString ours = scratch(package + ".lzh");
        ASSERT_TRUE(source->exchange.ExportTable(ours, kind, rows));
        const QMap<QString, QByteArray> written = extract(ours, scratch(package + "-ours"));
        const QMap<QString, QByteArray> expected = fixtureMembers(package);
        EXPECT_EQ(written.keys(), expected.keys()) << package.toStdString();
        for (const QString &name : expected.keys())
            EXPECT_EQ(written.value(name), expected.value(name)) << package.toStdString() << " " << name.toStdString();
    }
};

}  // namespace

TEST_F(WriterBytesTest, RecordPackagesEqualThePeersBytes)
{
    REQUIRE_FIXTURE_ARCHIVE("carry");
    expectSameBytes("carry-plain", "Select * from CARRY");
    expectSameBytes("carry", "Select * from CARRY");
    expectSameBytes("kikai", "Select * from KIKAI");
    expectSameBytes("kougu", "Select * from KOUGU");
    expectSameBytes("koji", "Select * from KOJI");
}

TEST_F(WriterBytesTest, AllRowPackagesEqualThePeersBytes)
{
    REQUIRE_FIXTURE_ARCHIVE("names");
    expectSameBytes("names", "Select * from EDUC order by EDCD");
    expectSameBytes("unit-dezura", "Select * from DEZURA");
    expectSameBytes("unit-taikei", "Select * from TAIKEI");
}

TEST_F(WriterBytesTest, AUnitsOwnMembersAndImagelessTablesEqualThePeersBytes)
{
    REQUIRE_FIXTURE_ARCHIVE("unit-bare");
    auto source = site();
    ASSERT_TRUE(source->exchange.LoadUnit("1", PackageFixtures::archive("unit-bare")));
    const QString ours = scratch("ours.ldf");
    ASSERT_TRUE(source->exchange.UnloadUnit("1", ours));
    const QMap<QString, QByteArray> unit = extract(ours, scratch("unit"));
    const QMap<QString, QByteArray> expected = fixtureMembers("unit-bare");
    EXPECT_EQ(unit.keys(), expected.keys());
    EXPECT_EQ(unit.value("FILEINFO.TXT"), expected.value("FILEINFO.TXT"));
    EXPECT_EQ(unit.value("SCHEME.TXT"), expected.value("SCHEME.TXT"));
    for (const char *table : {"KOJI", "CARRY", "KIKAI", "KOUGU", "TAISEI", "TAIKEI", "DEZURA", "D_CARRY", "D_KIKAI"}) {
        QFile inner(scratch("inner-") + table);
        inner.open(QIODevice::WriteOnly);
        inner.write(unit.value(table));
        inner.close();
        const QMap<QString, QByteArray> members = extract(inner.fileName(), scratch("inner-dir-") + table);
        const QMap<QString, QByteArray> peers = fixtureMembers(QStringLiteral("unit-") + QString(table).toLower());
        EXPECT_EQ(members, peers) << table;
    }
}
