#include "RosterFixture.h"
#include "FormWindows.h"
#include "ProjectTree.h"
#include "UiInput.h"

#include "bases/TPanel.h"
#include "config/ConfigKeys.h"
#include "controls/DBControls.h"
#include "controls/DBGrid.h"
#include "data/DataField.h"
#include "editors/TInSikakuForm.h"
#include "editors/TMeiboListForm.h"
#include "editors/TSikakuForm.h"
#include "kit/DBDateEdit.h"
#include "pickers/PickerSql.h"
#include "TMeiboPrintForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

namespace {

class TMeiboListFormTest : public RosterFixture
{
protected:
    std::unique_ptr<TMeiboListForm> open(const QString &gyoCode = QStringLiteral("2"))
    {
        return openRoster(context(), gyoCode);
    }
    // The window active, so that focus moves as a user's do.
    static void activate(QWidget &form)
    {
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    static QString field(TMeiboListForm &form, const char *column)
    {
        return form.IBTable1.FieldByName(QLatin1String(column)).AsString();
    }
    static DBEdit *edit(TMeiboListForm &form, const char *column)
    {
        return form.FindControl<DBEdit>(QStringLiteral("DBEdit") + QLatin1String(column));
    }
    // Leaves the birth date for the age field, as Tab does.
    static void leaveBirthDate(TMeiboListForm &form)
    {
        form.dtBNDT->findChild<QLineEdit *>(QStringLiteral("day"))->setFocus(Qt::TabFocusReason);
        edit(form, "OLD")->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    static void clickSelection(TMeiboListForm &form, int row)
    {
        DBGrid &grid = *form.DBGrid1;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(row, 0)).center());
    }
    QString committedWorker(const char *columns, int worker)
    {
        return committed(QStringLiteral("Select %1 from SAGYOIN where KJCD = 1 and GYOCD = 2 and INCD = %2")
                             .arg(QLatin1String(columns))
                             .arg(worker));
    }
};

TEST_F(TMeiboListFormTest, OpensOnTheChosenContractorWithTheCountOfSelected)
{
    auto form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("作業員名簿"));
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("株式会社丸山土木"));
    EXPECT_EQ(form->ComboBox1->count(), 3);
    EXPECT_EQ(form->GyoCode, QStringLiteral("2"));
    EXPECT_EQ(field(*form, "NAME"), QStringLiteral("丸山 翔太"));
    EXPECT_EQ(form->StatusBar1->currentMessage(), QStringLiteral("3 件選択されています."));
    EXPECT_FALSE(form->RirekiPanel->isVisible());
    EXPECT_FALSE(form->editBarcd->isVisible());
    EXPECT_TRUE(form->btnExport->isVisible() && form->btnExport->isEnabled());
    EXPECT_EQ(form->btnExport->toolTip(), QStringLiteral("選択者をエクスポートします"));
    QStringList titles;
    for (int i = 0; i < form->DBGrid1->model()->columnCount(); ++i)
        titles << form->DBGrid1->model()->headerData(i, Qt::Horizontal).toString();
    EXPECT_EQ(titles, QStringLiteral("選択,表示順,BARCD,氏名,ふりがな,資格,免許,教育,受入日,受付日").split(','));
    EXPECT_EQ(edit(*form, "GINOKYO")->text(), QStringLiteral("車両系,地山主"));

    EXPECT_TRUE(form->LocateWorker(QStringLiteral("3")));
    EXPECT_EQ(field(*form, "NAME"), QStringLiteral("三浦 真由美"));
    EXPECT_FALSE(form->LocateWorker(QStringLiteral("9")));
    form->SelectContractor(QStringLiteral("99"));
    EXPECT_EQ(form->GyoCode, QStringLiteral("1"));
    EXPECT_EQ(form->StatusBar1->currentMessage(), QStringLiteral("0 件選択されています."));
}

TEST_F(TMeiboListFormTest, AProjectWithoutContractorsHasNoRoster)
{
    AppContext::Project().PublishTree({});
    TMeiboListForm form(context());
    EXPECT_FALSE(form.LoadContractorList());
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("この工事に登録した業者情報が有りません。\n\r"
                                         "先に施工体制に業者を登録して下さい。")});
}

TEST_F(TMeiboListFormTest, ANewWorkerIsTypedInAndPosted)
{
    auto form = open();
    activate(*form);
    form->btnNew->click();
    EXPECT_EQ(field(*form, "INCD"), QStringLiteral("4"));
    EXPECT_EQ(form->focusWidget(), edit(*form, "NAME"));
    TypeText(edit(*form, "NAME"), QStringLiteral("小林 大地"));
    // 昭和 57年 4月 18日
    TypeText(form->dtBNDT->findChild<QLineEdit *>(QStringLiteral("year")), QStringLiteral("57"));
    TypeText(form->dtBNDT->findChild<QLineEdit *>(QStringLiteral("month")), QStringLiteral("4"));
    TypeText(form->dtBNDT->findChild<QLineEdit *>(QStringLiteral("day")), QStringLiteral("18"));
    leaveBirthDate(*form);
    EXPECT_EQ(edit(*form, "OLD")->text(), QStringLiteral("44"));
    form->btnPost->click();
    EXPECT_EQ(form->IBTable1.State(), DataSetState::Browse);
    EXPECT_EQ(
        committedWorker("NAME || '|' || BNDT || '|' || OLD || '|' || SEL || ADVA || YNG || FMLE || '|' || CPNM", 4),
        QStringLiteral("小林 大地|1982/04/18|44|1000|株式会社丸山土木"));
    EXPECT_EQ(form->StatusBar1->currentMessage(), QStringLiteral("4 件選択されています."));
}

TEST_F(TMeiboListFormTest, LeavingTheBirthDateGivesTheAgeOnTheWorkDate)
{
    struct Case
    {
        QDate birth;
        QDate workDate;
        const char *ageAgedYoung;
    };
    const Case cases[] = {{QDate(2000, 1, 1), QDate(2018, 1, 1), "18|0|0"},
                          {QDate(2001, 3, 1), QDate(2019, 2, 27), "17|0|1"},
                          {QDate(2001, 3, 1), QDate(2019, 3, 1), "17|0|1"},
                          {QDate(1963, 4, 1), QDate(2018, 4, 1), "55|1|0"},
                          {QDate(2019, 3, 2), QDate(2019, 3, 1), "|0|0"}};
    auto form = open();
    activate(*form);
    for (const Case &c : cases) {
        AppContext::instance().WorkDate = c.workDate;
        form->btnNew->click();
        form->dtBNDT->SetDate(c.birth);
        leaveBirthDate(*form);
        EXPECT_EQ(field(*form, "OLD") + '|' + field(*form, "ADVA") + '|' + field(*form, "YNG"),
                  QLatin1String(c.ageAgedYoung))
            << c.birth.toString().toStdString();
        form->btnCancel->click();
    }
}

TEST_F(TMeiboListFormTest, BloodPressureIsStoredUpperFirst)
{
    auto form = open();
    edit(*form, "PRESU")->setText({});
    TypeText(edit(*form, "PRESU"), QStringLiteral("80"));
    edit(*form, "PRESL")->setText({});
    TypeText(edit(*form, "PRESL"), QStringLiteral("120"));
    form->btnPost->click();
    EXPECT_EQ(committedWorker("PRESU || '/' || PRESL", 1), QStringLiteral("120/80"));
    EXPECT_EQ(edit(*form, "PRESU")->text(), QStringLiteral("120"));
}

TEST_F(TMeiboListFormTest, TheSelectionOfAnyRowIsToggledAndCommittedAtOnce)
{
    auto form = open();
    clickSelection(*form, 2);
    EXPECT_EQ(form->IBTable1.RecNo(), 2);
    EXPECT_EQ(form->IBTable1.State(), DataSetState::Browse);
    EXPECT_EQ(committedWorker("SEL", 3), QStringLiteral("0"));
    EXPECT_EQ(form->StatusBar1->currentMessage(), QStringLiteral("2 件選択されています."));
    clickSelection(*form, 2);
    EXPECT_EQ(committedWorker("SEL", 3), QStringLiteral("1"));
    // A click on another column only moves.
    QTest::mouseClick(form->DBGrid1->viewport(), Qt::LeftButton, {},
                      form->DBGrid1->visualRect(form->DBGrid1->model()->index(0, 3)).center());
    EXPECT_EQ(form->IBTable1.RecNo(), 0);
    EXPECT_EQ(committedWorker("SEL", 1), QStringLiteral("1"));
}

TEST_F(TMeiboListFormTest, ARefusedToggleIsCancelledAndTheRosterGoesOn)
{
    execute({QStringLiteral("Update SAGYOIN set NAME = null where KJCD = 1 and GYOCD = 2 and INCD = 2")});
    auto form = open();
    clickSelection(*form, 1);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("氏名が有りません")});
    EXPECT_EQ(form->IBTable1.State(), DataSetState::Browse);
    EXPECT_TRUE(form->DBGrid1->isEnabled());
    EXPECT_EQ(committedWorker("SEL", 2), QStringLiteral("1"));
    clickSelection(*form, 2);
    EXPECT_EQ(committedWorker("SEL", 3), QStringLiteral("0"));
}

TEST_F(TMeiboListFormTest, JobTypesAreAppendedWithinTheColumn)
{
    auto form = open();
    services.names = QStringList{QStringLiteral("鳶"), QStringLiteral("型枠")};
    ClickButton(form.get(), "btnMeisho4");
    ClickButton(form.get(), "btnMeisho4");
    EXPECT_EQ(services.nameKinds, QList<int>({4, 4}));
    EXPECT_EQ(edit(*form, "TYP")->text(), QStringLiteral("土工,鳶,型枠"));
    ClickButton(form.get(), "btnMeisho4");  // nothing chosen
    EXPECT_EQ(edit(*form, "TYP")->text(), QStringLiteral("土工,鳶,型枠"));

    SetBoundFieldText(edit(*form, "TYP"), QString(59, QLatin1Char('x')));
    services.names = QStringList{QStringLiteral("鳶")};
    ClickButton(form.get(), "btnMeisho4");
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("「職種」は60文字までです。これ以上追加出来ません。")});
    EXPECT_EQ(edit(*form, "TYP")->text().size(), 59);
    services.names = QStringList{QStringLiteral("主")};
    ClickButton(form.get(), "btnMeisho5");
    EXPECT_EQ(edit(*form, "KIGO")->text(), QStringLiteral("現,主,主"));
}

TEST_F(TMeiboListFormTest, EnteringTheLicencesOpensTheQualificationEditorOnce)
{
    auto form = open();
    activate(*form);
    services.names
        = QStringList{PickerSql::NameEntry(QStringLiteral("大特"), QStringLiteral("大型特殊自動車運転免許"))};
    modal.thenShow<TInSikakuForm>([](TInSikakuForm &qualifications) {
        EXPECT_EQ(qualifications.IBTable1.RecordCount(), 0);
        qualifications.btnNew->click();
        qualifications.btnSikaku->click();
        qualifications.btnPost->click();
        qualifications.close();
    });
    edit(*form, "TKNM")->setFocus(Qt::TabFocusReason);
    edit(*form, "MENKYO")->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(modal.unscripted(), 0);
    EXPECT_EQ(edit(*form, "MENKYO")->text(), QStringLiteral("大特"));
    EXPECT_EQ(form->focusWidget(), edit(*form, "MENKYO"));
    EXPECT_EQ(form->IBTable1.State(), DataSetState::Edit);
    form->btnPost->click();
    EXPECT_EQ(committedWorker("MENKYO", 1), QStringLiteral("大特"));
    EXPECT_EQ(committed(QStringLiteral("Select SKNM || '|' || NAME from INSIKAKU where KJCD = 1 and GYOCD = 2"
                                       " and INCD = 1 and KBN = 1")),
              QStringLiteral("大型特殊自動車運転免許|丸山 翔太"));
}

TEST_F(TMeiboListFormTest, QualificationsOfACancelledNewWorkerAreGoneAndNotInherited)
{
    auto form = open();
    form->btnNew->click();
    TypeText(edit(*form, "NAME"), QStringLiteral("小林 大地"));
    services.names = QStringList{PickerSql::NameEntry(QStringLiteral("新免"), QStringLiteral("新しい免許"))};
    modal.thenShow<TInSikakuForm>([this](TInSikakuForm &qualifications) {
        EXPECT_FALSE(qualifications.HeadPanel->isVisible());  // the worker is not posted yet
        // The names master in between keeps its own work and touches no one else's.
        qualifications.btnMSikaku->click();
        qualifications.btnNew->click();
        qualifications.btnSikaku->click();
        qualifications.btnPost->click();
        qualifications.close();
    });
    modal.thenShow<TSikakuForm>([](TSikakuForm &names) {
        EXPECT_EQ(names.Kind(), 1);
        names.btnNew->click();
        TypeText(names.FindControl<DBEdit>(QStringLiteral("DBEditPRNM")), QStringLiteral("新免"));
        TypeText(names.FindControl<DBEdit>(QStringLiteral("DBEditNM")), QStringLiteral("新しい免許"));
        names.btnPost->click();
        names.close();
    });
    ClickButton(form.get(), "btnMeisho1");
    EXPECT_EQ(edit(*form, "MENKYO")->text(), QStringLiteral("新免"));
    EXPECT_EQ(scalar(QStringLiteral("Select count(*) from INSIKAKU where KJCD = 1 and GYOCD = 2 and INCD = 4")),
              QStringLiteral("1"));
    EXPECT_EQ(committed(QStringLiteral("Select count(*) from INSIKAKU where INCD = 4 and GYOCD = 2")),
              QStringLiteral("0"));
    EXPECT_EQ(committed(QStringLiteral("Select NM from EDUC where PRNM = '新免'")), QStringLiteral("新しい免許"));

    form->btnCancel->click();
    EXPECT_EQ(scalar(QStringLiteral("Select count(*) from INSIKAKU where KJCD = 1 and GYOCD = 2 and INCD = 4")),
              QStringLiteral("0"));
    form->btnNew->click();
    EXPECT_EQ(field(*form, "INCD"), QStringLiteral("4"));
    modal.thenShow<TInSikakuForm>([](TInSikakuForm &qualifications) {
        EXPECT_EQ(qualifications.IBTable1.RecordCount(), 0);
        qualifications.close();
    });
    ClickButton(form.get(), "btnMeisho1");
    EXPECT_EQ(modal.unscripted(), 0);
}

TEST_F(TMeiboListFormTest, ManyLicencesAreSummedUpAsFarAsTheColumnTakes)
{
    QStringList rows;
    for (int i = 10; i < 40; ++i)
        rows << QStringLiteral("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, KBN, SKNM, PRNM)"
                               " values (0, 1, 2, 1, 1, '免許%1', '資%1')")
                    .arg(i);
    execute(rows);
    auto form = open();
    modal.thenShow<TInSikakuForm>([](TInSikakuForm &qualifications) {
        EXPECT_EQ(qualifications.IBTable1.RecordCount(), 30);
        qualifications.close();
    });
    ClickButton(form.get(), "btnMeisho1");
    EXPECT_EQ(edit(*form, "MENKYO")->text().size(), 99);
    form->btnPost->click();
    EXPECT_EQ(form->IBTable1.State(), DataSetState::Browse);
    EXPECT_TRUE(committedWorker("MENKYO", 1).endsWith(QStringLiteral(",資34")));
    EXPECT_EQ(committed(QStringLiteral("Select count(*) from INSIKAKU where INCD = 1 and GYOCD = 2 and KBN = 1")),
              QStringLiteral("30"));
}

TEST_F(TMeiboListFormTest, TheBarcodeNumberIsTypedInCapitalsAndCheckedOnLeaving)
{
    Config::write(*ini, Config::BarCode, true);
    auto form = open();
    activate(*form);
    ASSERT_TRUE(form->editBarcd->isVisible());
    EXPECT_EQ(form->editBarcd->toolTip(), QStringLiteral("統一バーコード7桁（0-9,A-Z）"));
    form->editBarcd->setFocus(Qt::TabFocusReason);
    TypeText(form->editBarcd, QStringLiteral("ab1-2"));
    EXPECT_EQ(form->editBarcd->text(), QStringLiteral("AB12"));
    EXPECT_EQ(form->IBTable1.State(), DataSetState::Edit);
    edit(*form, "ODRNO")->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("統一バーコードは英数字６～８桁固定にして下さい")});
    EXPECT_EQ(form->focusWidget(), form->editBarcd);
    PressKey(form->editBarcd, Qt::Key_End);
    TypeText(form->editBarcd, QStringLiteral("34"));
    edit(*form, "ODRNO")->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.texts().size(), 1);
    form->btnPost->click();
    EXPECT_EQ(committedWorker("BARCDNO", 1), QStringLiteral("AB1234"));
}

TEST_F(TMeiboListFormTest, AWorkerInTheDailyAttendanceIsKeptOthersGoWithTheirQualifications)
{
    execute({QStringLiteral("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, 2, '2026/05/20', 1)")});
    auto form = open();
    form->btnDel->click();
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("選択したデータは労務日報に使用されていますので削除出来ません。")});
    form->IBTable1.Next();
    messages.answer(true);
    form->btnDel->click();
    EXPECT_EQ(committed(QStringLiteral("Select count(*) from SAGYOIN where KJCD = 1 and GYOCD = 2")),
              QStringLiteral("2"));
    EXPECT_EQ(committed(QStringLiteral("Select count(*) from INSIKAKU where KJCD = 1 and GYOCD = 2 and INCD = 2")),
              QStringLiteral("0"));
    EXPECT_EQ(form->StatusBar1->currentMessage(), QStringLiteral("2 件選択されています."));
}

TEST_F(TMeiboListFormTest, TheContractorChangesOnlyWhileBrowsing)
{
    auto form = open();
    TypeText(edit(*form, "FURI"), QStringLiteral("x"));
    EXPECT_FALSE(form->ComboBox1->isEnabled());
    EXPECT_FALSE(form->DBGrid1->isEnabled());
    EXPECT_FALSE(form->btnCalc->isEnabled());
    EXPECT_FALSE(form->btnExport->isEnabled());
    form->btnCancel->click();
    EXPECT_TRUE(form->ComboBox1->isEnabled());
    QTest::keyClick(form->ComboBox1, Qt::Key_Down);
    EXPECT_EQ(form->GyoCode, QStringLiteral("3"));
    EXPECT_EQ(field(*form, "NAME"), QStringLiteral("西田 隆"));
    form->btnNew->click();
    EXPECT_EQ(field(*form, "CPNM"), QStringLiteral("道央舗装株式会社"));
    EXPECT_EQ(field(*form, "INCD"), QStringLiteral("3"));
}

TEST_F(TMeiboListFormTest, AgesAreRecalculatedOnTheWorkDate)
{
    execute({QStringLiteral("Update SAGYOIN set OLD = 1 where KJCD = 1 and GYOCD = 2")});
    auto form = open();
    form->IBTable1.Next();
    ClickButton(form.get(), "btnCalc");
    EXPECT_EQ(form->IBTable1.RecNo(), 1);
    EXPECT_EQ(committedColumn(QStringLiteral("Select OLD || ADVA || YNG from SAGYOIN where KJCD = 1 and GYOCD = 2"
                                             " order by INCD")),
              QStringList({QStringLiteral("4400"), QStringLiteral("3000"), QStringLiteral("3700")}));
}

TEST_F(TMeiboListFormTest, TheRosterPrintOpensTheRosterOnAWorker)
{
    FormWindows windows(data);
    // A double click on the third worker of the print window.
    bool opened = false;
    modal.thenShow<TMeiboPrintForm>([&opened](TMeiboPrintForm &print) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&print));
        DBGrid &grid = *print.DBGrid1;
        // A user's double click: a click that makes the worker current, then the second.
        const QPoint worker = grid.visualRect(grid.model()->index(2, 2)).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, worker);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, worker);
        EXPECT_TRUE(opened);
        print.close();
    });
    modal.thenShow<TMeiboListForm>([&opened](TMeiboListForm &roster) {
        opened = true;
        EXPECT_EQ(roster.GyoCode, QStringLiteral("2"));
        EXPECT_EQ(roster.IBTable1.FieldByName(QStringLiteral("INCD")).AsString(), QStringLiteral("3"));
        roster.close();
    });
    windows.openPrintWindow(nullptr, {PrintWindow::Roster, QStringLiteral("1"), QStringLiteral("2")});
    EXPECT_EQ(modal.unscripted(), 0);

    modal.thenShow<TMeiboListForm>([](TMeiboListForm &roster) {
        EXPECT_EQ(roster.KojiName, QStringLiteral("国道230号 道路改良工事"));
        EXPECT_EQ(roster.IBTable1.FieldByName(QStringLiteral("NAME")).AsString(), QStringLiteral("三浦 真由美"));
        roster.close();
    });
    windows.EditWorkers(nullptr, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    EXPECT_EQ(modal.unscripted(), 0);
    AppContext::Project().PublishTree({});
    windows.editWorkers(nullptr, QStringLiteral("1"), QStringLiteral("2"));
    EXPECT_EQ(modal.unscripted(), 0);  // not shown
}

// Every caption and button of `window` shows its whole text.
QStringList cutTexts(QWidget &window)
{
    QStringList cut;
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->isVisible() && !label->text().isEmpty() && label->width() < label->sizeHint().width())
            cut << label->text();
    }
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        const QString text = button->text().remove(QLatin1Char('&'));
        if (button->isVisible() && !text.isEmpty()
            && button->fontMetrics().horizontalAdvance(text) > button->contentsRect().width())
            cut << text;
    }
    return cut;
}

void keepPicture(QWidget &window, const char *name)
{
    if (const QByteArray dir = qgetenv("SORVIK_SCREENSHOT_DIR"); !dir.isEmpty())
        window.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
}

// The roster and the qualification editor as the demo site shows them; with
// SORVIK_SCREENSHOT_DIR set, the pictures are kept.
TEST_F(TMeiboListFormTest, RosterAndQualificationsShowEveryCaptionWhole)
{
    auto form = open();
    QCoreApplication::processEvents();
    EXPECT_EQ(cutTexts(*form), QStringList());
    keepPicture(*form, "roster.png");
    modal.thenShow<TInSikakuForm>([](TInSikakuForm &qualifications) {
        QCoreApplication::processEvents();
        EXPECT_EQ(cutTexts(qualifications), QStringList());
        keepPicture(qualifications, "qualifications.png");
        qualifications.close();
    });
    ClickButton(form.get(), "btnMeisho2");
}

}  // namespace
