#include "program/AppContext.h"
#include "controls/ColorBox.h"
#include "main/TSystemSetForm.h"
#include "config/ConfigKeys.h"
#include "config/IniFile.h"
#include "ScriptedMessageService.h"
#include "ScriptedModalService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TSystemSetFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppContext::instance() = AppContext();
        useIni(dir.filePath(QStringLiteral("sorvik.ini")));
    }
    void TearDown() override { AppContext::instance() = AppContext(); }

    void useIni(const QString &path)
    {
        ini = std::make_unique<IniFile>(path);
        AppContext::instance().IniFile = ini.get();
    }

    QStringList savedKeys() { return IniFile(ini->fileName()).keys(QStringLiteral("data")); }

    QTemporaryDir dir;
    std::unique_ptr<IniFile> ini;
    ScriptedMessageService messages;
};

TEST_F(TSystemSetFormTest, OpensWithTheDefaultsAndTheHiddenGroups)
{
    TSystemSetForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("各種設定"));
    EXPECT_EQ(form.PageControl1->count(), 7);
    EXPECT_EQ(form.PageControl1->currentIndex(), 0);
    EXPECT_EQ(form.spnOLD->value(), 65);
    EXPECT_EQ(form.spnYOUNG->value(), 18);
    EXPECT_EQ(form.spnBMUPR->value(), 130);
    EXPECT_EQ(form.spnBMLOW->value(), 85);
    EXPECT_EQ(form.edtKENGEN->text(), QStringLiteral("契約による"));
    EXPECT_EQ(form.edtIKEN->text(), QStringLiteral("書面による"));
    EXPECT_EQ(form.cmbTitleColor->value(), 0x800000);
    EXPECT_EQ(form.cmbTitleFontColor->value(), 0xFFFFFF);
    EXPECT_EQ(form.titleFont().pointSize(), 16);
    EXPECT_TRUE(form.titleFont().bold());
    EXPECT_TRUE(form.chkLocal->isChecked());
    EXPECT_EQ(form.cmbLocal->currentText(), QStringLiteral("北海道"));
    EXPECT_FALSE(form.grpExpMenu->isVisibleTo(&form));
    EXPECT_FALSE(form.grpPreInDlg->isVisibleTo(&form));
    EXPECT_EQ(form.edtCMPNAME->maxLength(), 50);
    EXPECT_EQ(form.edtRemark[3]->maxLength(), 128);
}

TEST_F(TSystemSetFormTest, FontButtonKeepsItsCaptionAndTheDialogOpensOnTheCurrentFont)
{
    TSystemSetForm form;
    ScriptedModalService modal;
    QString offered;
    modal.then([&](QDialog &dialog) {
        auto &fonts = static_cast<QFontDialog &>(dialog);
        offered = fonts.currentFont().family();
        EXPECT_EQ(fonts.currentFont().pointSize(), 16);
        QFont bigger = fonts.currentFont();
        bigger.setPointSize(20);
        fonts.setCurrentFont(bigger);
        fonts.accept();
        return int(QDialog::Accepted);
    });
    form.btnFont->click();
    EXPECT_EQ(form.btnFont->text(), QStringLiteral("フォント"));
    // The Windows face is offered as the face that draws it, so the list shows it chosen.
    EXPECT_EQ(offered, QFontInfo(QFont(QStringLiteral("ＭＳ Ｐゴシック"))).family());
    EXPECT_EQ(form.titleFont().pointSize(), 20);
    EXPECT_EQ(form.titleFont().family(), QStringLiteral("ＭＳ Ｐゴシック"));
}

TEST_F(TSystemSetFormTest, PostWritesEveryKeyInTheWindowsOrder)
{
    TSystemSetForm form;
    form.edtCMPNAME->setText(QStringLiteral("札幌建設"));
    form.chkBarCode->setChecked(true);
    form.spnOLD->setValue(60);
    form.edtRemark[1]->setText(QStringLiteral("玉：玉掛け"));
    form.cmbTitleColor->setValue(0x008000);
    form.btnPost->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(savedKeys(),
              QString("CMPNAME,BarCode,OLD,YOUNG,EXPMENU,PREINDLG,KENGEN,IKEN,BMUPR,BMLOW,Slash,"
                      "remark1,remark2,remark3,remark4,TitleColor,TitleFontColor,TitleFontName,"
                      "TitleFontSize,TitleFontBold,TitleFontItalic,TitleFontUnderline,"
                      "TitleFontStrikeOut,Local")
                  .split(','));
    const IniFile saved(ini->fileName());
    EXPECT_EQ(Config::read(saved, Config::CompanyName), QStringLiteral("札幌建設"));
    EXPECT_EQ(Config::read(saved, Config::OldAge), 60);
    EXPECT_EQ(Config::read(saved, Config::Remark2), QStringLiteral("玉：玉掛け"));
    EXPECT_EQ(Config::read(saved, Config::TitleColor), 0x008000);
    EXPECT_EQ(Config::read(saved, Config::TitleFontName), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(Config::read(saved, Config::Local), QStringLiteral("北海道"));
    EXPECT_EQ(AppContext::instance().CompanyName, QStringLiteral("札幌建設"));
    EXPECT_TRUE(AppContext::instance().UseBarcode);
}

TEST_F(TSystemSetFormTest, UncheckedRegionStaysOffAfterSaving)
{
    {
        TSystemSetForm form;
        form.chkLocal->setChecked(false);
        EXPECT_FALSE(form.cmbLocal->isVisibleTo(&form));
        form.btnPost->click();
    }
    EXPECT_TRUE(ini->valueExists(QStringLiteral("data"), QStringLiteral("Local")));
    EXPECT_TRUE(Config::read(*ini, Config::Local).isEmpty());
    TSystemSetForm reopened;
    EXPECT_FALSE(reopened.chkLocal->isChecked());
    EXPECT_FALSE(reopened.cmbLocal->isVisibleTo(&reopened));
}

TEST_F(TSystemSetFormTest, ClosingWithoutPostWritesNothing)
{
    TSystemSetForm form;
    form.edtCMPNAME->setText(QStringLiteral("札幌建設"));
    form.btnClose->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(savedKeys().isEmpty());
    EXPECT_TRUE(AppContext::instance().CompanyName.isEmpty());
}

TEST_F(TSystemSetFormTest, CompanyNameOnlyModeHidesEveryOtherPage)
{
    TSystemSetForm form;
    form.askCompanyNameOnly();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("システム利用者の会社名を入力して下さい"));
    EXPECT_TRUE(form.PageControl1->isTabVisible(0));
    for (int page = 1; page < 7; ++page)
        EXPECT_FALSE(form.PageControl1->isTabVisible(page)) << page;
}

TEST_F(TSystemSetFormTest, FailedSaveKeepsTheWindowOpenAndSaysSo)
{
    useIni(dir.filePath(QStringLiteral("missing/folder/sorvik.ini")));
    TSystemSetForm form;
    form.edtCMPNAME->setText(QStringLiteral("札幌建設"));
    form.btnPost->click();
    EXPECT_NE(form.result(), QDialog::Accepted);
    ASSERT_FALSE(messages.texts().isEmpty());
    EXPECT_TRUE(messages.texts().first().startsWith(QStringLiteral("設定ファイルに書き込めませんでした。")));
    EXPECT_TRUE(AppContext::instance().CompanyName.isEmpty());
    EXPECT_EQ(form.edtCMPNAME->text(), QStringLiteral("札幌建設"));
}

}  // namespace
