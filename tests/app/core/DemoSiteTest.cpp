#include "SiteFixture.h"
#include "tree/ConstructionSystem.h"

namespace {

// The demo site as the build prepared it with FillDemoSite.
class DemoSiteTest : public DemoSiteFixture
{
protected:
    ConstructionSystem system{data.IBTransaction1, AppContext::instance().Project()};
};

TEST_F(DemoSiteTest, RoadProjectHasAThreeTierSystemWithVersionedNames)
{
    AppContext::instance().WorkDate = QDate(2026, 12, 1);
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(TreeLevels(), QString("0,1,2,3,2,1,2").split(','));
    EXPECT_EQ(TreeCaptions().at(0), QStringLiteral("北辰建設株式会社"));
    EXPECT_EQ(TreeCaptions().at(4), QStringLiteral("株式会社千歳鉄筋"));
    EXPECT_EQ(system.PeriodTo(), QStringLiteral("令和 09年03月19日"));

    AppContext::instance().WorkDate = QDate(2026, 6, 1);
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    EXPECT_EQ(TreeCaptions().at(4), QStringLiteral("千歳鉄筋工業所"));
}

TEST_F(DemoSiteTest, SecondProjectWaitsForItsPrimeContractor)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("2")));
    EXPECT_TRUE(system.tree().isEmpty());
    EXPECT_TRUE(system.actionState().primeActionsVisible);
    EXPECT_EQ(column(QStringLiteral("Select count(distinct GYOCD) from GYOSYA where KJCD = 2")),
              QStringList{QStringLiteral("3")});
    // Project 1 keeps a registered contractor outside its system for placing from the list.
    EXPECT_EQ(column(QStringLiteral("Select GYOCD from GYOSYA where KJCD = 1 and GYOCD not in"
                                    " (Select GYOCD from TAISEI where KJCD = 1)")),
              QStringList{QStringLiteral("8")});
}

TEST_F(DemoSiteTest, MastersAndWorkersAreConsistent)
{
    EXPECT_EQ(column(QStringLiteral("Select distinct KBN from EDUC order by KBN")), QString("1,2,3,4,5,6").split(','));
    EXPECT_EQ(column(QStringLiteral("Select count(*) from EDUC where PRNM is null or NM is null")),
              QStringList{QStringLiteral("0")});
    EXPECT_GE(column(QStringLiteral("Select SHCD from SHOKU")).size(), 5);
    // Every qualification row belongs to a worker and its abbreviation is in the names master.
    EXPECT_EQ(column(QStringLiteral("Select count(*) from INSIKAKU I where not exists (Select 1 from SAGYOIN S where"
                                    " S.KJCD = I.KJCD and S.GYOCD = I.GYOCD and S.INCD = I.INCD) or not exists"
                                    " (Select 1 from EDUC E where E.KBN = I.KBN and E.PRNM = I.PRNM)")),
              QStringList{QStringLiteral("0")});
    // Workers only of contractors placed in the system.
    EXPECT_EQ(column(QStringLiteral("Select count(*) from SAGYOIN S where not exists (Select 1 from TAISEI T where"
                                    " T.KJCD = S.KJCD and T.GYOCD = S.GYOCD)")),
              QStringList{QStringLiteral("0")});
}

}  // namespace
