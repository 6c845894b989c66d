// Our reader on packages built from the format rules by another hand
// (fixtures/make_package_fixtures.py) and archived by jlha: every value arrives as the
// peer meant it.

#include "ProjectTree.h"
#include "program/AppContext.h"
#include "PackageFixtures.h"
#include "PackageKind.h"
#include "PackageTestSupport.h"
#include "RosterPackage.h"
#include "db/SqlText.h"
#include "data/TableDataSet.h"

#include <QFile>
#include <QJsonArray>

using namespace sorvik::package;

namespace {

QByteArray fixtureImage(const QString &package, const QString &name)
{
    QFile file(PackageFixtures::folder() + QLatin1Char('/') + PackageFixtures::package(package)["folder"].toString()
               + QLatin1Char('/') + name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

class FixtureImportTest : public PackageTest
{
protected:
    void SetUp() override
    {
        PackageTest::SetUp();
        target = site();
    }

    QJsonArray manifestRows(const QString &package) { return PackageFixtures::package(package)["rows"].toArray(); }

    // Every column of `row` holds the manifest's value, except `skip`; image columns hold
    // a new name whose stored bytes are the package's file.
    void expectRow(const Row &row, const QJsonObject &expected, const QString &package, const QStringList &skip = {})
    {
        const QStringList images = kindByNumber(PackageFixtures::package(package)["kind"].toInt())->imageColumns;
        for (auto it = row.begin(); it != row.end(); ++it) {
            if (skip.contains(it.key()))
                continue;
            const QString wanted = manifestValue(expected, it.key());
            if (images.contains(it.key()) && !wanted.isEmpty())
                EXPECT_EQ(target->image(it.value()), fixtureImage(package, wanted))
                    << package.toStdString() << " " << it.key().toStdString();
            else
                EXPECT_EQ(it.value(), wanted) << package.toStdString() << " " << it.key().toStdString();
        }
    }

    // Imports a single-record package into a record made with the package's key values.
    void importIntoRecord(const QString &package, const QString &archive)
    {
        const QJsonObject expected = manifestRows(package).first().toObject();
        const PackageKind &kind = *kindByNumber(PackageFixtures::package(package)["kind"].toInt());
        QStringList names, values, condition;
        for (const QString &key : kind.keyColumns) {
            names << key;
            values << SqlStrOrNull(manifestValue(expected, key));
            condition << key + QStringLiteral(" = ") + SqlStrOrNull(manifestValue(expected, key));
        }
        target->execute(
            QStringLiteral("Insert into %1 (%2) values(%3)").arg(kind.table, names.join(','), values.join(',')));
        TableDataSet record(target->data.IBTransaction1);
        record.SetTableName(kind.table);
        record.Open();
        ASSERT_TRUE(target->exchange.ImportTable(archive, kind.number, &record))
            << messages.texts().join('\n').toStdString();
        record.Post();
        target->data.IBTransaction1.commitRetaining();
        const QList<Row> rows = target->rows(QStringLiteral("Select * from %1").arg(kind.table));
        ASSERT_EQ(rows.size(), 1);
        expectRow(rows.first(), expected, package);
    }

    std::unique_ptr<PackageSite> target;
};

}  // namespace

TEST_F(FixtureImportTest, RecordPackagesOfEveryEditorArriveWhole)
{
    for (const char *name : {"carry-plain", "carry", "kikai", "kougu", "koji", "gyosya"}) {
        REQUIRE_FIXTURE_ARCHIVE(name);
        target = site();
        importIntoRecord(name, PackageFixtures::archive(name));
    }
    EXPECT_EQ(dialogs.reviews.size(), 6);
    EXPECT_EQ(dialogs.reviews.first().caption, "工事用車両届取り込み");
    EXPECT_EQ(dialogs.reviews.first().memo.first(), "ファイル種別：車両届情報");
    EXPECT_FALSE(dialogs.reviews.first().overwriteVisible);
}

TEST_F(FixtureImportTest, ArchivesOfEveryHeaderLevelAndMethodAreRead)
{
    const QJsonObject archives = PackageFixtures::manifest()["archives"].toObject();
    if (archives.isEmpty())
        GTEST_SKIP() << "fixture archives need python3 and jlha";
    EXPECT_EQ(archives.size(), 6);
    for (auto it = archives.begin(); it != archives.end(); ++it) {
        target = site();
        importIntoRecord("carry", PackageFixtures::folder() + QLatin1Char('/') + it.key());
    }
}

TEST_F(FixtureImportTest, MastersAreMergedWithNewCodesAndImages)
{
    REQUIRE_FIXTURE_ARCHIVE("staff");
    ASSERT_TRUE(target->exchange.ImportTable(PackageFixtures::archive("staff"), 3));
    ASSERT_TRUE(target->exchange.ImportTable(PackageFixtures::archive("names"), 4));
    const QList<Row> staff = target->rows("Select * from SHOKU order by SHCD");
    ASSERT_EQ(staff.size(), 2);
    expectRow(staff[0], manifestRows("staff")[0].toObject(), "staff", {"SHCD"});
    expectRow(staff[1], manifestRows("staff")[1].toObject(), "staff", {"SHCD"});
    EXPECT_EQ(target->count("EDUC"), 3);
    EXPECT_EQ(dialogs.reviews.first().caption, "職員情報取り込み");
    EXPECT_TRUE(dialogs.reviews.first().overwriteVisible);
}

TEST_F(FixtureImportTest, ARosterBringsWorkersAndTheirQualificationsIntoTheChosenContractor)
{
    REQUIRE_FIXTURE_ARCHIVE("roster");
    SelectProject("4");
    target->addProject(4, "受け側の工事");
    target->addContractor(4, 9, "石狩重機（受入）");
    RosterPackage roster(target->exchange, target->data);
    int refreshed = 0;
    ASSERT_TRUE(roster.Import(PackageFixtures::archive("roster"), "9", "石狩重機（受入）", [&] { ++refreshed; }));
    EXPECT_EQ(refreshed, 1);
    ASSERT_EQ(dialogs.reviews.size(), 1);
    EXPECT_TRUE(dialogs.reviews.first().cautionVisible);

    const QList<Row> workers = target->rows("Select * from SAGYOIN order by INCD");
    ASSERT_EQ(workers.size(), 2);
    for (int i = 0; i < 2; ++i) {
        expectRow(workers[i], manifestRows("roster-sagyoin")[i].toObject(), "roster-sagyoin",
                  {"KJCD", "GYOCD", "CPNM", "INDT", "UKDT", "SEL"});
        EXPECT_EQ(workers[i]["KJCD"], "4");
        EXPECT_EQ(workers[i]["GYOCD"], "9");
        EXPECT_EQ(workers[i]["CPNM"], "石狩重機（受入）");
        EXPECT_EQ(workers[i]["INDT"], "");
        EXPECT_EQ(workers[i]["SEL"], "0");
    }
    const QList<Row> qualifications = target->rows("Select * from INSIKAKU order by INNO");
    ASSERT_EQ(qualifications.size(), 3);
    for (int i = 0; i < 3; ++i)
        expectRow(qualifications[i], manifestRows("roster-insikaku")[i].toObject(), "roster-insikaku",
                  {"INNO", "KJCD", "GYOCD", "CPNM"});
    EXPECT_TRUE(target->scalar("Select FLNM from IMGFL where FLTYP = 1").startsWith("GAZ"));
}

TEST_F(FixtureImportTest, UnitsInBothMemberNamingsLoadWhole)
{
    for (const char *unit : {"unit-bare", "unit-lzh"}) {
        REQUIRE_FIXTURE_ARCHIVE(unit);
        target = site();
        ASSERT_TRUE(target->exchange.LoadUnit("1", PackageFixtures::archive(unit))) << unit;
        for (const char *table : {"KOJI", "GYOSYA", "SAGYOIN", "INSIKAKU", "CARRY", "KIKAI", "KOUGU", "TAISEI",
                                  "TAIKEI", "DEZURA", "D_CARRY", "D_KIKAI"}) {
            const QString package = QStringLiteral("unit-") + QString(table).toLower();
            const QList<Row> rows = target->rows(QStringLiteral("Select * from %1").arg(table));
            ASSERT_EQ(rows.size(), manifestRows(package).size()) << table;
            for (qsizetype i = 0; i < rows.size(); ++i)
                expectRow(rows[i], manifestRows(package)[i].toObject(), package, {"INNO"});
        }
    }
    EXPECT_EQ(dialogs.reviews.first().caption, "新しい工事の情報として全て取り込みます");
}

TEST_F(FixtureImportTest, OlderAndNewerVersionsImportTheColumnsWeShare)
{
    REQUIRE_FIXTURE_ARCHIVE("names-newer");
    ASSERT_TRUE(target->exchange.ImportTable(PackageFixtures::archive("names-newer"), 4));
    ASSERT_TRUE(target->exchange.ImportTable(PackageFixtures::archive("names-older"), 4));
    const QList<Row> names = target->rows("Select * from EDUC order by EDCD");
    ASSERT_EQ(names.size(), 2);
    expectRow(names[0], manifestRows("names-newer")[0].toObject(), "names-newer", {"EDCD"});
    expectRow(names[1], manifestRows("names-older")[0].toObject(), "names-older", {"EDCD"});
    const QStringList texts = messages.texts();
    EXPECT_EQ(texts.count(QStringLiteral("作成したファイルのシステムのバージョンが違います。\n\rデータの構成が違います"
                                         "ので取り込めない場合が有ります。")),
              2);
    EXPECT_TRUE(texts.join('\n').contains("KANA")) << texts.join('\n').toStdString();
}
