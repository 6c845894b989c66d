#include "ChartMessages.h"
#include "ChartSaveCheck.h"
#include "ChartVersions.h"
#include "SiteFixture.h"

namespace {

class ChartVersionsTest : public DemoSiteFixture
{
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        versions.Load(transaction(), QStringLiteral("1"));
    }

    ChartVersions versions;
};

TEST_F(ChartVersionsTest, ShowsTheNewestAndStepsWithinTheList)
{
    EXPECT_EQ(versions.Dates(), QStringList({QStringLiteral("2026/04/01"), QStringLiteral("2026/10/01")}));
    EXPECT_EQ(versions.Current(), QStringLiteral("2026/10/01"));
    EXPECT_TRUE(versions.CanGoBack());
    EXPECT_FALSE(versions.CanGoForward());
    versions.Step(-1);
    versions.Step(-1);
    EXPECT_EQ(versions.Index(), 0);
    EXPECT_FALSE(versions.CanGoBack());
    EXPECT_TRUE(versions.CanGoForward());

    ChartVersions none;
    none.Load(transaction(), QStringLiteral("2"));
    EXPECT_EQ(none.Index(), -1);
    EXPECT_TRUE(none.Current().isEmpty());
    EXPECT_FALSE(none.CanGoBack() || none.CanGoForward());
}

TEST_F(ChartVersionsTest, ASaveMayNotTakeTheDateOfAnotherVersion)
{
    EXPECT_TRUE(versions.IsTakenByAnother(QStringLiteral("2026/04/01"), false));
    EXPECT_FALSE(versions.IsTakenByAnother(QStringLiteral("2026/10/01"), false));
    EXPECT_TRUE(versions.IsTakenByAnother(QStringLiteral("2026/10/01"), true));
    EXPECT_FALSE(versions.IsTakenByAnother(QStringLiteral("2026/10/02"), true));

    // The checks run in order: the date's form, the prime contractor, then the date's use.
    EXPECT_EQ(CheckChartSave(QStringLiteral("2026/10/01"), versions, true, true), ChartSaveRefusal::DateTaken);
    EXPECT_EQ(CheckChartSave(QStringLiteral("2026/10/01"), versions, true, false), ChartSaveRefusal::NoPrime);
    EXPECT_EQ(CheckChartSave(QStringLiteral("2026/02/30"), versions, true, false), ChartSaveRefusal::InvalidDate);
    EXPECT_EQ(CheckChartSave(QStringLiteral("2026/10/01"), versions, false, true), ChartSaveRefusal::None);
    EXPECT_EQ(RefusalMessage(ChartSaveRefusal::DateTaken), ChartMessages::DateTaken);
    EXPECT_TRUE(RefusalMessage(ChartSaveRefusal::None).isEmpty());
}

TEST_F(ChartVersionsTest, SavingUnderANewDateMovesTheVersion)
{
    versions.Saved(QStringLiteral("2026/11/01"), QStringLiteral("2026/10/01"));
    EXPECT_EQ(versions.Dates(), QStringList({QStringLiteral("2026/04/01"), QStringLiteral("2026/11/01")}));
    EXPECT_EQ(versions.Current(), QStringLiteral("2026/11/01"));

    versions.Saved(QStringLiteral("2026/01/15"));
    EXPECT_EQ(versions.Dates().first(), QStringLiteral("2026/01/15"));
    EXPECT_EQ(versions.Index(), 0);
}

TEST_F(ChartVersionsTest, RemovingShowsTheNextOlderVersion)
{
    versions.RemoveCurrent();
    EXPECT_EQ(versions.Current(), QStringLiteral("2026/04/01"));
    versions.Saved(QStringLiteral("2026/12/01"));
    versions.Step(-1);
    versions.RemoveCurrent();
    EXPECT_EQ(versions.Current(), QStringLiteral("2026/12/01"));
    versions.RemoveCurrent();
    EXPECT_EQ(versions.Index(), -1);
}

}  // namespace
