// Unit files: a whole project out of one database and into the same or another one; what
// other LHA tools see of our archives.

#include "program/AppContext.h"
#include "PackageTestSupport.h"

#include <QProcess>
#include <QStandardPaths>

using namespace sorvik::package;

namespace {

const QStringList kUnitTables = {"KOJI",  "GYOSYA", "SAGYOIN", "INSIKAKU", "CARRY",   "KIKAI",
                                 "KOUGU", "TAISEI", "TAIKEI",  "DEZURA",   "D_CARRY", "D_KIKAI"};

class UnitFileTest : public PackageTest
{
protected:
    void SetUp() override
    {
        PackageTest::SetUp();
        source = site();
        source->addProject(1, "国道230号");
        source->addContractor(1, 3, "石狩重機");
        source->execute("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values(1, 3, '石狩重機', 0, 0, 1)");
        source->addWorker(1, 3, 1, "佐藤 一郎", "1980/04/02");
        source->execute("Update SAGYOIN set SDFL = '" + source->storeImage(0, "photo") + "'");
        source->execute(
            "Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, NAME, KBN, YOBIS2) values(0, 1, 3, 1, '佐藤 一郎', 1, '"
            + source->storeImage(1, "licence") + "')");
        source->execute("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD, WORKH) values(1, 3, '2026/06/01', 1, 7.5)");
        source->addProject(2, "ほかの工事");
        source->addWorker(2, 3, 1, "ほかの人", "1970/01/01");
        unit = scratch("unit.ldf");
        ASSERT_TRUE(source->exchange.UnloadUnit("1", unit));
    }

    std::unique_ptr<PackageSite> source;
    QString unit;
};

bool hasTool(const QString &name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

QString run(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAll());
}

}  // namespace

TEST_F(UnitFileTest, CarriesEveryProjectTableEvenEmptyOnesAndNoMasters)
{
    const QMap<QString, QByteArray> members = extract(unit, scratch("members"));
    QStringList expected = kUnitTables;
    expected << "FILEINFO.TXT"
             << "SCHEME.TXT";
    expected.sort();
    EXPECT_EQ(members.keys(), expected);
    EXPECT_EQ(members.value("SCHEME.TXT"),
              "0.5\r\n-1\r\nKOJI,GYOSYA,SAGYOIN,INSIKAKU,CARRY,KIKAI,KOUGU,TAISEI,"
              "TAIKEI,DEZURA,D_CARRY,D_KIKAI\r\n\r\n\r\n");
    QFile carry(scratch("CARRY.lzh"));
    carry.open(QIODevice::WriteOnly);
    carry.write(members.value("CARRY"));
    carry.close();
    const QMap<QString, QByteArray> inner = extract(carry.fileName(), scratch("carry"));
    EXPECT_EQ(inner.keys(), QStringList({"FILEINFO.TXT", "RECORD.ECD", "SCHEME.ECD"}));
    EXPECT_EQ(inner.value("RECORD.ECD"), "");
    EXPECT_TRUE(dialogs.shownFileInfo.isEmpty());
}

TEST_F(UnitFileTest, LoadedIntoItsOwnDatabaseItBecomesASecondProject)
{
    ASSERT_TRUE(source->exchange.LoadUnit("3", unit));
    for (const QString &table : kUnitTables)
        EXPECT_EQ(source->count(table + " where KJCD = 3"), source->count(table + " where KJCD = 1"))
            << table.toStdString();
    const Row first = source->rows("Select * from SAGYOIN where KJCD = 1").first();
    const Row copy = source->rows("Select * from SAGYOIN where KJCD = 3").first();
    EXPECT_NE(copy["SDFL"], first["SDFL"]);
    EXPECT_EQ(source->image(copy["SDFL"]), "photo");
    const Row licence = source->rows("Select * from INSIKAKU where KJCD = 3").first();
    EXPECT_TRUE(licence["YOBIS2"].startsWith("GAZ"));
    EXPECT_EQ(source->image(licence["YOBIS2"]), "licence");
    EXPECT_NE(licence["INNO"], source->scalar("Select INNO from INSIKAKU where KJCD = 1"));
    EXPECT_EQ(source->scalar("Select WORKH from DEZURA where KJCD = 3"), "7.5");
    EXPECT_EQ(dialogs.reviews.size(), 1);
}

TEST_F(UnitFileTest, LoadedIntoAnEmptyDatabaseItGivesTheSameRows)
{
    auto target = site();
    ASSERT_TRUE(target->exchange.LoadUnit("1", unit));
    for (const QString &table : {QString("KOJI"), QString("GYOSYA"), QString("TAISEI"), QString("DEZURA")})
        EXPECT_EQ(target->rows("Select * from " + table), source->rows("Select * from " + table + " where KJCD = 1"));
    EXPECT_EQ(target->image(target->scalar("Select SDFL from SAGYOIN")), "photo");
}

TEST_F(UnitFileTest, AFailingTableRollsTheWholeUnitBack)
{
    auto target = site();
    // A daily record already stored under code 1 collides with the unit's, late in the load.
    target->execute("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values(1, 3, '2026/06/01', 1)");
    const QString before = target->snapshot();
    EXPECT_FALSE(target->exchange.LoadUnit("1", unit));
    EXPECT_EQ(target->snapshot(), before);
    EXPECT_EQ(messages.texts().last(), "ロード処理は出来ませんでした。");
}

TEST_F(UnitFileTest, LhasaListsAndExtractsOurUnitAndItsPackages)
{
    if (!hasTool("lhasa"))
        GTEST_SKIP() << "lhasa is not installed";
    const QString listing = run("lhasa", {"l", unit});
    for (const QString &table : kUnitTables)
        EXPECT_TRUE(listing.contains(table, Qt::CaseInsensitive)) << table.toStdString();
    const QString out = scratch("lhasa");
    QDir().mkpath(out);
    run("lhasa", {"xq", unit}, out);
    const QMap<QString, QByteArray> ours = extract(unit, scratch("ours"));
    for (auto it = ours.begin(); it != ours.end(); ++it) {
        QFile file(out + "/" + it.key());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << it.key().toStdString();
        EXPECT_EQ(file.readAll(), it.value());
    }
    // The worker package inside: its rows and the photo they name.
    const QString innerOut = scratch("lhasa-inner");
    QDir().mkpath(innerOut);
    run("lhasa", {"xq", out + "/SAGYOIN"}, innerOut);
    const QMap<QString, QByteArray> inner = extract(out + "/SAGYOIN", scratch("ours-inner"));
    EXPECT_EQ(inner.size(), 4);
    EXPECT_EQ(filesBelow(innerOut), inner.keys());
    EXPECT_TRUE(inner.contains(source->scalar("Select SDFL from SAGYOIN where KJCD = 1")));
}
