#include "SiteFixture.h"
#include "data/TableDataSet.h"
#include "roster/RosterMarks.h"
#include "roster/RosterTable.h"

using namespace sorvik::documents;

namespace {

class RosterMarksTest : public DemoSiteFixture
{
protected:
    QStringList committedMarks(const QString &where = QStringLiteral("KJCD = 1"))
    {
        return committedColumn(QStringLiteral("Select GYOCD || '-' || INCD || '=' || coalesce(SEL, 'null') from SAGYOIN"
                                              " where ")
                               + where + QStringLiteral(" order by GYOCD, INCD"));
    }

    void openContractor2(TableDataSet &table)
    {
        RosterChoices choices;
        choices.kojiCode = QStringLiteral("1");
        choices.gyoCode = QStringLiteral("2");
        RosterTable::Open(table, choices, false);
    }
};

TEST_F(RosterMarksTest, TheDaysWorkersAreMarkedInEveryContractorOfTheProjectAndNoOneElse)
{
    execute({QStringLiteral("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, 2, '2026/06/01', 1)"),
             QStringLiteral("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, 5, '2026/06/01', 2)"),
             QStringLiteral("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, 3, '2026/05/31', 1)")});
    RosterMarks::MarkWorkersOfDay(transaction(), QStringLiteral("1"), QDate(2026, 6, 1));
    EXPECT_EQ(committedMarks(QStringLiteral("KJCD = 1 and SEL = 1")), QString("2-1=1,5-2=1").split(','));
    EXPECT_EQ(committedMarks(QStringLiteral("KJCD = 1 and SEL = 0")).size(), 9);
}

TEST_F(RosterMarksTest, MarkingAllAndNoneKeepsToTheContractor)
{
    RosterMarks::MarkAll(transaction(), QStringLiteral("1"), QStringLiteral("2"), false);
    EXPECT_EQ(committedMarks(QStringLiteral("KJCD = 1 and SEL = 0")), QString("2-1=0,2-2=0,2-3=0").split(','));
    RosterMarks::MarkAll(transaction(), QStringLiteral("1"), QStringLiteral("2"), true);
    EXPECT_TRUE(committedMarks(QStringLiteral("KJCD = 1 and SEL = 0")).isEmpty());
}

TEST_F(RosterMarksTest, AClickTurnsTheMarkOverAndCommitsIt)
{
    execute({QStringLiteral("Update SAGYOIN set SEL = null where KJCD = 1 and GYOCD = 2 and INCD = 2")});
    TableDataSet table(transaction());
    openContractor2(table);
    table.MoveTo(1);
    RosterMarks::ToggleMark(table);
    EXPECT_EQ(committedMarks(QStringLiteral("KJCD = 1 and GYOCD = 2")), QString("2-1=1,2-2=1,2-3=1").split(','));
    RosterMarks::ToggleMark(table);
    EXPECT_EQ(committedMarks(QStringLiteral("KJCD = 1 and GYOCD = 2")), QString("2-1=1,2-2=0,2-3=1").split(','));
    EXPECT_EQ(table.RecNo(), 1);
}

TEST_F(RosterMarksTest, AgesAreRecalculatedWithTheirFlagsAndBrokenBirthDatesAreLeftAlone)
{
    execute({QStringLiteral("Update SAGYOIN set OLD = 0, ADVA = 0, YNG = 0 where KJCD = 1 and GYOCD = 2"),
             QStringLiteral("Update SAGYOIN set BNDT = '1969/05/31' where KJCD = 1 and GYOCD = 2 and INCD = 1"),
             QStringLiteral("Update SAGYOIN set BNDT = '2008/06/02' where KJCD = 1 and GYOCD = 2 and INCD = 2"),
             QStringLiteral("Update SAGYOIN set BNDT = '1990/02/30' where KJCD = 1 and GYOCD = 2 and INCD = 3")});
    TableDataSet table(transaction());
    openContractor2(table);
    table.MoveTo(2);
    EXPECT_EQ(RosterMarks::RecalculateAges(table, QDate(2026, 6, 1), 55, 18), 2);
    EXPECT_EQ(table.RecNo(), 2);
    EXPECT_EQ(committedColumn(QStringLiteral("Select INCD || ':' || OLD || '/' || ADVA || '/' || YNG from SAGYOIN"
                                             " where KJCD = 1 and GYOCD = 2 order by INCD")),
              QString("1:57/1/0,2:17/0/1,3:0/0/0").split(','));
}

}  // namespace
