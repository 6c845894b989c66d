#include "controls/ActionButton.h"
#include "dates/EraCalendar.h"
#include "main/ExchangeGuidePanel.h"
#include "main/MainActions.h"
#include "MainFormFixture.h"
#include "UiInput.h"
#include "main/PrintPanel.h"
#include "tree/ConstructionSystem.h"
#include "tree/MainMessages.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QtTest/QTest>

namespace {

using Choice = MainFormWindows::ContractorChoice;

class TMainFormTest : public MainFormFixture
{
protected:
    MainActions &a() { return form->actions(); }

    QStringList menuTitles()
    {
        QStringList titles;
        for (QAction *menu : form->menuBar()->actions()) {
            if (menu->isVisible())
                titles << menu->text();
        }
        return titles;
    }

    void selectNode(const QString &gyoCode) { form->TreeView1->setCurrentIndex(form->system().tree().find(gyoCode)); }

    QStringList rows() { return column(QStringLiteral("Select GYOCD from TAISEI where KJCD = 1 order by GYOCD")); }
};

TEST_F(TMainFormTest, EmptyDatabaseStartsWithTheFirstUseMessageAndNothingToPlace)
{
    Config::write(*ini, Config::CompanyName, QString());
    AppContext::instance().CompanyName = Config::read(*ini, Config::CompanyName);
    open();
    EXPECT_EQ(windows.settingsRequests, QList<bool>{true});
    EXPECT_EQ(messages.texts(), QStringList{MainMessages::FirstUse});
    EXPECT_EQ(AppContext::instance().Project().CurKojiCode(), QStringLiteral("0"));
    EXPECT_EQ(form->lblKojiNM->text(), QStringLiteral("  最初に工事情報を新規作成します"));
    EXPECT_FALSE(a().actSetMotoList->isVisible());
    EXPECT_FALSE(a().actSetMotoNew->isVisible());
    EXPECT_FALSE(a().actSetGyoList->isVisible());
    EXPECT_FALSE(a().actKoji->isEnabled());
    EXPECT_FALSE(a().nmGyoEdit->isEnabled());
    EXPECT_TRUE(a().nmNewKoji->isEnabled());
    EXPECT_TRUE(a().actSelKoji->isEnabled());
    EXPECT_TRUE(a().nmBackup->isEnabled());
}

// A package from another site can bring a date the program cannot read; the start shows
// it as it is and goes on, every time.
TEST_F(TMainFormTest, AProjectWithAStartDateThatIsNoDateOpensShowingTheText)
{
    addProject(1, QStringLiteral("道路改良工事"), 0);
    execute({QStringLiteral("Update KOJI set STDT = '2009/4/1' where KJCD = 1")});
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(form->edtSTDT->text(), QStringLiteral("2009/4/1"));
    EXPECT_EQ(form->edtFNDT->text(), QStringLiteral("令和 09年03月19日"));
    EXPECT_EQ(AppContext::instance().Project().CurKojiCode(), QStringLiteral("1"));
    EXPECT_TRUE(a().actKoji->isEnabled());
}

TEST_F(TMainFormTest, ShiftF10OpensTheTreesMenuAtTheSelectedNode)
{
    addProject(1, QStringLiteral("道路改良工事"), 2);
    execute(
        {QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values (1, 1, '業者1', 0, 0, 1)")});
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    form->show();
    selectNode(QStringLiteral("1"));
    PressKey(form->TreeView1, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(a().PopupMenu1->isVisible());
    a().PopupMenu1->hide();
    PressKey(form->TreeView1, Qt::Key_Menu);
    EXPECT_TRUE(a().PopupMenu1->isVisible());
    a().PopupMenu1->hide();
}

// 作業員名簿(&M) and ﾏｽﾀﾒﾝﾃ(&M) share their letter; as on Windows, each Alt+M goes to the
// next of them.
TEST_F(TMainFormTest, AltMTakesTurnsBetweenTheTwoMenusOfTheLetter)
{
    open();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QStringList opened;
    for (int press = 0; press < 3; ++press) {
        QTest::keyClick(form.get(), Qt::Key_M, Qt::AltModifier);
        QAction *active = form->menuBar()->activeAction();
        opened << (active ? active->text() : QStringLiteral("-"));
        if (active && active->menu())
            active->menu()->hide();
        QTest::keyClick(form->menuBar(), Qt::Key_Escape);
    }
    EXPECT_EQ(opened, QString("作業員名簿(&M),ﾏｽﾀﾒﾝﾃ(&M),作業員名簿(&M)").split(','));
}

TEST_F(TMainFormTest, WindowShowsTheMenusLabelsAndHiddenPartsAtStart)
{
    open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Sorvik ２０１０"));
    EXPECT_EQ(menuTitles(),
              QString("ﾌｧｲﾙ(&F),工事情報(&K),施工体制(&T),業者情報(&G),作業員名簿(&M),印刷(&P),"
                      "ﾏｽﾀﾒﾝﾃ(&M),ﾍﾙﾌﾟ(&H)")
                  .split(','));
    EXPECT_EQ(form->lblDate->text(),
              EraCalendar::format(QDate::currentDate(), QStringLiteral("今日は gg  e年 m月 d日 です")));
    EXPECT_TRUE(form->lblDate->text().contains(QStringLiteral("令和  ")));
    EXPECT_FALSE(form->Timer1->isActive());  // debug is set
    EXPECT_FALSE(form->ExchangePanel->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Memo1->isVisibleTo(form.get()));
    for (QAction *hidden : a().hiddenActions())
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    // Buttons follow their actions: the machine page keeps only the hidden actions' buttons.
    const auto buttons = form->PrintPanel1->PageControl1->widget(2)->findChildren<ActionButton *>();
    ASSERT_EQ(buttons.size(), 2);
    for (ActionButton *button : buttons)
        EXPECT_FALSE(button->isVisibleTo(form.get()));
    EXPECT_EQ(form->PrintPanel1->PageControl1->currentIndex(), 0);
    EXPECT_EQ(AppContext::instance().WorkDate, QDate::currentDate());
}

// Every menu item in order, as "menu/submenu/item", captions as the user reads them;
// separators are left out and the two hidden menus are named without their items.
QStringList MenuPaths(const QString &prefix, const QList<QAction *> &actions)
{
    QStringList paths;
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString path = prefix + action->text();
        paths << path;
        if (action->menu() && action->isVisible())
            paths << MenuPaths(path + QLatin1Char('/'), action->menu()->actions());
    }
    return paths;
}

TEST_F(TMainFormTest, MenuItemsHaveTheirCaptionsInOrder)
{
    open();
    const QStringList expected{
        "ﾌｧｲﾙ(&F)",
        "ﾌｧｲﾙ(&F)/各種設定(&S)",
        "ﾌｧｲﾙ(&F)/ユニットファイル（工事以下の全てのデータ）",
        "ﾌｧｲﾙ(&F)/ユニットファイル（工事以下の全てのデータ）/工事ユニットのアンロード(&U)",
        "ﾌｧｲﾙ(&F)/ユニットファイル（工事以下の全てのデータ）/工事ユニットを新規ロード(&L)",
        "ﾌｧｲﾙ(&F)/ｲﾝﾎﾟｰﾄ(&I)",
        "ﾌｧｲﾙ(&F)/ｲﾝﾎﾟｰﾄ(&I)/職員(&S)",
        "ﾌｧｲﾙ(&F)/ｲﾝﾎﾟｰﾄ(&I)/資格ﾏｽﾀ(&C)",
        "ﾌｧｲﾙ(&F)/ｴｸｽﾎﾟｰﾄ(&W)",
        "ﾌｧｲﾙ(&F)/ｴｸｽﾎﾟｰﾄ(&W)/職員(&S)",
        "ﾌｧｲﾙ(&F)/ｴｸｽﾎﾟｰﾄ(&W)/資格ﾏｽﾀ(&C)",
        "ﾌｧｲﾙ(&F)/未使用の画像を削除(&P)",
        "ﾌｧｲﾙ(&F)/データベース",
        "ﾌｧｲﾙ(&F)/データベース/バックアップ",
        "ﾌｧｲﾙ(&F)/データベース/リストア",
        "ﾌｧｲﾙ(&F)/終了(&Q)",
        "工事情報(&K)",
        "工事情報(&K)/工事情報編集(&J)",
        "工事情報(&K)/工事の新規登録(&N)",
        "工事情報(&K)/工事の選択(&S)",
        "工事情報(&K)/指定工事の全情報削除",
        "施工体制(&T)",
        "施工体制(&T)/選択業者の編集(&E)",
        "施工体制(&T)/業者を入力して元請けに登録(&M)",
        "施工体制(&T)/業者一覧から元請けに登録(&S)",
        "施工体制(&T)/業者を入力して請負に登録(&N)",
        "施工体制(&T)/業者一覧から請負に登録(&L)",
        "施工体制(&T)/選択業者とその下請を外す(&D)",
        "業者情報(&G)",
        "業者情報(&G)/登録業者の編集(&E)",
        "業者情報(&G)/業者の新規登録(&A)",
        "作業員名簿(&M)",
        "作業員名簿(&M)/作業員登録(&M)",
        "作業員名簿(&M)/作業員票印刷(&C)",
        "作業員名簿(&M)/資格取得者一覧(&L)",
        "車両・機械(&C)",
        "Sorvik管理(&A)",
        "印刷(&P)",
        "印刷(&P)/施工体制台帳(&T)",
        "印刷(&P)/再下請負通知書(&L)",
        "印刷(&P)/施工体系図表(&K)",
        "印刷(&P)/技術者体系図(&E)",
        "印刷(&P)/指示書・報告書(&N)",
        "印刷(&P)/各種点検表(&H)",
        "印刷(&P)/その他安全文書(&A)",
        "印刷(&P)/名簿印刷(&M)",
        "印刷(&P)/車両・機械使用届(&C)",
        "ﾏｽﾀﾒﾝﾃ(&M)",
        "ﾏｽﾀﾒﾝﾃ(&M)/職員情報(&S)",
        "ﾏｽﾀﾒﾝﾃ(&M)/資格ﾏｽﾀ(&M)",
        "ﾍﾙﾌﾟ(&H)",
        "ﾍﾙﾌﾟ(&H)/メール問い合わせ",
        "ﾍﾙﾌﾟ(&H)/サポートホームページ",
        "ﾍﾙﾌﾟ(&H)/ﾊﾞｰｼﾞｮﾝ(&V)",
    };
    EXPECT_EQ(MenuPaths({}, form->menuBar()->actions()), expected);
}

TEST_F(TMainFormTest, ClockRunsWithoutTheDebugSetting)
{
    Config::write(*ini, Config::Debug, false);
    open();
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 1000);
}

TEST_F(TMainFormTest, PlacingAndRemovingThePrimeSwitchesThePlacingActions)
{
    addProject(1, QStringLiteral("道路改良工事"), 3);
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(form->lblKojiNM->text(), QStringLiteral("[登録No.1]  道路改良工事"));
    EXPECT_EQ(form->edtSTDT->text(), QStringLiteral("令和 08年04月01日"));
    EXPECT_TRUE(a().actSetMotoList->isVisible());
    EXPECT_TRUE(a().actSetMotoNew->isVisible());
    EXPECT_FALSE(a().actSetGyoList->isVisible());
    EXPECT_FALSE(a().actPDaityo->isEnabled());

    windows.contractorAnswers << Choice{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("業者2")};
    a().actSetMotoList->trigger();
    ASSERT_EQ(windows.contractorRequests.size(), 1);
    EXPECT_EQ(windows.contractorRequests[0].kojiCode, QStringLiteral("1"));
    EXPECT_FALSE(windows.contractorRequests[0].leaveOutPlaced);
    EXPECT_FALSE(a().actSetMotoList->isVisible());
    EXPECT_FALSE(a().actSetMotoNew->isVisible());
    EXPECT_TRUE(a().actSetGyoList->isVisible());
    EXPECT_TRUE(a().actSetGyoNew->isVisible());
    EXPECT_TRUE(a().actPDaityo->isEnabled());
    EXPECT_EQ(rows(), QStringList{QStringLiteral("2")});

    selectNode(QStringLiteral("2"));
    EXPECT_TRUE(a().actGyoDel->isEnabled());
    messages.answer(true);
    a().actGyoDel->trigger();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(a().actSetMotoList->isVisible());
    EXPECT_FALSE(a().actSetGyoList->isVisible());
    EXPECT_FALSE(a().actPDaityo->isEnabled());
    EXPECT_FALSE(a().actGyoDel->isEnabled());
}

TEST_F(TMainFormTest, PlacingFromTheListLeavesOutTheTreeAndNeedsAnOrderer)
{
    addProject(1, QStringLiteral("道路改良工事"), 4);
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    windows.contractorAnswers << Choice{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("業者1")};
    a().actSetMotoList->trigger();
    form->TreeView1->setCurrentIndex({});
    a().actSetGyoList->trigger();
    EXPECT_EQ(messages.texts(), QStringList{MainMessages::SelectOrderer});
    EXPECT_EQ(windows.contractorRequests.size(), 1);

    selectNode(QStringLiteral("1"));
    windows.contractorAnswers << Choice{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("業者3")};
    a().actSetGyoList->trigger();
    selectNode(QStringLiteral("3"));
    windows.contractorAnswers << Choice{QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("業者4")};
    a().actSetGyoList->trigger();
    ASSERT_EQ(windows.contractorRequests.size(), 3);
    EXPECT_EQ(windows.contractorRequests[2].preset, QStringLiteral("3"));
    EXPECT_TRUE(windows.contractorRequests[2].leaveOutPlaced);
    EXPECT_EQ(TreeLevels(), QString("0,1,2").split(','));
    EXPECT_TRUE(form->TreeView1->isExpanded(form->system().tree().find(QStringLiteral("3"))));
    // A closed picker places nothing.
    a().actSetGyoList->trigger();
    EXPECT_EQ(rows(), QString("1,3,4").split(','));
}

TEST_F(TMainFormTest, ChoosingAnotherProjectLoadsIt)
{
    addProject(1, QStringLiteral("道路改良工事"), 1);
    addProject(2, QStringLiteral("集合住宅新築工事"), 1);
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    windows.projectAnswers << MainFormWindows::ProjectChoice{QStringLiteral("2"), QStringLiteral("集合住宅新築工事")};
    a().actSelKoji->trigger();
    EXPECT_EQ(windows.projectRequests, QStringList{QStringLiteral("1")});
    EXPECT_EQ(AppContext::instance().Project().CurKojiCode(), QStringLiteral("2"));
    EXPECT_EQ(form->edtKJNM->text(), QStringLiteral("集合住宅新築工事"));
    EXPECT_EQ(form->lblKojiNM->text(), QStringLiteral("[登録No.2]  集合住宅新築工事"));

    // A project that vanished meanwhile leaves no project.
    windows.projectAnswers << MainFormWindows::ProjectChoice{QStringLiteral("7"), QString()};
    a().actSelKoji->trigger();
    EXPECT_EQ(messages.texts(), QStringList{MainMessages::NoProject});
    EXPECT_EQ(AppContext::instance().Project().CurKojiCode(), QStringLiteral("0"));
    EXPECT_FALSE(a().actKoji->isEnabled());
    EXPECT_FALSE(a().actSetMotoList->isVisible());
    EXPECT_TRUE(form->edtKJNM->text().isEmpty());
}

TEST_F(TMainFormTest, ContractorEditingRepeatsThePickerUntilItIsClosed)
{
    addProject(1, QStringLiteral("道路改良工事"), 3);
    execute(
        {QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values(1, 2, '業者2', 0, 0, 1)")});
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    windows.contractorAnswers << Choice{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("業者2")}
                              << Choice{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("業者3")};
    a().nmGyoEdit->trigger();
    EXPECT_EQ(windows.editedContractors, QString("1/2 prime,1/3").split(','));
    EXPECT_EQ(windows.contractorRequests.size(), 3);
}

TEST_F(TMainFormTest, ClosingRemembersTheProjectAndEmptiesTheImageFolder)
{
    addProject(1, QStringLiteral("道路改良工事"), 1);
    execute(
        {QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values(1, 1, '業者1', 0, 0, 1)")});
    open();
    windows.projectAnswers << MainFormWindows::ProjectChoice{QStringLiteral("1"), QString()};
    a().actSelKoji->trigger();
    QFile photo(AppContext::instance().ImageRoot + QStringLiteral("image/KAO00002.JPG"));
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
    photo.close();
    form->close();
    EXPECT_EQ(IniFile(ini->fileName()).readString(QStringLiteral("data"), QStringLiteral("kojicode")),
              QStringLiteral("1"));
    EXPECT_FALSE(photo.exists());
    EXPECT_EQ(rows(), QStringList{QStringLiteral("1")});
    EXPECT_TRUE(TreeCaptions().isEmpty());
}

TEST_F(TMainFormTest, TheRosterOpensOnTheSelectedContractorAndTheNamesMasterFromTheMasterMenu)
{
    addProject(1, QStringLiteral("道路改良工事"), 4);
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    windows.contractorAnswers << Choice{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("業者1")};
    a().actSetMotoList->trigger();
    selectNode(QStringLiteral("1"));
    windows.contractorAnswers << Choice{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("業者3")};
    a().actSetGyoList->trigger();
    selectNode(QStringLiteral("3"));
    a().actMeibo->trigger();
    EXPECT_EQ(windows.editedRosters, QStringList{QStringLiteral("1/3")});
    a().actSikaku->trigger();
    EXPECT_EQ(windows.namesRequests, 1);
}

TEST_F(TMainFormTest, SettingsAndStaffOpenTheirWindowsAndTheExchangeBoxFollowsTheSetting)
{
    open();
    a().nmShokuInfo->trigger();
    EXPECT_EQ(windows.staffRequests, 1);
    Config::write(*ini, Config::ExpMenu, false);
    a().nmSet->trigger();
    EXPECT_EQ(windows.settingsRequests, QList<bool>{false});
    EXPECT_TRUE(form->ExchangePanel->chkHide->isChecked());
    form->ExchangePanel->chkHide->setChecked(false);
    EXPECT_TRUE(Config::read(*ini, Config::ExpMenu));
    EXPECT_TRUE(form->ExchangePanel->isVisibleTo(form.get()));
}

TEST_F(TMainFormTest, EditorsThatWroteSomethingUpdateTheProjectAndTheTree)
{
    addProject(1, QStringLiteral("道路改良工事"), 0);
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    using Result = MainFormWindows::EditResult;

    // A new contractor entered as prime becomes the root.
    execute({QStringLiteral("Insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values(1, 1, '2026/04/01', '北辰建設')")});
    windows.editAnswers << Result{true, QStringLiteral("1"), QStringLiteral("北辰建設")};
    a().actSetMotoNew->trigger();
    EXPECT_EQ(windows.editedContractors, QStringList{QStringLiteral("1/ prime")});
    EXPECT_EQ(rows(), QStringList{QStringLiteral("1")});
    EXPECT_TRUE(a().actSetGyoNew->isVisible());

    // The editor renamed the selected contractor: the node and its row follow.
    selectNode(QStringLiteral("1"));
    windows.editAnswers << Result{true, QStringLiteral("1"), QStringLiteral("北辰建設株式会社")};
    a().actGyoEdit->trigger();
    EXPECT_EQ(windows.editedContractors.last(), QStringLiteral("1/1 prime"));
    EXPECT_EQ(TreeCaptions(), QStringList{QStringLiteral("北辰建設株式会社")});
    EXPECT_EQ(column(QStringLiteral("Select CPNM from TAISEI where KJCD = 1")),
              QStringList{QStringLiteral("北辰建設株式会社")});

    // A new subcontractor goes under the selected node; an editor that wrote nothing places nothing.
    windows.editAnswers << Result{true, QStringLiteral("2"), QStringLiteral("丸山土木")};
    a().actSetGyoNew->trigger();
    a().actSetGyoNew->trigger();
    EXPECT_EQ(TreeLevels(), QString("0,1").split(','));

    // The project editor posted a new name.
    execute({QStringLiteral("Insert into KOJI (KJCD, APDT, KJNM) values(1, '2026/09/01', '道路改良工事（第2期）')")});
    windows.editAnswers << Result{true, QStringLiteral("1"), {}};
    a().actKoji->trigger();
    EXPECT_EQ(windows.editedProjects, QStringList{QStringLiteral("1")});
    EXPECT_EQ(form->edtKJNM->text(), QStringLiteral("道路改良工事（第2期）"));
    EXPECT_EQ(form->lblKojiNM->text(), QStringLiteral("[登録No.1]  道路改良工事（第2期）"));
    EXPECT_EQ(TreeLevels().size(), 2);
}

TEST_F(TMainFormTest, NewProjectIsLoadedAndTheLabelOpensTheRightEditor)
{
    open();
    addProject(3, QStringLiteral("集合住宅新築工事"), 0);
    windows.editAnswers << MainFormWindows::EditResult{true, QStringLiteral("3"), {}};
    // Without a project the label's double click makes a new one.
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(form->lblKojiNM, &click);
    EXPECT_EQ(windows.editedProjects, QStringList{QStringLiteral("0")});
    EXPECT_EQ(AppContext::instance().Project().CurKojiCode(), QStringLiteral("3"));
    EXPECT_TRUE(a().actSetMotoList->isVisible());
    QApplication::sendEvent(form->lblKojiNM, &click);
    EXPECT_EQ(windows.editedProjects, QString("0,3").split(','));
}

TEST_F(TMainFormTest, OnlyTheLastExchangeLabelActsAndOnlyWithAProject)
{
    open();
    int notifications = 0;
    QObject::connect(a().actTodoke, &QAction::triggered, [&notifications] { ++notifications; });
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(form->ExchangePanel->lblImportNotifications, &release);
    EXPECT_EQ(notifications, 0);  // no project: the label is disabled

    addProject(1, QStringLiteral("道路改良工事"), 0);
    ASSERT_TRUE(form->LoadKojiOrNone(QStringLiteral("1")));
    EXPECT_TRUE(form->ExchangePanel->lblImportWorkers->isEnabled());
    QApplication::sendEvent(form->ExchangePanel->lblImportNotifications, &release);
    EXPECT_EQ(notifications, 1);
}

TEST_F(TMainFormTest, EachPrintCommandOpensItsWindowWithWhatTheMainWindowKnows)
{
    addProject(1, QStringLiteral("道路改良工事"), 3);
    Config::write(*ini, Config::KojiCode, QStringLiteral("1"));
    open();
    windows.contractorAnswers << Choice{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("業者1")}
                              << Choice{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("業者3")};
    a().actSetMotoList->trigger();
    selectNode(QStringLiteral("1"));
    a().actSetGyoList->trigger();
    selectNode(QStringLiteral("3"));
    form->PrintPanel1->PageControl1->setCurrentIndex(2);

    struct Expected
    {
        QAction *action;
        PrintWindow window;
        QString gyoCode;
        int mode;
        int page;
    };
    const QString selected = QStringLiteral("3"), prime = QStringLiteral("1");
    const Expected expected[] = {
        {a().actPMeibo, PrintWindow::Roster, selected, 0, 0},
        {a().actPInCard, PrintWindow::Roster, selected, 1, 0},
        {a().nmLicenseList, PrintWindow::Licences, selected, 0, 0},
        {a().actPDaityo, PrintWindow::Ledger, {}, 1, 0},
        {a().actP2Daityo, PrintWindow::Ledger, {}, 2, 0},
        {a().actPEnginer, PrintWindow::EngineerChart, {}, 0, 0},
        {a().actPNissi, PrintWindow::Instructions, prime, 0, 0},
        {a().actPTenken, PrintWindow::Inspections, {}, 0, 2},
        {a().actPSonota, PrintWindow::OtherSafety, {}, 0, 0},
        {a().actTodoke, PrintWindow::Notifications, selected, 0, 0},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.action->objectName().toStdString());
        windows.printRequests.clear();
        e.action->trigger();
        ASSERT_EQ(windows.printRequests.size(), 1);
        const PrintRequest &request = windows.printRequests.first();
        EXPECT_EQ(request.window, e.window);
        EXPECT_EQ(request.kojiCode, QStringLiteral("1"));
        EXPECT_EQ(request.gyoCode, e.gyoCode);
        EXPECT_EQ(request.mode, e.mode);
        EXPECT_EQ(request.page, e.page);
    }
}

}  // namespace
