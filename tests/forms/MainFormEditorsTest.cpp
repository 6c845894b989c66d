#include "SiteFixture.h"
#include "UiInput.h"

#include "FormWindows.h"
#include "editors/TGyoInfoForm.h"
#include "editors/TKojiInfoForm.h"
#include "main/MainActions.h"
#include "main/TMainForm.h"
#include "program/CurrentProject.h"
#include "tree/ConstructionSystem.h"

#include <QAction>
#include <QLineEdit>
#include <QTreeView>
#include <QtTest/QTest>

namespace {

// The main window with the program's own editors, from an empty database on.
class MainFormEditorsTest : public SiteFixture
{
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        configureMainWindow("0");
    }

    // The next editor gets `name` typed as a user would, and 登録.
    template<typename Editor> void nextEditorPosts(const char *nameField, const QString &name)
    {
        modal.thenShow<Editor>([nameField, name](Editor &editor) {
            editor.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&editor));
            TypeInto(&editor, nameField, name);
            editor.btnPost->click();
        });
    }
    void withPrime()
    {
        execute({"insert into KOJI (KJCD, APDT, KJNM) values (1, '2026/04/01', '新川橋架替工事')",
                 "insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 1, '2026/04/01', '北辰建設')",
                 "insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 1, '北辰建設', 0, 0)"});
        configureMainWindow("1");
    }
    void select(TMainForm &form, const QString &gyoCode)
    {
        form.TreeView1->setCurrentIndex(form.system().tree().find(gyoCode));
    }

    FormWindows windows{data};
};

TEST_F(MainFormEditorsTest, AProjectAPrimeAndTwoSubcontractorsFromAnEmptyDatabase)
{
    TMainForm form(data, windows);
    EXPECT_EQ(messages.texts().last(), "最初は工事情報の新規作成から始めます。（事前にマスタ登録が有れば設定します）");

    nextEditorPosts<TKojiInfoForm>("DBEditKJNM", "新川橋架替工事");
    form.actions().nmNewKoji->trigger();
    EXPECT_EQ(AppContext::Project().CurKojiCode(), "1");
    EXPECT_EQ(AppContext::Project().CurKojiName(), "新川橋架替工事");
    EXPECT_TRUE(form.actions().actSetMotoNew->isVisible());

    nextEditorPosts<TGyoInfoForm>("DBEditCPNM", "北辰建設株式会社");
    form.actions().actSetMotoNew->trigger();
    EXPECT_TRUE(form.actions().actSetGyoNew->isVisible());
    for (const QString &name : {QString("株式会社丸山土木"), QString("道央舗装株式会社")}) {
        select(form, "1");
        nextEditorPosts<TGyoInfoForm>("DBEditCPNM", name);
        form.actions().actSetGyoNew->trigger();
    }
    EXPECT_EQ(TreeCaptions(), QStringList({"北辰建設株式会社", "株式会社丸山土木", "道央舗装株式会社"}));
    EXPECT_EQ(TreeLevels(), QStringList({"0", "1", "1"}));
    EXPECT_EQ(committedColumn("select GYOCD||'/'||HTYCD||'/'||UNUM from TAISEI order by GYOCD"),
              QStringList({"1/0/0", "2/1/1", "3/1/1"}));
    EXPECT_EQ(modal.unscripted(), 0);
}

TEST_F(MainFormEditorsTest, ANameChangedInTheEditorRenamesTheNode)
{
    withPrime();
    TMainForm form(data, windows);
    select(form, "1");
    modal.thenShow<TGyoInfoForm>([](TGyoInfoForm &editor) {
        EXPECT_TRUE(editor.IsPrime);
        editor.FindControl<QLineEdit>("DBEditCPNM")->setFocus();
        editor.FindControl<QLineEdit>("DBEditCPNM")->selectAll();
        TypeText(editor.FindControl<QLineEdit>("DBEditCPNM"), "北辰建設株式会社");
        editor.btnPost->click();
        editor.close();
    });
    form.actions().actGyoEdit->trigger();
    EXPECT_EQ(TreeCaptions(), QStringList{"北辰建設株式会社"});
    EXPECT_EQ(committedColumn("select CPNM from TAISEI"), QStringList{"北辰建設株式会社"});
}

TEST_F(MainFormEditorsTest, ADoubleClickOnANodeOpensItsContractor)
{
    withPrime();
    TMainForm form(data, windows);
    form.show();
    const QModelIndex node = form.system().tree().find("1");
    bool opened = false;
    modal.thenShow<TGyoInfoForm>([&opened](TGyoInfoForm &editor) {
        opened = true;
        EXPECT_EQ(editor.GyoCode, "1");
        EXPECT_TRUE(editor.IsPrime);
        EXPECT_EQ(editor.FindControl<QLineEdit>("DBEditCPNM")->text(), "北辰建設");
        editor.close();
    });
    const QPoint centre = form.TreeView1->visualRect(node).center();
    QTest::mouseClick(form.TreeView1->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(form.TreeView1->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_TRUE(opened);
    EXPECT_EQ(modal.unscripted(), 0);
}

// 業者の新規登録 registers a company for the project without placing it.
TEST_F(MainFormEditorsTest, AContractorEnteredWithoutPlacingStaysOutOfTheTree)
{
    withPrime();
    TMainForm form(data, windows);
    nextEditorPosts<TGyoInfoForm>("DBEditCPNM", "株式会社丸山土木");
    form.actions().actGyoAdd->trigger();
    EXPECT_EQ(committedColumn("select GYOCD||'/'||CPNM from GYOSYA order by GYOCD"),
              QStringList({"1/北辰建設", "2/株式会社丸山土木"}));
    EXPECT_EQ(TreeCaptions(), QStringList{"北辰建設"});
}

}  // namespace
