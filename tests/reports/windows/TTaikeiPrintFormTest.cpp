#include "BuiltTemplates.h"
#include "DocumentRenderer.h"
#include "PrintWindows.h"
#include "RecordingOutput.h"
#include "SiteFixture.h"
#include "TTaikeiPrintForm.h"
#include "UiInput.h"
#include "bases/TPanel.h"
#include "tree/ConstructionSystem.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

// The engineer chart print opened as the main window opens it, on the demo site, with its
// documents recorded instead of shown.
class TTaikeiPrintFormTest : public DemoSiteFixture
{
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        LinkBuiltTemplates(appDir());
        AppContext::instance().WorkDate = QDate(2026, 12, 1);
    }

    // Opens the window of a project and runs `check` on it while it is shown.
    void open(const QString &kojiCode, const std::function<void(TTaikeiPrintForm &)> &check)
    {
        bool shown = false;
        modal.then([&](QDialog &dialog) {
            auto *form = qobject_cast<TTaikeiPrintForm *>(&dialog);
            EXPECT_NE(form, nullptr);
            if (form) {
                form->Celvane1.setOutputHandler(output);
                form->show();
                check(*form);
                shown = true;
            }
            return int(QDialog::Rejected);
        });
        PrintRequest request;
        request.window = PrintWindow::EngineerChart;
        request.kojiCode = kojiCode;
        PrintWindows::Open(nullptr, request, {});
        EXPECT_TRUE(shown);
    }

    std::shared_ptr<RecordingOutput> output = std::make_shared<RecordingOutput>();
    ConstructionSystem system{data.IBTransaction1, AppContext::Project()};
};

TEST_F(TTaikeiPrintFormTest, ListsTheSavedVersionsNewestFirstAndPrintsTheChosenOne)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    open(QStringLiteral("1"), [&](TTaikeiPrintForm &form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("技術者体系図"));
        EXPECT_EQ(form.TitlePanel->caption(), QStringLiteral("国道230号 札幌市南区川沿地区道路改良工事"));
        ASSERT_EQ(form.ListBox1->count(), 2);
        EXPECT_EQ(form.ListBox1->item(0)->text(), QStringLiteral("2026/10/01"));
        EXPECT_EQ(form.ListBox1->item(1)->text(), QStringLiteral("2026/04/01"));
        EXPECT_EQ(form.ChartDate, QStringLiteral("2026/10/01"));
        EXPECT_EQ(form.PrDT->date(), QDate(2026, 12, 1));
        EXPECT_TRUE(form.chkLinkLine->isChecked());
        EXPECT_TRUE(form.btnPrint->isEnabled() && form.btnPrevew->isEnabled());
        if (const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR"); !folder.isEmpty()) {
            EXPECT_TRUE(form.grab().save(folder + QStringLiteral("/taikei-print.png")));
        }

        // The spring chart: its second subcontractor stands on the second page.
        QListWidgetItem *spring = form.ListBox1->item(1);
        QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {},
                          form.ListBox1->visualItemRect(spring).center());
        EXPECT_EQ(form.ChartDate, QStringLiteral("2026/04/01"));
        ClickButton(&form, "btnPrevew");
        form.ListBox1->setCurrentRow(0);
        ClickButton(&form, "btnPrint");
    });
    ASSERT_EQ(output->endings.size(), 2u);
    EXPECT_TRUE(output->endings[0].preview);
    EXPECT_FALSE(output->endings[1].preview);
    EXPECT_EQ(celvane::DocumentRenderer(output->endings[0].document).pageCount(), 2);
    EXPECT_EQ(celvane::DocumentRenderer(output->endings[1].document).pageCount(), 1);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(TTaikeiPrintFormTest, WithoutASavedChartThereIsNothingToPrint)
{
    open(QStringLiteral("2"), [](TTaikeiPrintForm &form) {
        EXPECT_EQ(form.ListBox1->count(), 0);
        EXPECT_TRUE(form.ChartDate.isEmpty());
        EXPECT_FALSE(form.btnPrint->isEnabled());
        EXPECT_FALSE(form.btnPrevew->isEnabled());
        EXPECT_TRUE(form.btnClose->isEnabled());
    });
    EXPECT_TRUE(output->endings.empty());
}

}  // namespace
