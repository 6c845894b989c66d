#include "ImportColumns.h"
#include "ImportStatements.h"
#include "PreparedDatabase.h"
#include "TableColumns.h"
#include "db/Database.h"
#include "db/Transaction.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sorvik::package;

namespace {

// The columns of the real tables, read once from a copy of an empty database.
class ImportColumnsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("columns.fdb"));
        CopyPreparedDatabase(PreparedDatabase::Current, path);
        db::Database database;
        database.setDatabaseName(path);
        database.open();
        db::Transaction transaction(database);
        educ = TableColumns::ofTable(transaction, QStringLiteral("EDUC"));
        shoku = TableColumns::ofTable(transaction, QStringLiteral("SHOKU"));
    }

    static PackageScheme scheme(const QString &version, const QStringList &columns, const QStringList &types,
                                const QStringList &images = {})
    {
        PackageScheme result;
        result.version = version;
        result.columns = columns;
        result.types = types;
        result.imageColumns = images;
        return result;
    }

    static inline TableColumns educ;
    static inline TableColumns shoku;
};

}  // namespace

TEST_F(ImportColumnsTest, KeepsOnlyColumnsOfTheTableWhateverTheVersion)
{
    for (const char *version : {"0.5", "0.4", "0.6"}) {
        const ImportColumns columns(scheme(version, {"NM", "SEL=1,KJCD", "PRNM", "KBN) values(1);--", "nm", "KBN"},
                                           {"S", "S", "S", "N", "S", "N"}),
                                    *kindByNumber(4), educ);
        EXPECT_EQ(columns.names(), QStringList({"NM", "PRNM", "KBN"})) << version;
        EXPECT_EQ(columns.dropped(), QStringList({"SEL=1,KJCD", "KBN) values(1);--", "nm"})) << version;
        EXPECT_EQ(columns.keep({"a", "x", "b", "y", "z", "4"}), QStringList({"a", "b", "4"}));
    }
}

TEST_F(ImportColumnsTest, ANewerPackagesLettersAreLookedUpByName)
{
    // The newer system lists its letters in its own column order, which we cannot trust.
    const ImportColumns newer(scheme("0.6", {"PRNM", "KANA", "KBN"}, {"N", "S", "S"}), *kindByNumber(4), educ);
    EXPECT_EQ(newer.names(), QStringList({"PRNM", "KBN"}));
    EXPECT_EQ(newer.letters(), QStringList({"S", "N"}));
    const ImportColumns same(scheme("0.5", {"PRNM", "KBN"}, {"S", "N"}), *kindByNumber(4), educ);
    EXPECT_EQ(same.letters(), QStringList({"S", "N"}));
    EXPECT_EQ(insertSql("EDUC", same.names(), same.letters(), {"大型", "1"}),
              "Insert into EDUC(PRNM,KBN) values('大型',1)");
}

TEST_F(ImportColumnsTest, ImageColumnsAreTheKindsAsFarAsThePackageListsThem)
{
    const ImportColumns listed(scheme("0.5", {"NAME", "SDFL", "SNSK"}, {"S", "S", "S"}, {"SDFL"}), *kindByNumber(3),
                               shoku);
    EXPECT_EQ(listed.imageColumns(), QStringList({"SDFL"}));
    const ImportColumns claimed(scheme("0.5", {"NAME", "SDFL", "SNSK"}, {"S", "S", "S"}, {"NAME"}), *kindByNumber(3),
                                shoku);
    EXPECT_EQ(claimed.imageColumns(), QStringList());
}

TEST(ImportStatementsTest, TheTextsPeersWrite)
{
    EXPECT_EQ(workerByNameSql("1", "3", "佐藤"),
              "Select KJCD,GYOCD,INCD from SAGYOIN where  KJCD=1 and GYOCD=3 and NAME='佐藤'");
    EXPECT_EQ(staffByNameSql("高橋", ""), "Select SHCD from SHOKU  where NAME='高橋' and SNSK IS NULL");
    EXPECT_EQ(staffByNameSql("高橋", "1級"), "Select SHCD from SHOKU  where NAME='高橋' and SNSK = '1級'");
    EXPECT_EQ(namesByAbbreviationSql("O'K"), "Select EDCD from EDUC  where PRNM='O''K'");
    EXPECT_EQ(deleteQualificationsSql("1", "3", "2"), "Delete from INSIKAKU where  KJCD=1 and GYOCD=3 and INCD=2");
    EXPECT_EQ(
        updateSql("SHOKU", {"SHCD", "NAME", "YOBIN1"}, {"N", "S", "N"}, {"0", "高橋", "7.5"}, {"SHCD"}, " SHCD=4"),
        "Update SHOKU set NAME='高橋',YOBIN1=7.5 where  SHCD=4");
    EXPECT_EQ(updateSql("SHOKU", {"SHCD"}, {"N"}, {"0"}, {"SHCD"}, " SHCD=4"), "");
    EXPECT_EQ(workerKeyCondition("1", "3 or 1=1", "2"), " KJCD=1 and GYOCD=311 and INCD=2");
}
