#include "controls/DBControls.h"
#include "dateedit/DateControl.h"
#include "SiteFixture.h"
#include "bases/TImageFrame.h"
#include "editors/TSyokuInfo.h"
#include "dateedit/TplDateEdit.h"
#include "data/DataField.h"

#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Japanese text as a user types it, one character per key press.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class TSyokuInfoTest : public DemoSiteFixture
{
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        db::Query query(data.IBTransaction1);
        query.setSql(QStringLiteral("Update SHOKU set SDFL = 'KAO00002.JPG' where NAME = '佐藤 健一'"));
        query.exec();
        data.IBTransaction1.commitRetaining();
    }

    QString field(TSyokuInfo &form, const char *name)
    {
        return form.IBTable1.FieldByName(QLatin1String(name)).AsString();
    }
};

TEST_F(TSyokuInfoTest, OpensOnTheFirstMemberWithTheQualificationList)
{
    TSyokuInfo form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("職員情報"));
    EXPECT_EQ(field(form, "NAME"), QStringLiteral("佐藤 健一"));
    EXPECT_EQ(GetDateControl(*form.dtBNDT), QStringLiteral("1968/05/12"));
    EXPECT_EQ(form.ImageFrame1->FileName, QStringLiteral("KAO00002.JPG"));
    EXPECT_EQ(form.cmbSNSK->itemText(0), QStringLiteral("1級土木施工管理技士"));
    EXPECT_TRUE(form.cmbSNSK->isEditable());
    EXPECT_TRUE(form.btnCopy->isEnabled());
}

TEST_F(TSyokuInfoTest, CopyKeepsThePersonAndPhotoButNotTheQualification)
{
    TSyokuInfo form;
    form.btnCopy->click();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    EXPECT_FALSE(form.btnCopy->isEnabled());
    EXPECT_EQ(field(form, "NAME"), QStringLiteral("佐藤 健一"));
    EXPECT_EQ(field(form, "FURI"), QStringLiteral("さとう けんいち"));
    EXPECT_EQ(field(form, "POST"), QStringLiteral("土木部長"));
    EXPECT_TRUE(field(form, "SNSK").isEmpty());
    EXPECT_TRUE(field(form, "SNNO").isEmpty());
    EXPECT_EQ(GetDateControl(*form.dtBNDT), QStringLiteral("1968/05/12"));
    EXPECT_EQ(form.ImageFrame1->FileName, QStringLiteral("KAO00002.JPG"));
    typeText(form.cmbSNSK->lineEdit(), QStringLiteral("2級土木施工管理技士"));
    form.btnPost->click();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Browse);
    EXPECT_EQ(column(QStringLiteral("Select coalesce(SNSK, '-')||'|'||coalesce(SNNO, '-')||'|'||BNDT||'|'||SDFL"
                                    " from SHOKU where NAME = '佐藤 健一' order by SHCD")),
              QStringList({QStringLiteral("1級土木施工管理技士|第 1 0 5 2 3 4 号|1968/05/12|KAO00002.JPG"),
                           QStringLiteral("監理技術者資格者証|00012345678|1968/05/12|KAO00002.JPG"),
                           QStringLiteral("2級土木施工管理技士|-|1968/05/12|KAO00002.JPG")}));
}

TEST_F(TSyokuInfoTest, PostNeedsANameAndKeepsTheRowOpen)
{
    TSyokuInfo form;
    form.btnNew->click();
    SetDateControl(*form.dtBNDT, QStringLiteral("1990/01/02"));
    form.btnPost->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("氏名が有りません")});
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    typeText(form.DBEditNAME, QStringLiteral("山本 花子"));
    form.btnPost->click();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Browse);
    EXPECT_EQ(column(QStringLiteral("Select BNDT from SHOKU where NAME = '山本 花子'")),
              QStringList{QStringLiteral("1990/01/02")});
}

TEST_F(TSyokuInfoTest, ClosingDropsAnUnnamedNewRowWithoutAsking)
{
    const int before = column(QStringLiteral("Select SHCD from SHOKU")).size();
    {
        TSyokuInfo form;
        form.btnNew->click();
        EXPECT_TRUE(form.close());
    }
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(column(QStringLiteral("Select SHCD from SHOKU")).size(), before);
}

TEST_F(TSyokuInfoTest, ClosingANamedNewRowAsksFirst)
{
    TSyokuInfo form;
    form.btnNew->click();
    typeText(form.DBEditNAME, QStringLiteral("山本 花子"));
    messages.answer(false);
    EXPECT_FALSE(form.close());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("未登録のデータがあります。それでも終了しますか？")});
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    EXPECT_EQ(form.DBEditNAME->text(), QStringLiteral("山本 花子"));
}

TEST_F(TSyokuInfoTest, ChangingTheBirthDatePutsTheRowIntoEdit)
{
    TSyokuInfo form;
    form.dtBNDT->SetDate(QDate(1968, 5, 13));
    emit form.dtBNDT->OnChange();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Edit);
    form.btnPost->click();
    EXPECT_EQ(
        column(QStringLiteral("Select BNDT from SHOKU where SNSK = '1級土木施工管理技士' and NAME = '佐藤 健一'")),
        QStringList{QStringLiteral("1968/05/13")});
}

}  // namespace
