#include "FileAnswers.h"
#include "MainFormFixture.h"
#include "UiInput.h"
#include "main/MainActions.h"
#include "main/TAboutBox.h"
#include "main/TDelAllForm.h"
#include "MaintenanceMessages.h"
#include "system/SystemInfo.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// With SORVIK_SCREENSHOT_DIR set, keeps a picture of the window for a person to look at.
void saveScreenshot(QWidget &window, const QString &name)
{
    if (const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR"); !folder.isEmpty()) {
        EXPECT_TRUE(window.grab().save(folder + QLatin1Char('/') + name));
    }
}

class MaintenanceMenuTest : public MainFormFixture
{
protected:
    MainActions &a() { return form->actions(); }
};

TEST_F(MaintenanceMenuTest, DeletingTheCurrentProjectThroughItsWindowLeavesNoProjectOpen)
{
    addProject(1, QStringLiteral("道路改良工事"), 1);
    addProject(2, QStringLiteral("河川工事"), 1);
    execute(
        {QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values (1, 1, '業者1', 0, 0, 1)")});
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    ASSERT_EQ(AppContext::Project().CurKojiCode(), QStringLiteral("1"));

    bool okEnabledAtFirst = true;
    modal.thenShow<TDelAllForm>([&](TDelAllForm &window) {
        okEnabledAtFirst = window.btnOK->isEnabled();
        windows.projectAnswers << MainFormWindows::ProjectChoice{QStringLiteral("1"), QStringLiteral("道路改良工事")};
        ClickButton(&window, "btnPick");
        EXPECT_EQ(window.edtKJNM->text(), QStringLiteral("道路改良工事"));
        window.chkReusable->click();
        saveScreenshot(window, QStringLiteral("delete-all.png"));
        messages.answer(true);
        ClickButton(&window, "btnOK");
        EXPECT_EQ(window.KojiCode, QStringLiteral("0"));
    });
    a().nmDelAll->trigger();

    EXPECT_FALSE(okEnabledAtFirst);
    EXPECT_TRUE(messages.texts().contains(MaintenanceMessages::ProjectDeleted));
    EXPECT_TRUE(committedColumn(QStringLiteral("select KJCD from KOJI where KJCD = 1")).isEmpty());
    EXPECT_EQ(committedColumn(QStringLiteral("select count(*) from GYOSYA where KJCD = 2")),
              QStringList{QStringLiteral("1")});
    EXPECT_EQ(AppContext::Project().CurKojiCode(), QStringLiteral("0"));
    EXPECT_FALSE(a().actKoji->isEnabled());
}

TEST_F(MaintenanceMenuTest, TheVersionWindowShowsTheProgramsProductAndFileVersion)
{
    open();
    QString product, version;
    modal.thenShow<TAboutBox>([&](TAboutBox &box) {
        product = box.ProductName->text();
        version = box.Version->text();
        saveScreenshot(box, QStringLiteral("about.png"));
        box.OKButton->click();
    });
    a().nmVersion->trigger();
    EXPECT_EQ(product, QStringLiteral("Product : ") + GetVersionString(ProgramFilePath(), 8));
    EXPECT_EQ(version, QStringLiteral("Version : ") + GetVersionString(ProgramFilePath(), 3));
    EXPECT_NE(version, QStringLiteral("Version : "));
    EXPECT_EQ(modal.unscripted(), 0);
}

TEST_F(MaintenanceMenuTest, MailAndSupportPageGoToTheDesktopsHandlers)
{
    Config::write(*ini, Config::SupportMail, QStringLiteral("help@dealer.example"));
    open();
    a().nmQMail->trigger();
    a().nmHPage->trigger();
    ASSERT_EQ(urls.opened.size(), 2);
    EXPECT_TRUE(urls.opened[0].toEncoded().startsWith("mailto:help@dealer.example?subject="));
    EXPECT_TRUE(urls.opened[0].toEncoded().contains(QUrl::toPercentEncoding(QStringLiteral("会社名：北辰建設"))));
    EXPECT_EQ(urls.opened[1].scheme(), QStringLiteral("https"));
}

TEST_F(MaintenanceMenuTest, ImageCleanUpAsksFirst)
{
    execute({QStringLiteral("insert into IMGFL (IMCD, FLNM, FLTYP) values (1, 'unused.jpg', 0)")});
    open();
    a().nmPack->trigger();
    EXPECT_EQ(committedColumn(QStringLiteral("select count(*) from IMGFL")), QStringList{QStringLiteral("1")});
    messages.answer(true);
    a().nmPack->trigger();
    EXPECT_EQ(committedColumn(QStringLiteral("select count(*) from IMGFL")), QStringList{QStringLiteral("0")});
    EXPECT_EQ(messages.captions().last(), QStringLiteral("確認"));
}

TEST_F(MaintenanceMenuTest, BackupAndRestoreShowTheirLinesAndTheRestoredProjectIsShown)
{
    addProject(1, QStringLiteral("道路改良工事"), 1);
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    QTemporaryDir scratch;
    const QString archive = scratch.filePath(QStringLiteral("SorvikDB.LZH"));
    FileAnswers files;
    files.paths << archive;
    a().nmBackup->trigger();
    EXPECT_EQ(messages.texts().last(), MaintenanceMessages::BackupFinished);
    EXPECT_TRUE(form->Memo1->isHidden());
    EXPECT_TRUE(form->Memo1->toPlainText().contains(MaintenanceMessages::BackupStarted));

    execute({QStringLiteral("update KOJI set KJNM = '名称変更' where KJCD = 1")});
    form->LoadKojiOrNone(QStringLiteral("1"));
    ASSERT_EQ(form->edtKJNM->text(), QStringLiteral("名称変更"));
    messages.answer(true);
    files.paths << archive;
    a().nmRestore->trigger();
    EXPECT_EQ(form->edtKJNM->text(), QStringLiteral("道路改良工事"));
    EXPECT_FALSE(form->Memo1->isHidden());
    EXPECT_TRUE(form->Memo1->toPlainText().contains(MaintenanceMessages::RestoreStarted));
    EXPECT_EQ(messages.texts().last(), MaintenanceMessages::ConfirmRestore);
}

}  // namespace
