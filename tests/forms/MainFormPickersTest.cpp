#include "controls/DBGrid.h"
#include "SiteFixture.h"
#include "FormWindows.h"
#include "main/MainActions.h"
#include "pickers/TGyoListForm.h"
#include "pickers/TKojiListForm.h"
#include "main/TMainForm.h"
#include "main/TSystemSetForm.h"
#include "config/ConfigKeys.h"
#include "tree/ConstructionSystem.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

namespace {

// The main window with the program's own pickers on the demo site.
class MainFormPickersTest : public DemoSiteFixture
{
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        configureMainWindow(QStringLiteral("1"));
    }

    QStringList gridCodes(DBGrid *grid)
    {
        QStringList codes;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            codes << grid->model()->index(row, 0).data().toString();
        return codes;
    }

    FormWindows windows{data};
};

TEST_F(MainFormPickersTest, PlacingFromTheListOffersOnlyContractorsOutsideTheTree)
{
    TMainForm form(data, windows);
    form.TreeView1->setCurrentIndex(form.system().tree().find(QStringLiteral("3")));
    modal.then([this](QDialog &dialog) {
        auto &picker = static_cast<TGyoListForm &>(dialog);
        picker.show();
        EXPECT_EQ(gridCodes(picker.DBGrid1), QStringList{QStringLiteral("8")});
        picker.btnOK->click();
        return picker.result();
    });
    form.actions().actSetGyoList->trigger();
    EXPECT_EQ(TreeCodes(), QString("1,2,4,6,5,3,7,8").split(','));
    EXPECT_EQ(TreeLevels().last(), QStringLiteral("2"));
    EXPECT_EQ(column(QStringLiteral("Select HTYCD||'/'||UNUM from TAISEI where KJCD = 1 and GYOCD = 8")),
              QStringList{QStringLiteral("3/2")});
}

TEST_F(MainFormPickersTest, ChoosingTheOtherProjectThroughItsPicker)
{
    TMainForm form(data, windows);
    modal.then([](QDialog &dialog) {
        auto &picker = static_cast<TKojiListForm &>(dialog);
        picker.show();
        picker.DBGrid1->setCurrentIndex(picker.DBGrid1->model()->index(2, 0));
        picker.btnOK->click();
        return picker.result();
    });
    form.actions().actSelKoji->trigger();
    EXPECT_EQ(AppContext::instance().Project().CurKojiCode(), QStringLiteral("2"));
    EXPECT_TRUE(form.actions().actSetMotoList->isVisible());
    EXPECT_EQ(form.edtKJNM->text(), QStringLiteral("（仮称）北光町集合住宅新築工事"));
}

TEST_F(MainFormPickersTest, MissingCompanyNameOpensTheProfilePageOnly)
{
    Config::write(*ini, Config::CompanyName, QString());
    AppContext::instance().CompanyName = Config::read(*ini, Config::CompanyName);
    modal.then([](QDialog &dialog) {
        auto &settings = static_cast<TSystemSetForm &>(dialog);
        EXPECT_EQ(settings.windowTitle(), QStringLiteral("システム利用者の会社名を入力して下さい"));
        EXPECT_FALSE(settings.PageControl1->isTabVisible(1));
        settings.edtCMPNAME->setText(QStringLiteral("札幌建設"));
        settings.btnPost->click();
        return settings.result();
    });
    TMainForm form(data, windows);
    EXPECT_EQ(modal.unscripted(), 0);
    EXPECT_EQ(AppContext::instance().CompanyName, QStringLiteral("札幌建設"));
    EXPECT_EQ(Config::read(*ini, Config::CompanyName), QStringLiteral("札幌建設"));
}

}  // namespace
