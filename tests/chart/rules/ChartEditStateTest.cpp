#include "ChartEditState.h"
#include "ChartVersions.h"
#include "SiteFixture.h"

namespace {

class ChartEditStateTest : public DemoSiteFixture
{
};

TEST_F(ChartEditStateTest, ButtonsFollowTheStateAndTheShownVersion)
{
    ChartVersions versions;
    EditButtons none = ButtonsFor(ChartEditState::None, versions);
    EXPECT_TRUE(none.New);
    EXPECT_FALSE(none.Del || none.Post || none.Cancel || none.Prev || none.Next);

    versions.Load(transaction(), QStringLiteral("1"));
    const EditButtons saved = ButtonsFor(ChartEditState::Saved, versions);
    EXPECT_TRUE(saved.New && saved.Del && saved.Prev);
    EXPECT_FALSE(saved.Post || saved.Cancel || saved.Next);

    versions.Step(-1);
    for (ChartEditState editing : {ChartEditState::New, ChartEditState::Modified}) {
        const EditButtons buttons = ButtonsFor(editing, versions);
        EXPECT_TRUE(buttons.Post && buttons.Cancel && buttons.Next);
        EXPECT_FALSE(buttons.New || buttons.Del || buttons.Prev);
    }
}

TEST(ChartEditStateChangeTest, OnlyASavedChartBecomesModified)
{
    EXPECT_EQ(AfterChange(ChartEditState::Saved), ChartEditState::Modified);
    EXPECT_EQ(AfterChange(ChartEditState::New), ChartEditState::New);
    EXPECT_EQ(AfterChange(ChartEditState::Modified), ChartEditState::Modified);
    EXPECT_EQ(AfterChange(ChartEditState::None), ChartEditState::None);
}

}  // namespace
