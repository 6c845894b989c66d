#include "EditorFixture.h"
#include "UiInput.h"

#include "controls/DBControls.h"
#include "controls/DBImageFrame.h"
#include "data/DataField.h"
#include "editors/TSyokuInfo.h"
#include "kit/DBDateEdit.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

class TSyokuInfoTest : public EditorFixture<DemoSiteFixture>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        execute({QStringLiteral("Update SHOKU set SDFL = 'KAO00002.JPG' where NAME = '佐藤 健一'")});
    }

    QString field(TSyokuInfo &form, const char *name)
    {
        return form.IBTable1.FieldByName(QLatin1String(name)).AsString();
    }
    static QLineEdit *edit(TSyokuInfo &form, const char *name) { return form.FindControl<DBEdit>(QLatin1String(name)); }
    static DBDateEdit &birthDate(TSyokuInfo &form) { return *form.FindControl<DBDateEdit>(QStringLiteral("dtBNDT")); }
    static DBImageFrame &photo(TSyokuInfo &form)
    {
        return *form.FindControl<DBImageFrame>(QStringLiteral("ImageFrame1"));
    }
    static DBComboBox &qualification(TSyokuInfo &form)
    {
        return *form.FindControl<DBComboBox>(QStringLiteral("cmbSNSK"));
    }
};

TEST_F(TSyokuInfoTest, OpensOnTheFirstMemberWithTheQualificationList)
{
    TSyokuInfo form(context());
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("職員情報"));
    EXPECT_EQ(form.lblID->text(), QStringLiteral("職員ID"));
    EXPECT_EQ(field(form, "NAME"), QStringLiteral("佐藤 健一"));
    EXPECT_EQ(birthDate(form).GetDateText(), QStringLiteral("1968/05/12"));
    EXPECT_EQ(birthDate(form).DefGengo(), degShowa);
    EXPECT_EQ(photo(form).FileName, QStringLiteral("KAO00002.JPG"));
    EXPECT_EQ(qualification(form).itemText(0), QStringLiteral("1級土木施工管理技士"));
    EXPECT_TRUE(qualification(form).isEditable());
    EXPECT_TRUE(form.btnCopy->isEnabled());
}

TEST_F(TSyokuInfoTest, CopyKeepsThePersonAndPhotoButNotTheQualification)
{
    TSyokuInfo form(context());
    form.show();
    form.btnCopy->click();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    EXPECT_FALSE(form.btnCopy->isEnabled());
    EXPECT_EQ(field(form, "NAME"), QStringLiteral("佐藤 健一"));
    EXPECT_EQ(field(form, "FURI"), QStringLiteral("さとう けんいち"));
    EXPECT_EQ(field(form, "POST"), QStringLiteral("土木部長"));
    EXPECT_TRUE(field(form, "SNSK").isEmpty());
    EXPECT_TRUE(field(form, "SNNO").isEmpty());
    EXPECT_EQ(birthDate(form).GetDateText(), QStringLiteral("1968/05/12"));
    EXPECT_EQ(photo(form).FileName, QStringLiteral("KAO00002.JPG"));
    TypeText(qualification(form).lineEdit(), QStringLiteral("2級土木施工管理技士"));
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
    TSyokuInfo form(context());
    form.show();
    form.btnNew->click();
    TypeText(birthDate(form).findChild<QLineEdit *>("year"), QStringLiteral("45"));  // 昭和 45
    TypeText(birthDate(form).findChild<QLineEdit *>("month"), QStringLiteral("1"));
    TypeText(birthDate(form).findChild<QLineEdit *>("day"), QStringLiteral("2"));
    form.btnPost->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("氏名が有りません")});
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    TypeText(edit(form, "DBEditNAME"), QStringLiteral("山本 花子"));
    form.btnPost->click();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Browse);
    EXPECT_EQ(column(QStringLiteral("Select BNDT from SHOKU where NAME = '山本 花子'")),
              QStringList{QStringLiteral("1970/01/02")});
}

TEST_F(TSyokuInfoTest, ClosingDropsAnUnnamedNewRowWithoutAsking)
{
    const int before = column(QStringLiteral("Select SHCD from SHOKU")).size();
    {
        TSyokuInfo form(context());
        form.show();
        form.btnNew->click();
        EXPECT_TRUE(form.close());
    }
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(column(QStringLiteral("Select SHCD from SHOKU")).size(), before);
}

TEST_F(TSyokuInfoTest, ClosingANamedNewRowAsksFirst)
{
    TSyokuInfo form(context());
    form.show();
    form.btnNew->click();
    TypeText(edit(form, "DBEditNAME"), QStringLiteral("山本 花子"));
    messages.answer(false);
    EXPECT_FALSE(form.close());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("未登録のデータがあります。それでも終了しますか？")});
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    EXPECT_EQ(edit(form, "DBEditNAME")->text(), QStringLiteral("山本 花子"));
}

TEST_F(TSyokuInfoTest, ChangingTheBirthDateToBlankToo)
{
    TSyokuInfo form(context());
    form.show();
    QLineEdit *day = birthDate(form).findChild<QLineEdit *>("day");
    day->selectAll();
    TypeText(day, QStringLiteral("13"));
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Edit);
    form.btnPost->click();
    EXPECT_EQ(
        column(QStringLiteral("Select BNDT from SHOKU where SNSK = '1級土木施工管理技士' and NAME = '佐藤 健一'")),
        QStringList{QStringLiteral("1968/05/13")});

    // Emptying the date is a change as well, and stores no date.
    for (const char *part : {"year", "month", "day"})
        birthDate(form).findChild<QLineEdit *>(part)->clear();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Edit);
    form.btnPost->click();
    EXPECT_EQ(column(QStringLiteral("Select coalesce(BNDT, 'null') from SHOKU where SNSK = '1級土木施工管理技士'"
                                    " and NAME = '佐藤 健一'")),
              QStringList{QStringLiteral("null")});
}

TEST_F(TSyokuInfoTest, AStoredTextThatIsNoDateIsShownAndKeptUnlessChanged)
{
    execute({QStringLiteral("Update SHOKU set BNDT = '1968/5/12' where NAME = '佐藤 健一'")});
    TSyokuInfo form(context());
    form.show();
    EXPECT_EQ(birthDate(form).ShownText(), QStringLiteral("1968/5/12"));
    EXPECT_TRUE(messages.texts().isEmpty());
    TypeText(edit(form, "DBEditPOST"), QStringLiteral("新"));
    form.btnPost->click();
    EXPECT_EQ(column(QStringLiteral("Select BNDT from SHOKU where POST = '新土木部長'")),
              QStringList{QStringLiteral("1968/5/12")});
}

// On an empty table (every new installation) the first input brings the new record;
// whatever the user starts with must survive it.
class TSyokuInfoOnEmptyTableTest : public EditorFixture<SiteFixture>
{
protected:
    QString storedRow()
    {
        return committedColumn(QStringLiteral("Select coalesce(NAME, '-')||'|'||coalesce(BNDT, '-')||'|'||"
                                              "coalesce(SDFL, '-') from SHOKU"))
            .join(QLatin1Char(';'));
    }
    static QLineEdit *part(TSyokuInfo &form, const char *name)
    {
        return form.FindControl<DBDateEdit>(QStringLiteral("dtBNDT"))->findChild<QLineEdit *>(name);
    }
};

TEST_F(TSyokuInfoOnEmptyTableTest, DateFirst)
{
    TSyokuInfo form(context());
    form.show();
    part(form, "year")->setFocus();
    TypeText(part(form, "year"), QStringLiteral("20"));  // 昭和 20
    EXPECT_EQ(part(form, "year")->text(), QStringLiteral("20"));
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    TypeText(part(form, "month"), QStringLiteral("8"));
    TypeText(part(form, "day"), QStringLiteral("15"));
    TypeInto(&form, "DBEditNAME", QStringLiteral("山田"));
    form.btnPost->click();
    EXPECT_EQ(storedRow(), QStringLiteral("山田|1945/08/15|-"));
}

TEST_F(TSyokuInfoOnEmptyTableTest, PhotoFirst)
{
    TSyokuInfo form(context());
    form.show();
    fileDialogs.answer(jpegFile("face.jpg"));
    form.FindControl<DBImageFrame>(QStringLiteral("ImageFrame1"))->btnOpen->click();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    EXPECT_EQ(form.FindControl<DBImageFrame>(QStringLiteral("ImageFrame1"))->FileName, QStringLiteral("KAO00002.JPG"));
    TypeInto(&form, "DBEditNAME", QStringLiteral("山田"));
    form.btnPost->click();
    EXPECT_EQ(storedRow(), QStringLiteral("山田|-|KAO00002.JPG"));
    EXPECT_EQ(committedColumn(QStringLiteral("Select FLNM from IMGFL")), QStringList{QStringLiteral("KAO00002.JPG")});
}

TEST_F(TSyokuInfoOnEmptyTableTest, NameFirst)
{
    TSyokuInfo form(context());
    form.show();
    TypeInto(&form, "DBEditNAME", QStringLiteral("山田"));
    EXPECT_EQ(form.FindControl<DBEdit>(QStringLiteral("DBEditNAME"))->text(), QStringLiteral("山田"));
    form.btnPost->click();
    EXPECT_EQ(storedRow(), QStringLiteral("山田|-|-"));
}

}  // namespace
