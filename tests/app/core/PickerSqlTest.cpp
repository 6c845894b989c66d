#include "pickers/PickerSql.h"

#include <gtest/gtest.h>

namespace {

TEST(PickerSqlTest, ProjectListFiltersOnlyByTheDatesGiven)
{
    const QString base = QStringLiteral("Select DISTINCT kjcd,kjnm,odnm,stdt,fndt from KOJI");
    EXPECT_EQ(PickerSql::ProjectList({}, {}), base);
    EXPECT_EQ(PickerSql::ProjectList(QStringLiteral("2026/04/01"), {}),
              base + QStringLiteral(" where stdt >= '2026/04/01'"));
    EXPECT_EQ(PickerSql::ProjectList({}, QStringLiteral("2027/03/19")),
              base + QStringLiteral(" where fndt >= '2027/03/19'"));
    EXPECT_EQ(PickerSql::ProjectList(QStringLiteral("2026/04/01"), QStringLiteral("2027/03/19")),
              base + QStringLiteral(" where stdt >= '2026/04/01' and fndt >= '2027/03/19'"));
}

TEST(PickerSqlTest, ContractorListLeavesOutOnlyNumbers)
{
    const QString head
        = QStringLiteral("Select MAX(KJCD) AS KJCD ,GYOCD,MAX(CPNM) AS CPNM,MAX(KJNM) AS KJNM ,MIN(STDT) AS"
                         " STDT ,MAX(FNDT) AS FNDT from GYOSYA where KJCD = 3");
    EXPECT_EQ(PickerSql::ContractorList(QStringLiteral("3"), {}), head + QStringLiteral(" Group by GYOCD"));
    EXPECT_EQ(PickerSql::ContractorList(QStringLiteral("3"), QStringLiteral("1,5,12")),
              head + QStringLiteral(" and GYOCD not in(1,5,12) Group by GYOCD"));
    // Anything but codes never reaches the statement.
    EXPECT_EQ(PickerSql::CodeList(QStringLiteral("1,x,2);drop table KOJI;--, 4")), QStringLiteral("1,2,4"));
}

TEST(PickerSqlTest, WorkerQualificationListJoinsTheKinds)
{
    EXPECT_EQ(PickerSql::WorkerQualificationList(QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("1,2,3")),
              QStringLiteral("select S.NAME,S.BNDT,S.ADRS,I.SKNM,I.SKNO,I.SKDT,I.YOBIS1 from SAGYOIN S left outer join "
                             "INSIKAKU I on S.KJCD = I.KJCD and S.GYOCD = I.GYOCD and S.INCD = I.INCD and I.KBN IN( "
                             "1,2,3 ) where S.KJCD = 1 and S.GYOCD = 4"));
}

TEST(PickerSqlTest, NameEntriesPadTheAbbreviationToNineCharacters)
{
    const QString entry = PickerSql::NameEntry(QStringLiteral("AB"), QStringLiteral("XYZ"));
    EXPECT_EQ(entry, QStringLiteral("AB       XYZ"));
    EXPECT_EQ(entry.mid(9), QStringLiteral("XYZ"));
    EXPECT_EQ(PickerSql::NameEntry(QStringLiteral("玉掛"), QStringLiteral("玉掛け技能講習")).mid(9),
              QStringLiteral("玉掛け技能講習"));
    EXPECT_EQ(PickerSql::NameEntry(QStringLiteral("ABCDEFGHIJ"), QStringLiteral("X")), QStringLiteral("ABCDEFGHIJX"));
    EXPECT_EQ(PickerSql::NameResult(1, entry, QStringLiteral("AB")), entry);
    EXPECT_EQ(PickerSql::NameResult(6, entry, QStringLiteral("AB")), entry);
    EXPECT_EQ(PickerSql::NameResult(4, entry, QStringLiteral("AB")), QStringLiteral("AB"));
    EXPECT_EQ(PickerSql::NameResult(5, entry, QStringLiteral("AB")), QStringLiteral("AB"));
}

TEST(PickerSqlTest, QualificationsOfTheSamePersonAreJoinedByABlank)
{
    const QStringList names{QStringLiteral("石川 拓也"), QStringLiteral("岩田 昇"), QStringLiteral("石川 拓也")};
    const QStringList qualifications{QStringLiteral("玉掛け技能講習"), QStringLiteral("x"), QStringLiteral("大型特殊")};
    EXPECT_EQ(PickerSql::JoinedQualifications(names, qualifications, QStringLiteral("石川 拓也")),
              QStringLiteral("玉掛け技能講習 大型特殊"));
    EXPECT_TRUE(PickerSql::JoinedQualifications({}, {}, QStringLiteral("x")).isEmpty());
}

}  // namespace
