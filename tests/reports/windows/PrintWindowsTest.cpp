#include "PrintWindows.h"
#include "SiteFixture.h"
#include "TDaityoPrintForm.h"
#include "TMeiboPrintForm.h"
#include "bases/TPanel.h"
#include "framework/PrintChecks.h"
#include "tree/ConstructionSystem.h"

#include <QCheckBox>
#include <QPushButton>

using namespace sorvik::documents;

namespace {

class PrintWindowsTest : public DemoSiteFixture
{
protected:
    PrintRequest request(PrintWindow window, const QString &kojiCode = QStringLiteral("1"))
    {
        PrintRequest request;
        request.window = window;
        request.kojiCode = kojiCode;
        return request;
    }
};

TEST_F(PrintWindowsTest, AProjectWithoutContractorsNeverShowsTheRosterOrTheNotifications)
{
    ConstructionSystem system(data.IBTransaction1, AppContext::Project());
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("2")));
    for (PrintWindow window : {PrintWindow::Roster, PrintWindow::Notifications}) {
        messages.clear();
        PrintWindows::Open(nullptr, request(window, QStringLiteral("2")), {});
        EXPECT_EQ(messages.texts(), QStringList{PrintChecks::NoContractors});
    }
    EXPECT_EQ(modal.unscripted(), 0);
}

TEST_F(PrintWindowsTest, QualificationListsNeedAContractorWithQualifications)
{
    PrintWindows::Open(nullptr, request(PrintWindow::Licences, QStringLiteral("2")), {});
    EXPECT_EQ(messages.texts(), QStringList{PrintChecks::NoQualifications});
    EXPECT_EQ(modal.unscripted(), 0);

    messages.clear();
    PrintWindows::Open(nullptr, request(PrintWindow::Licences), {});
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(modal.unscripted(), 1);
}

TEST_F(PrintWindowsTest, LedgerAndNoticeOpenTheLedgerPrintInTheirMode)
{
    ConstructionSystem system(data.IBTransaction1, AppContext::Project());
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    for (int mode : {1, 2}) {
        PrintRequest ledger = request(PrintWindow::Ledger);
        ledger.mode = mode;
        modal.then([&](QDialog &dialog) {
            auto *form = qobject_cast<TDaityoPrintForm *>(&dialog);
            EXPECT_NE(form, nullptr);
            if (form) {
                EXPECT_EQ(form->Mode(), mode);
                EXPECT_EQ(form->KojiCode, QStringLiteral("1"));
                EXPECT_EQ(form->windowTitle(), QStringLiteral("施工体制台帳印刷画面"));
            }
            return int(QDialog::Rejected);
        });
        PrintWindows::Open(nullptr, ledger, {});
    }
    EXPECT_EQ(modal.unscripted(), 0);
}

TEST_F(PrintWindowsTest, TheCardCommandOpensTheRosterPrintOnCards)
{
    ConstructionSystem system(data.IBTransaction1, AppContext::Project());
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    for (int mode : {0, 1}) {
        PrintRequest cards = request(PrintWindow::Roster);
        cards.gyoCode = QStringLiteral("4");
        cards.mode = mode;
        modal.then([&](QDialog &dialog) {
            auto *form = qobject_cast<TMeiboPrintForm *>(&dialog);
            EXPECT_NE(form, nullptr);
            if (form) {
                EXPECT_EQ(form->windowTitle(), QStringLiteral("作業員名簿印刷"));
                EXPECT_EQ(form->GyoCode, QStringLiteral("4"));
                EXPECT_EQ(form->chkCardType->isChecked(), mode == 1);
            }
            return int(QDialog::Rejected);
        });
        PrintWindows::Open(nullptr, cards, {});
    }
    EXPECT_EQ(modal.unscripted(), 0);
}

}  // namespace
