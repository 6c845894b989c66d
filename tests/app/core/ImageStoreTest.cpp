#include "SiteFixture.h"
#include "SiteSql.h"

#include "data/ImageStore.h"
#include "db/Error.h"
#include "db/SqlText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ImageStoreTest : public SiteFixture
{
protected:
    QString makeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(files.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    ImageStore store{data.IBTransaction1};
    QTemporaryDir files;
};

TEST_F(ImageStoreTest, WithTheGeneratorAtZeroTheFirstNameCarriesTwo)
{
    EXPECT_EQ(store.StoreImageFile(0, makeFile("face.jpg", "JPEG")), "KAO00002.JPG");
    // Each kind starts from the same generator: a second new site names its first certificate alike.
    DatabaseCopy otherSite;
    db::Database database;
    database.setDatabaseName(otherSite.path());
    database.open();
    db::Transaction other(database);
    ImageStore second(other);
    EXPECT_EQ(second.StoreImageFile(1, makeFile("cert.jpg", "JPEG")), "GAZ00002.JPG");
    EXPECT_EQ(ScalarValue(other, "select FLTYP from IMGFL where FLNM = 'GAZ00002.JPG'"), "1");
}

TEST_F(ImageStoreTest, SixDigitNumbersAreNotCut)
{
    exec("set generator gen_imcd to 123454");
    EXPECT_EQ(store.StoreImageFile(0, makeFile("a.jpg", "x")), "KAO123456.JPG");
    EXPECT_EQ(ImageStore::ImageFileName(1, 12), "GAZ00012.JPG");
}

TEST_F(ImageStoreTest, NamesAreNeverReusedAndTheRowWaitsForTheCallersCommit)
{
    const QString first = store.StoreImageFile(0, makeFile("a.jpg", "first"));
    const QString second = store.StoreImageFile(0, makeFile("b.jpg", "second"));
    EXPECT_NE(first, second);
    EXPECT_LT(first, second);
    EXPECT_EQ(scalar("select IMG from IMGFL where FLNM = '" + second + "'"), "second");
    transaction().rollbackRetaining();
    EXPECT_EQ(scalar("select count(*) from IMGFL"), "0");
    const QString third = store.StoreImageFile(0, makeFile("c.jpg", "third"));
    EXPECT_GT(third, second);  // the generator does not go back with the rollback
    transaction().commitRetaining();
    EXPECT_EQ(scalar("select count(*) from IMGFL"), "1");
}

TEST_F(ImageStoreTest, AMissingFileStoresNothing)
{
    EXPECT_EQ(store.StoreImageFile(0, files.filePath("gone.jpg")), "");
    EXPECT_EQ(store.StoreImageFile(0, files.path()), "");
    EXPECT_EQ(scalar("select count(*) from IMGFL"), "0");
    EXPECT_EQ(scalar("SELECT GEN_ID(gen_imcd,0) FROM RDB$DATABASE"), "0");
}

TEST_F(ImageStoreTest, FetchWritesTheStoredBytesReplacingAnOldCopy)
{
    const QString name = store.StoreImageFile(0, makeFile("a.jpg", QByteArray("\xff\xd8\x00\x01", 4)));
    QTemporaryDir folder;
    QFile old(QDir(folder.path()).filePath(name));
    old.open(QIODevice::WriteOnly);
    old.write("stale copy, longer than the image");
    old.close();
    EXPECT_TRUE(store.FetchImageFile(name, folder.path()));
    QFile copy(QDir(folder.path()).filePath(name));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("\xff\xd8\x00\x01", 4));
}

TEST_F(ImageStoreTest, FetchOfAnEmptyNameOrAMissingRow)
{
    QTemporaryDir folder;
    EXPECT_FALSE(store.FetchImageFile("", folder.path()));
    EXPECT_TRUE(store.FetchImageFile("KAO09999.JPG", folder.path()));
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath("KAO09999.JPG")));
}

TEST_F(ImageStoreTest, ANameFromTheDatabaseThatIsAPathIsRefusedAndNothingIsWrittenOutside)
{
    // What a received package can put into IMGFL: names that climb out of the folder.
    QTemporaryDir outside;
    QDir().mkpath(outside.filePath(QStringLiteral("a/image")));
    const QString folder = outside.filePath(QStringLiteral("a/image"));
    const QString absolute = outside.filePath(QStringLiteral("abs.JPG"));
    for (const QString &name : {QStringLiteral("../../x.JPG"), QStringLiteral("..\\x.JPG"), absolute,
                                QStringLiteral(".."), QStringLiteral("sub/KAO00001.JPG")}) {
        exec(QStringLiteral("insert into IMGFL (IMCD, FLNM, FLTYP, IMG) values (0, %1, 0, 'x')").arg(SqlQuote(name)));
        EXPECT_THROW(store.FetchImageFile(name, folder), db::Error) << name.toStdString();
    }
    EXPECT_EQ(QDir(outside.path()).entryList(QDir::Files), QStringList());
    EXPECT_EQ(QDir(outside.filePath(QStringLiteral("a"))).entryList(QDir::Files), QStringList());
    EXPECT_FALSE(QFile::exists(absolute));
}

TEST_F(ImageStoreTest, ALinkPlantedUnderTheNameIsNotFollowed)
{
    const QString name = store.StoreImageFile(0, makeFile("a.jpg", "JPEG"));
    QTemporaryDir folder;
    const QString victim = files.filePath(QStringLiteral("victim.txt"));
    makeFile(QStringLiteral("victim.txt"), "keep me");
    ASSERT_TRUE(QFile::link(victim, QDir(folder.path()).filePath(name)));
    EXPECT_THROW(store.FetchImageFile(name, folder.path()), db::Error);
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
}

TEST_F(ImageStoreTest, BytesAreReadByNameWithoutAScratchFile)
{
    const QString name = store.StoreImageFile(1, makeFile("a.jpg", QByteArray("\xff\xd8\x00\x01", 4)));
    EXPECT_EQ(store.ImageBytes(name), QByteArray("\xff\xd8\x00\x01", 4));
    EXPECT_TRUE(store.ImageBytes(QStringLiteral("GAZ99999.JPG")).isEmpty());
    EXPECT_TRUE(store.ImageBytes(QStringLiteral("x' or '1' = '1")).isEmpty());
}

}  // namespace
