// Packages that are damaged, of the wrong kind or crafted: each is refused or cut down
// with a message, nothing of the database changes unless it may, and nothing is read or
// written outside the work folders.

#include "program/AppContext.h"
#include "ImportReview.h"
#include "PackageFixtures.h"
#include "ArchiveCommands.h"
#include "PackageTestSupport.h"
#include "PackageWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace sorvik::package;

namespace {

class HostilePackageTest : public PackageTest
{
protected:
    void SetUp() override
    {
        PackageTest::SetUp();
        target = site();
        target->addProject(1, "工事");
        before = target->snapshot();
    }

    void expectRefused(const QString &file, int kind, const QString &message)
    {
        EXPECT_FALSE(target->exchange.ImportTable(file, kind)) << file.toStdString();
        EXPECT_TRUE(messages.texts().contains(message)) << messages.texts().join('\n').toStdString();
        EXPECT_EQ(target->snapshot(), before);
        messages.clear();
    }

    QString truncatedCopy(const QString &file, bool flipInstead)
    {
        QFile in(file);
        in.open(QIODevice::ReadOnly);
        QByteArray bytes = in.readAll();
        if (flipInstead)
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x55);
        else
            bytes.truncate(bytes.size() / 2);
        const QString path = scratch(QStringLiteral("damaged%1.lzh").arg(flipInstead));
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return path;
    }

    HandMadePackage staff(const QString &photo)
    {
        HandMadePackage package;
        package.kind = 3;
        package.columns = QStringList{"SHCD", "NAME", "SDFL"};
        package.types = QStringList{"N", "S", "S"};
        package.rows = {{"0", "画像", photo}};
        return package;
    }

    std::unique_ptr<PackageSite> target;
    QString before;
};

}  // namespace

TEST_F(HostilePackageTest, CraftedColumnNamesNeverReachSql)
{
    HandMadePackage names;
    names.kind = 4;
    names.columns = QStringList{"NM", "SEL=1,KJCD", "PRNM", "KBN) values(1,1);--", "KBN"};
    names.types = QStringList{"S", "S", "S", "N", "N"};
    names.rows = {{"足場", "x", "足場", "1", "2"}};
    ASSERT_TRUE(target->exchange.ImportTable(archive("crafted.lzh", names), 4));
    EXPECT_EQ(target->rows("Select NM, PRNM, KBN from EDUC"),
              QList<Row>({{{"NM", "足場"}, {"PRNM", "足場"}, {"KBN", "2"}}}));
    const QString warning = messages.texts().join('\n');
    EXPECT_TRUE(warning.contains("SEL=1,KJCD") && warning.contains("KBN) VALUES(1,1);--")) << warning.toStdString();

    HandMadePackage nothingKnown = names;
    nothingKnown.columns = QStringList{"A", "B", "C", "D", "E"};
    EXPECT_FALSE(target->exchange.ImportTable(archive("unknown.lzh", nothingKnown), 4));
    EXPECT_EQ(target->count("EDUC"), 1);
}

TEST_F(HostilePackageTest, ImageNamesThatAreNotBareReadNothingFromOutside)
{
    const QString secret = scratch("id_rsa");
    QFile file(secret);
    file.open(QIODevice::WriteOnly);
    file.write("SECRET");
    file.close();
    for (const QString &name : {secret, QString("../../" + QFileInfo(secret).fileName()), QString("C:\\x.jpg")}) {
        ASSERT_TRUE(target->exchange.ImportTable(archive("hostile.lzh", staff(name)), 3)) << name.toStdString();
        EXPECT_EQ(target->scalar("Select SDFL from SHOKU where NAME = '画像'"), "") << name.toStdString();
        EXPECT_TRUE(messages.texts().join('\n').contains(name)) << name.toStdString();
        target->execute("Delete from SHOKU");
    }
    EXPECT_EQ(target->count("IMGFL"), 0);

    // A bare name finds the member whatever its case.
    HandMadePackage withPhoto = staff("kao00001.jpg");
    withPhoto.files.insert("KAO00001.JPG", "photo");
    ASSERT_TRUE(target->exchange.ImportTable(archive("photo.lzh", withPhoto), 3));
    EXPECT_EQ(target->image(target->scalar("Select SDFL from SHOKU")), "photo");
}

TEST_F(HostilePackageTest, TheGeneratorsHostilePackagesAreCutDown)
{
    REQUIRE_FIXTURE_ARCHIVE("hostile-images");
    ASSERT_TRUE(target->exchange.ImportTable(PackageFixtures::archive("hostile-images"), 3));
    EXPECT_EQ(target->scalar("Select count(*) from SHOKU where SDFL is not null"), "1");
    EXPECT_EQ(target->count("IMGFL"), 1);
    ASSERT_TRUE(target->exchange.ImportTable(PackageFixtures::archive("hostile-columns"), 4));
    EXPECT_EQ(target->scalar("Select PRNM from EDUC"), "足場");
}

TEST_F(HostilePackageTest, PackagesThatAreNotOursOrNotThisKindAreRefused)
{
    HandMadePackage names;
    names.kind = 4;
    names.columns = QStringList{"PRNM"};
    names.types = QStringList{"S"};
    names.rows = {{"x"}};
    expectRefused(archive("names.lzh", names), 3, kWrongKindMessage);
    EXPECT_FALSE(dialogs.reviews.last().importable);
    EXPECT_EQ(dialogs.reviews.last().caption, "職員情報取り込み");

    QFile text(scratch("not-an-archive.lzh"));
    text.open(QIODevice::WriteOnly);
    text.write("just text");
    text.close();
    expectRefused(text.fileName(), 4, kNotAPackageMessage);
    EXPECT_EQ(dialogs.reviews.last().memo,
              QStringList({"このファイルは", "このシステムで取り込める", "形式では有りません。"}));
    // Qualifications come without a dialog; a wrong file is still refused aloud.
    expectRefused(archive("names5.lzh", names), 5, kWrongKindMessage);
    // A package is not a unit, and a unit is not a package.
    EXPECT_FALSE(target->exchange.LoadUnit("2", archive("names6.lzh", names)));
    EXPECT_TRUE(messages.texts().contains(kWrongKindMessage));
    EXPECT_EQ(target->snapshot(), before);
}

TEST_F(HostilePackageTest, MissingMembersAndDamagedRowsChangeNothing)
{
    REQUIRE_FIXTURE_ARCHIVE("no-scheme");
    expectRefused(PackageFixtures::archive("no-scheme"), 4, kNotAPackageMessage);
    expectRefused(PackageFixtures::archive("no-record"), 4, "このファイルにはデータ (RECORD) が有りません。");

    HandMadePackage names;
    names.kind = 4;
    names.columns = QStringList{"PRNM", "NM"};
    names.types = QStringList{"S", "S"};
    names.rows = {{"一", "a"}, {"二", "b", "extra"}, {"三"}};
    EXPECT_FALSE(target->exchange.ImportTable(archive("rows.lzh", names), 4));
    EXPECT_TRUE(messages.texts().join('\n').contains("2 行目")) << messages.texts().join('\n').toStdString();
    EXPECT_EQ(target->snapshot(), before);
}

TEST_F(HostilePackageTest, TruncatedAndDamagedArchivesChangeNothing)
{
    HandMadePackage names;
    names.kind = 4;
    names.columns = QStringList{"PRNM", "NM"};
    names.types = QStringList{"S", "S"};
    for (int i = 0; i < 400; ++i)
        names.rows.push_back({QString::number(i), QStringLiteral("名称 %1 ").arg(i).repeated(8)});
    const QString good = archive("good.lzh", names);
    for (bool flip : {false, true}) {
        EXPECT_FALSE(target->exchange.ImportTable(truncatedCopy(good, flip), 4));
        EXPECT_EQ(target->snapshot(), before);
        EXPECT_FALSE(target->exchange.LoadUnit("2", truncatedCopy(good, flip)));
        EXPECT_EQ(target->snapshot(), before);
    }
    EXPECT_FALSE(target->exchange.ImportTable(scratch("does-not-exist.lzh"), 4));
}

TEST_F(HostilePackageTest, AUnitListingTheMastersLoadsWithoutThem)
{
    REQUIRE_FIXTURE_ARCHIVE("unit-masters");
    ASSERT_TRUE(target->exchange.LoadUnit("2", PackageFixtures::archive("unit-masters")));
    EXPECT_EQ(target->count("SHOKU"), 0);
    EXPECT_EQ(target->count("KOJI where KJCD = 2"), 1);
    EXPECT_TRUE(messages.texts().join('\n').contains("SHOKU"));
}

TEST_F(HostilePackageTest, AUnitThatListsNothingOrLacksAListedTableLoadsNothing)
{
    for (const QStringList &tables : {QStringList(), QStringList{"KOJI"}, QStringList{"FOO", "BAR"}}) {
        const QString folder = scratch("unit-" + tables.join('-'));
        QDir().mkpath(folder);
        ASSERT_TRUE(writeUnitMembers(folder, {"ファイル種別：ユニットファイル"}, tables, nullptr));
        const QString unit = scratch("unit-" + tables.join('-') + ".ldf");
        ASSERT_TRUE(sorvik::lzh::CreateArchive(unit, folder));
        EXPECT_FALSE(target->exchange.LoadUnit("2", unit)) << tables.join(',').toStdString();
        EXPECT_EQ(messages.texts().last(), "ロード処理は出来ませんでした。");
        EXPECT_EQ(target->snapshot(), before);
    }
}
