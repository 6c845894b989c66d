#include "ChartEditorFixture.h"
#include "FormWindows.h"
#include "main/MainActions.h"
#include "main/TMainForm.h"

#include <QAction>

namespace {

class MainWindowChartTest : public DemoSiteFixture
{
protected:
    FormWindows windows{data};
};

TEST_F(MainWindowChartTest, TheChartCommandOpensTheEditorOnTheCurrentProject)
{
    configureMainWindow(QStringLiteral("1"));
    TMainForm main(data, windows);
    ASSERT_TRUE(main.actions().actPTaikeizu->isEnabled());
    modal.thenShow<TTaikeizuForm>([](TTaikeizuForm &chart) {
        EXPECT_EQ(chart.ProjectCode, QStringLiteral("1"));
        EXPECT_EQ(chart.Versions().Count(), 2);
        EXPECT_EQ(chart.Boxes().size(), 7);
    });
    main.actions().actPTaikeizu->trigger();
    EXPECT_EQ(modal.unscripted(), 0);
}

}  // namespace
