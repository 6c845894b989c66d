// The main menu's exchange commands on the demo site, through the program's own dialogs:
// what reaches the database (read back through a second connection), what becomes
// current, and that the work folders are empty afterwards.

#include "ExchangeCommands.h"
#include "ScriptedMainFormWindows.h"
#include "SiteFixture.h"
#include "exchange/QtPackageDialogs.h"
#include "exchange/TExportForm.h"
#include "exchange/TImportForm.h"
#include "main/MainActions.h"
#include "main/MainExchangeMenu.h"
#include "main/TMainForm.h"
#include "UiInput.h"

#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using sorvik::package::PackageDialogs;

namespace {

class MainFormExchangeTest : public DemoSiteFixture
{
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        configureMainWindow(QStringLiteral("1"));
        m_previousDialogs = PackageDialogs::install(&m_dialogs);
    }

    void TearDown() override
    {
        form.reset();
        EXPECT_EQ(leftInWorkFolders(), QStringList());
        PackageDialogs::install(m_previousDialogs);
        DemoSiteFixture::TearDown();
    }

    void open() { form = std::make_unique<TMainForm>(data, windows); }
    MainActions &actions() { return form->actions(); }
    QString file(const QString &name) const { return dir.filePath(name); }

    QStringList leftInWorkFolders() const
    {
        QStringList left;
        for (const char *folder : {"Temp", "EXT", "Work"}) {
            QDirIterator it(appDir() + QLatin1String(folder), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                left << it.next();
        }
        return left;
    }

    void confirmExport(const QString &kindLine)
    {
        modal.thenShow<TExportForm>([kindLine](TExportForm &dialog) {
            EXPECT_EQ(dialog.Memo1->toPlainText().section('\n', 0, 0), kindLine);
            ClickButton(&dialog, "btnOK");
        });
    }

    void confirmImport(const QString &caption, bool overwrite)
    {
        modal.thenShow<TImportForm>([caption, overwrite](TImportForm &dialog) {
            EXPECT_EQ(dialog.windowTitle(), caption);
            if (overwrite)
                ClickButton(&dialog, "chkOverwrite");
            ClickButton(&dialog, "btnOK");
        });
    }

    ScriptedMainFormWindows windows;
    std::unique_ptr<TMainForm> form;

private:
    QtPackageDialogs m_dialogs;
    PackageDialogs *m_previousDialogs = nullptr;
};

}  // namespace

TEST_F(MainFormExchangeTest, StaffExportedFromTheMenuMergeBackWithAndWithoutOverwriting)
{
    const QStringList staff = committedColumn("Select NAME||'/'||coalesce(POST, '') from SHOKU order by NAME");
    const QString changed = staff.first().section('/', 0, 0);
    const QString removed = staff.last().section('/', 0, 0);
    open();

    fileDialogs.answer(file("staff.lzh"));
    confirmExport("ファイル種別：職員情報");
    actions().nmExpShokuin->trigger();
    EXPECT_EQ(fileDialogs.asked().last().request.fileName, "職員_北辰建設.LZH");
    ASSERT_TRUE(QFile::exists(file("staff.lzh")));

    execute({"Update SHOKU set POST = '異動' where NAME = '" + changed + "'",
             "Delete from SHOKU where NAME = '" + removed + "'"});
    fileDialogs.answer(file("staff.lzh"));
    confirmImport("職員情報取り込み", false);
    actions().nmInpShokuin->trigger();
    EXPECT_EQ(fileDialogs.asked().last().request.filterIndex, 2);
    QStringList merged = staff;
    merged.first() = changed + "/異動";
    EXPECT_EQ(committedColumn("Select NAME||'/'||coalesce(POST, '') from SHOKU order by NAME"), merged);

    fileDialogs.answer(file("staff.lzh"));
    confirmImport("職員情報取り込み", true);
    actions().nmInpShokuin->trigger();
    EXPECT_EQ(committedColumn("Select NAME||'/'||coalesce(POST, '') from SHOKU order by NAME"), staff);
    EXPECT_EQ(messages.texts(), QStringList());
}

TEST_F(MainFormExchangeTest, TheNamesMasterTravelsThroughTheMenusToo)
{
    const QStringList names = committedColumn("Select KBN||'/'||PRNM from EDUC order by KBN, PRNM");
    open();
    fileDialogs.answer(file("names.lzh"));
    confirmExport("ファイル種別：資格マスタ");
    actions().nmExpShikaku->trigger();
    EXPECT_EQ(fileDialogs.asked().last().request.fileName, "資格マスタ_北辰建設.LZH");

    execute({"Delete from EDUC where KBN = 4"});
    fileDialogs.answer(file("names.lzh"));
    confirmImport("資格マスタ取り込み", false);
    actions().nmInpShikaku->trigger();
    EXPECT_EQ(fileDialogs.asked().last().request.filterIndex, 3);
    EXPECT_EQ(committedColumn("Select KBN||'/'||PRNM from EDUC order by KBN, PRNM"), names);
}

TEST_F(MainFormExchangeTest, AUnitUnloadedFromTheMenuLoadsAsANewCurrentProject)
{
    open();
    const QList<TreeEntry> tree = AppContext::Project().Tree();
    const QString name = form->edtKJNM->text();
    ASSERT_FALSE(tree.isEmpty());

    // A reading typed where Shift-JIS is not the rule holds a character it lacks.
    execute({"Update SAGYOIN set FURI = 'ふぁむ ゔぁん なむ' where KJCD = 1 and FURI = 'ふぁむ ばん なむ'"});
    fileDialogs.answer(file("unit.ldf"));
    actions().nmUnload->trigger();
    EXPECT_EQ(fileDialogs.asked().last().request.fileName, "Sorvikユニット_" + name.trimmed() + ".LDF");
    EXPECT_EQ(modal.unscripted(), 0);  // a unit is written without asking
    // The user is told of that character before the unit is written.
    EXPECT_EQ(messages.texts().filter("U+3094").size(), 1);
    messages.clear();

    fileDialogs.answer(file("unit.ldf"));
    modal.thenShow<TImportForm>([](TImportForm &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "新しい工事の情報として全て取り込みます");
        EXPECT_FALSE(dialog.chkOverwrite->isVisible());
        EXPECT_FALSE(dialog.lblCaution->isVisible());
        ClickButton(&dialog, "btnOK");
    });
    actions().nmLoad->trigger();

    const QString created = committedColumn("Select max(KJCD) from KOJI").first();
    EXPECT_NE(created, "1");
    EXPECT_EQ(AppContext::Project().CurKojiCode(), created);
    EXPECT_EQ(form->edtKJNM->text(), name);
    EXPECT_EQ(AppContext::Project().Tree(), tree);
    EXPECT_EQ(messages.texts(), QStringList{sorvik::package::kUnitLoadedMessage});
    for (const QString table : {"TAISEI", "GYOSYA", "SAGYOIN", "INSIKAKU"}) {
        const QString count = "Select count(*) from " + table + " where KJCD = ";
        EXPECT_EQ(committedColumn(count + created), committedColumn(count + "1")) << table.toStdString();
    }
}

TEST_F(MainFormExchangeTest, TheUnloadWaitsForAProjectAndSaysSo)
{
    configureMainWindow(QStringLiteral("0"));
    open();
    QAction *unload = actions().nmUnload;
    EXPECT_FALSE(unload->isEnabled());
    EXPECT_EQ(unload->toolTip(), kNoProjectToUnload);
    for (QAction *always : {actions().nmLoad, actions().nmInpShokuin, actions().nmInpShikaku, actions().nmExpShokuin,
                            actions().nmExpShikaku})
        EXPECT_TRUE(always->isEnabled()) << always->objectName().toStdString();

    windows.projectAnswers << MainFormWindows::ProjectChoice{QStringLiteral("1"), {}};
    actions().actSelKoji->trigger();
    EXPECT_TRUE(unload->isEnabled());
    EXPECT_EQ(unload->toolTip(), "工事配下の全てのデータをロードファイルとして作成します");
    EXPECT_EQ(unload->statusTip(), unload->toolTip());
}

TEST_F(MainFormExchangeTest, CancellingAnyStepLeavesEverythingAsItWas)
{
    const QStringList projects = committedColumn("Select distinct KJCD from KOJI order by KJCD");
    open();
    actions().nmExpShokuin->trigger();  // the save dialog cancelled
    EXPECT_EQ(modal.unscripted(), 0);

    fileDialogs.answer(file("staff.lzh"));
    modal.thenShow<TExportForm>([](TExportForm &dialog) { ClickButton(&dialog, "btnCancel"); });
    actions().nmExpShokuin->trigger();
    EXPECT_FALSE(QFile::exists(file("staff.lzh")));

    fileDialogs.answer(file("unit.ldf"));
    actions().nmUnload->trigger();
    messages.clear();
    fileDialogs.answer(file("unit.ldf"));
    modal.thenShow<TImportForm>([](TImportForm &dialog) { ClickButton(&dialog, "btnCancel"); });
    actions().nmLoad->trigger();
    EXPECT_EQ(committedColumn("Select distinct KJCD from KOJI order by KJCD"), projects);
    EXPECT_EQ(AppContext::Project().CurKojiCode(), "1");
    EXPECT_EQ(messages.texts(), QStringList());
}
