#include "EditorFixture.h"
#include "ProjectTree.h"
#include "UiInput.h"

#include "bases/TPanel.h"
#include "controls/DBControls.h"
#include "data/DataField.h"
#include "editors/TInSikakuForm.h"
#include "kit/DBDateEdit.h"
#include "pickers/PickerSql.h"

#include <QLabel>
#include <QRadioButton>

namespace {

// The skill trainings (kind 2) of worker 1 of contractor 2 on the demo site, 丸山 翔太:
// 車両系 and 地山主.
class TInSikakuFormTest : public EditorFixture<DemoSiteFixture>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        SelectProject(QStringLiteral("1"), QStringLiteral("国道230号 道路改良工事"));
    }

    std::unique_ptr<TInSikakuForm> open(int kind = 2, const char *worker = "1")
    {
        auto form = std::make_unique<TInSikakuForm>(context(), kind, QStringLiteral("1"), QStringLiteral("2"),
                                                    QLatin1String(worker));
        form->show();
        return form;
    }
    static QString field(TInSikakuForm &form, const char *column)
    {
        return form.IBTable1.FieldByName(QLatin1String(column)).AsString();
    }
    static DBDateEdit &date(TInSikakuForm &form, const char *name)
    {
        return *form.FindControl<DBDateEdit>(QLatin1String(name));
    }
    QString committedCount()
    {
        return committed(QStringLiteral("Select count(*) from INSIKAKU where KJCD = 1 and GYOCD = 2 and INCD = 1"));
    }
};

TEST_F(TInSikakuFormTest, ShowsTheWorkerAndItsQualificationsOfTheKind)
{
    auto form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("作業員資格詳細画面"));
    EXPECT_EQ(form->TitlePanel->caption(), QStringLiteral("国道230号 道路改良工事"));
    EXPECT_TRUE(form->HeadPanel->isVisible());
    EXPECT_EQ(form->lblCPNM->text(), QStringLiteral("株式会社丸山土木"));
    EXPECT_EQ(form->lblNAME->text(), QStringLiteral("丸山 翔太"));
    EXPECT_EQ(form->lblBNDT->text(), QStringLiteral("昭和 57年04月18日"));
    EXPECT_EQ(form->IBTable1.RecordCount(), 2);
    EXPECT_EQ(field(*form, "PRNM"), QStringLiteral("車両系"));
    EXPECT_EQ(date(*form, "dtSKDT").GetDateText(), QStringLiteral("2003/09/12"));
    EXPECT_FALSE(form->OwnTransaction);
    form->close();
    EXPECT_EQ(form->Abbreviations(), QStringList({QStringLiteral("車両系"), QStringLiteral("地山主")}));
}

TEST_F(TInSikakuFormTest, ANameFromTheMasterFillsNameAndAbbreviationAndTheNextRowBegins)
{
    const QString before = committedCount();
    auto form = open();
    services.names = QStringList{PickerSql::NameEntry(QStringLiteral("玉掛"), QStringLiteral("玉掛け技能講習"))};
    form->btnNew->click();
    form->btnPost->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("資格名称が有りません")});
    EXPECT_EQ(form->IBTable1.State(), DataSetState::Insert);
    form->btnSikaku->click();
    EXPECT_EQ(services.nameKinds, QList<int>{2});
    EXPECT_EQ(field(*form, "SKNM"), QStringLiteral("玉掛け技能講習"));
    EXPECT_EQ(field(*form, "PRNM"), QStringLiteral("玉掛"));
    TypeText(form->FindControl<DBEdit>(QStringLiteral("DBEditSKNO")), QStringLiteral("第 20-1234 号"));
    form->btnPost->click();
    EXPECT_EQ(form->IBTable1.State(), DataSetState::Insert);  // the next one
    EXPECT_TRUE(field(*form, "SKNM").isEmpty());
    EXPECT_TRUE(form->close());  // the empty row goes without a question
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(form->Abbreviations(),
              QStringList({QStringLiteral("車両系"), QStringLiteral("地山主"), QStringLiteral("玉掛")}));
    EXPECT_EQ(column(QStringLiteral("Select SKNO || '|' || NAME from INSIKAKU where PRNM = '玉掛' and INCD = 1"
                                    " and GYOCD = 2")),
              QStringList{QStringLiteral("第 20-1234 号|丸山 翔太")});
    // Nothing is committed: the roster's worker decides.
    EXPECT_EQ(committedCount(), before);
}

TEST_F(TInSikakuFormTest, TheExpiryIsFiveYearsAfterTheIssueOrNone)
{
    auto form = open();
    DBDateEdit &issued = date(*form, "dtSKDT");
    DBDateEdit &expiry = date(*form, "dtFNDT");
    EXPECT_EQ(expiry.toolTip(), QStringLiteral("期限のないものは入力しません"));
    issued.SetDate(QDate(2004, 2, 29));
    form->rgPlus5->click();
    EXPECT_EQ(expiry.GetDateText(), QStringLiteral("2009/02/28"));
    EXPECT_FALSE(form->rgPlus5->isChecked());
    form->btnPost->click();
    EXPECT_EQ(scalar(QStringLiteral("Select SKDT || '|' || YOBIS1 from INSIKAKU where PRNM = '車両系' and INCD = 1"
                                    " and GYOCD = 2")),
              QStringLiteral("2004/02/29|2009/02/28"));
    form->rgNone->click();
    EXPECT_TRUE(expiry.GetDateText().isEmpty());
    EXPECT_EQ(form->IBTable1.State(), DataSetState::Edit);
    form->btnPost->click();
    EXPECT_EQ(scalar(QStringLiteral("Select coalesce(YOBIS1, 'null') from INSIKAKU where PRNM = '車両系'"
                                    " and INCD = 1 and GYOCD = 2")),
              QStringLiteral("null"));

    // Without an issue date there is nothing to count from.
    issued.Clear();
    form->rgPlus5->click();
    EXPECT_TRUE(expiry.GetDateText().isEmpty());
}

TEST_F(TInSikakuFormTest, AWorkerNotPostedYetHasNoHeadAndAKindWithoutRowsGivesNothing)
{
    auto form = open(1, "9");
    EXPECT_FALSE(form->HeadPanel->isVisible());
    EXPECT_TRUE(form->IBTable1.IsEmpty());
    form->close();
    EXPECT_EQ(form->Abbreviations(), QStringList());
}

}  // namespace
