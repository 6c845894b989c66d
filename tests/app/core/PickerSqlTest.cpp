#include "SiteFixture.h"
#include "db/Query.h"
#include "pickers/PickerSql.h"

#include <gtest/gtest.h>

namespace {

// The statements run against a site: what each returns is what the pickers show.
class PickerSqlTest : public SiteFixture
{
protected:
    QStringList sortedColumn(const SqlStatement &sql)
    {
        QStringList values = column(sql);
        values.sort();
        return values;
    }
};

TEST_F(PickerSqlTest, ProjectListKeepsTheProjectsStartingAndEndingFromTheDatesGiven)
{
    execute({QStringLiteral("insert into KOJI (KJCD, APDT, KJNM, STDT, FNDT) values (1, '2026/04/01', '一', "
                            "'2026/04/01', '2027/03/19')"),
             QStringLiteral("insert into KOJI (KJCD, APDT, KJNM, STDT, FNDT) values (1, '2026/08/01', '一', "
                            "'2026/04/01', '2027/03/19')"),
             QStringLiteral("insert into KOJI (KJCD, APDT, KJNM, STDT, FNDT) values (2, '2025/01/10', '二', "
                            "'2025/01/10', '2025/12/20')"),
             QStringLiteral("insert into KOJI (KJCD, APDT, KJNM, STDT, FNDT) values (3, '2026/06/01', '三', "
                            "'2026/06/01', '2026/09/30')")});
    // Versions that differ only in their application date are one line.
    EXPECT_EQ(sortedColumn(PickerSql::ProjectList({}, {})), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(sortedColumn(PickerSql::ProjectList("2026/04/01", {})), (QStringList{"1", "3"}));
    EXPECT_EQ(sortedColumn(PickerSql::ProjectList({}, "2026/10/01")), (QStringList{"1"}));
    EXPECT_EQ(sortedColumn(PickerSql::ProjectList("2025/01/01", "2026/09/30")), (QStringList{"1", "3"}));
}

TEST_F(PickerSqlTest, ContractorListGroupsVersionsAndLeavesOutOnlyNumbers)
{
    execute({QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, STDT, FNDT) values (3, 1, '2026/04/01', "
                            "'甲', '2026/05/01', '2026/06/30')"),
             QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, STDT, FNDT) values (3, 2, '2026/04/01', "
                            "'乙', '2026/05/01', '2026/06/30')"),
             QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, STDT, FNDT) values (3, 2, '2026/09/01', "
                            "'乙改', '2026/04/20', '2026/12/25')"),
             QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (3, 5, '2026/04/01', '丙')"),
             QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (4, 2, '2026/04/01', '他')")});
    const SqlStatement all = PickerSql::ContractorList(QStringLiteral("3"), {});
    EXPECT_EQ(sortedColumn(all.wrapped(QStringLiteral("select GYOCD from (%1)"))), (QStringList{"1", "2", "5"}));
    EXPECT_EQ(column(all.wrapped(QStringLiteral("select GYOCD||'|'||STDT||'|'||FNDT from (%1) where GYOCD = 2"))),
              (QStringList{"2|2026/04/20|2026/12/25"}));
    const SqlStatement rest = PickerSql::ContractorList(QStringLiteral("3"), QStringLiteral("1,5"));
    EXPECT_EQ(column(rest.wrapped(QStringLiteral("select GYOCD from (%1)"))), (QStringList{"2"}));
    // Anything but codes never reaches the statement.
    const SqlStatement hostile
        = PickerSql::ContractorList(QStringLiteral("3"), QStringLiteral("1,x,5);drop table KOJI;--"));
    EXPECT_EQ(column(hostile.wrapped(QStringLiteral("select GYOCD from (%1)"))), (QStringList{"2"}));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from KOJI")), QStringLiteral("0"));
    EXPECT_EQ(CodeParams(QStringLiteral("1,x,2);drop table KOJI;--, 4,1")), (QVariantList{1, 2, 4}));
}

// The engine refuses lists of more than 1 500 values; a site holds more contractors.
TEST_F(PickerSqlTest, ContractorListLeavesOutAnyNumberOfContractors)
{
    db::Query contractor(transaction());
    contractor.setSql(QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, ?, '2026/04/01', 'x')"));
    db::Query place(transaction());
    place.setSql(QStringLiteral("insert into TAISEI (KJCD, GYOCD, HTYCD, UNUM, EFECT) values (1, ?, ?, 1, 1)"));
    QStringList placed;
    for (int code = 1; code <= 1602; ++code) {
        contractor.setParam(0, code);
        contractor.exec();
        if (code <= 1600) {
            placed << QString::number(code);
            place.setParam(0, code);
            place.setParam(1, code == 1 ? 0 : 1);
            place.exec();
        }
    }
    const auto codes = [this](const SqlStatement &sql) {
        return column(sql.wrapped(QStringLiteral("select GYOCD from (%1) order by GYOCD")));
    };
    EXPECT_EQ(codes(PickerSql::ContractorList(QStringLiteral("1"), placed.join(QLatin1Char(',')))),
              (QStringList{"1601", "1602"}));
    EXPECT_EQ(codes(PickerSql::ContractorList(QStringLiteral("1"), {}, true)), (QStringList{"1601", "1602"}));
    EXPECT_EQ(codes(PickerSql::ContractorList(QStringLiteral("2"), {}, true)), QStringList());
}

TEST_F(PickerSqlTest, WorkerQualificationListHasEachWorkerOncePerQualificationOfTheKinds)
{
    execute(
        {QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD, NAME) values (1, 4, 1, '石川')"),
         QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD, NAME) values (1, 4, 2, '岩田')"),
         QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD, NAME) values (1, 5, 1, '他社')"),
         QStringLiteral("insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, KBN, SKNM) values (1, 1, 4, 1, 1, '免許')"),
         QStringLiteral("insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, KBN, SKNM) values (2, 1, 4, 1, 2, '講習')"),
         QStringLiteral("insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, KBN, SKNM) values (3, 1, 4, 1, 4, '職種')"),
         QStringLiteral("insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, KBN, SKNM) values (4, 1, 4, 2, 4, '職種')")});
    const SqlStatement sql
        = PickerSql::WorkerQualificationList(QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("1,2"));
    EXPECT_EQ(sortedColumn(sql.wrapped(QStringLiteral("select NAME||'|'||coalesce(SKNM, '-') from (%1)"))),
              (QStringList{"岩田|-", "石川|免許", "石川|講習"}));
}

TEST_F(PickerSqlTest, NameEntriesPadTheAbbreviationToNineCharacters)
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

TEST_F(PickerSqlTest, QualificationsOfTheSamePersonAreJoinedByABlank)
{
    const QStringList names{QStringLiteral("石川 拓也"), QStringLiteral("岩田 昇"), QStringLiteral("石川 拓也")};
    const QStringList qualifications{QStringLiteral("玉掛け技能講習"), QStringLiteral("x"), QStringLiteral("大型特殊")};
    EXPECT_EQ(PickerSql::JoinedQualifications(names, qualifications, QStringLiteral("石川 拓也")),
              QStringLiteral("玉掛け技能講習 大型特殊"));
    EXPECT_TRUE(PickerSql::JoinedQualifications({}, {}, QStringLiteral("x")).isEmpty());
}

}  // namespace
