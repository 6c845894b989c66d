#include "MainActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

MainActions::MainActions(QMainWindow *window)
    : QObject(window)
{
    actKoji
        = make(QStringLiteral("actKoji"), QStringLiteral("工事情報編集(&J)"), QStringLiteral("工事情報を編集します"));
    nmNewKoji = make(QStringLiteral("nmNewKoji"), QStringLiteral("工事の新規登録(&N)"));
    actSelKoji = make(QStringLiteral("actSelKoji"), QStringLiteral("工事の選択(&S)"));
    nmDelAll = make(QStringLiteral("nmDelAll"), QStringLiteral("指定工事の全情報削除"));

    actGyoEdit = make(QStringLiteral("actGyoEdit"), QStringLiteral("選択業者の編集(&E)"),
                      QStringLiteral("選択した業者の情報を編集します"));
    actSetMotoNew = make(QStringLiteral("actSetMotoNew"), QStringLiteral("業者を入力して元請けに登録(&M)"));
    actSetMotoList = make(QStringLiteral("actSetMotoList"), QStringLiteral("業者一覧から元請けに登録(&S)"));
    actSetGyoNew = make(QStringLiteral("actSetGyoNew"), QStringLiteral("業者を入力して請負に登録(&N)"));
    actSetGyoList = make(QStringLiteral("actSetGyoList"), QStringLiteral("業者一覧から請負に登録(&L)"));
    actGyoDel = make(QStringLiteral("actGyoDel"), QStringLiteral("選択業者とその下請を外す(&D)"));
    nmGyoEdit = make(QStringLiteral("nmGyoEdit"), QStringLiteral("登録業者の編集(&E)"));
    actGyoAdd = make(QStringLiteral("actGyoAdd"), QStringLiteral("業者の新規登録(&A)"));

    actMeibo
        = make(QStringLiteral("actMeibo"), QStringLiteral("作業員登録(&M)"), QStringLiteral("作業員名簿を登録します"));
    actPMeibo = make(QStringLiteral("actPMeibo"), QStringLiteral("名簿印刷(&M)"));
    actPInCard = make(QStringLiteral("actPInCard"), QStringLiteral("作業員票印刷(&C)"));
    actPInCard->setData(1);  // the roster print starts on the worker cards
    nmLicenseList = make(QStringLiteral("nmLicenseList"), QStringLiteral("資格取得者一覧(&L)"));
    actPDaityo = make(QStringLiteral("actPDaityo"), QStringLiteral("施工体制台帳(&T)"));
    actP2Daityo = make(QStringLiteral("actP2Daityo"), QStringLiteral("再下請負通知書(&L)"));
    actPTaikeizu = make(QStringLiteral("actPTaikeizu"), QStringLiteral("施工体系図表(&K)"));
    actPEnginer = make(QStringLiteral("actPEnginer"), QStringLiteral("技術者体系図(&E)"));
    actPNissi = make(QStringLiteral("actPNissi"), QStringLiteral("指示書・報告書(&N)"));
    actPTenken = make(QStringLiteral("actPTenken"), QStringLiteral("各種点検表(&H)"));
    actPSonota = make(QStringLiteral("actPSonota"), QStringLiteral("その他安全文書(&A)"));
    actTodoke = make(QStringLiteral("actTodoke"), QStringLiteral("車両・機械使用届(&C)"));

    nmSet = make(QStringLiteral("nmSet"), QStringLiteral("各種設定(&S)"));
    nmUnload = make(QStringLiteral("nmUnload"), QStringLiteral("工事ユニットのアンロード(&U)"),
                    QStringLiteral("工事配下の全てのデータをロードファイルとして作成します"));
    nmLoad = make(QStringLiteral("nmLoad"), QStringLiteral("工事ユニットを新規ロード(&L)"),
                  QStringLiteral("工事配下の全てのデータを新規取り込みます"));
    nmInpShokuin = make(QStringLiteral("nmInpShokuin"), QStringLiteral("職員(&S)"));
    nmInpShikaku = make(QStringLiteral("nmInpShikaku"), QStringLiteral("資格ﾏｽﾀ(&C)"));
    nmExpShokuin = make(QStringLiteral("nmExpShokuin"), QStringLiteral("職員(&S)"));
    nmExpShikaku = make(QStringLiteral("nmExpShikaku"), QStringLiteral("資格ﾏｽﾀ(&C)"));
    nmPack = make(QStringLiteral("nmPack"), QStringLiteral("未使用の画像を削除(&P)"),
                  QStringLiteral("使用していないイメージファイルを削除してディスクスペースを広げます"));
    nmBackup = make(QStringLiteral("nmBackup"), QStringLiteral("バックアップ"),
                    QStringLiteral("データベースを保管します（提出等には使用できません）"));
    nmRestore = make(QStringLiteral("nmRestore"), QStringLiteral("リストア"),
                     QStringLiteral("バックアップしたデータを戻します"));
    nmQuit = make(QStringLiteral("nmQuit"), QStringLiteral("終了(&Q)"));
    nmShokuInfo = make(QStringLiteral("nmShokuInfo"), QStringLiteral("職員情報(&S)"));
    actSikaku = make(QStringLiteral("actSikaku"), QStringLiteral("資格ﾏｽﾀ(&M)"));
    nmQMail = make(QStringLiteral("nmQMail"), QStringLiteral("メール問い合わせ"));
    nmHPage = make(QStringLiteral("nmHPage"), QStringLiteral("サポートホームページ"));
    nmVersion = make(QStringLiteral("nmVersion"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ(&V)"));

    buildMenus(window);
    buildToolBars(window);
    buildPopup();
}

QAction *MainActions::make(const QString &name, const QString &caption, const QString &hint)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    return action;
}

void MainActions::buildMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();

    QMenu *file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->addAction(nmSet);
    file->addSeparator();
    QMenu *unit = file->addMenu(QStringLiteral("ユニットファイル（工事以下の全てのデータ）"));
    unit->setToolTipsVisible(true);  // the hints, and why the unload is disabled
    unit->addAction(nmUnload);
    unit->addAction(nmLoad);
    QMenu *import = file->addMenu(QStringLiteral("ｲﾝﾎﾟｰﾄ(&I)"));
    import->addAction(nmInpShokuin);
    import->addAction(nmInpShikaku);
    QMenu *exportMenu = file->addMenu(QStringLiteral("ｴｸｽﾎﾟｰﾄ(&W)"));
    exportMenu->addAction(nmExpShokuin);
    exportMenu->addAction(nmExpShikaku);
    file->addSeparator();
    file->addAction(nmPack);
    QMenu *database = file->addMenu(QStringLiteral("データベース"));
    database->addAction(nmBackup);
    database->addAction(nmRestore);
    file->addSeparator();
    file->addAction(nmQuit);

    QMenu *project = bar->addMenu(QStringLiteral("工事情報(&K)"));
    project->addAction(actKoji);
    project->addAction(nmNewKoji);
    project->addSeparator();
    project->addAction(actSelKoji);
    project->addSeparator();
    project->addAction(nmDelAll);

    QMenu *system = bar->addMenu(QStringLiteral("施工体制(&T)"));
    system->addAction(actGyoEdit);
    system->addSeparator();
    system->addActions({actSetMotoNew, actSetMotoList, actSetGyoNew, actSetGyoList});
    system->addSeparator();
    system->addAction(actGyoDel);

    QMenu *contractors = bar->addMenu(QStringLiteral("業者情報(&G)"));
    contractors->addActions({nmGyoEdit, actGyoAdd});

    QMenu *roster = bar->addMenu(QStringLiteral("作業員名簿(&M)"));
    roster->addActions({actMeibo, actPInCard, nmLicenseList});

    mnCar = bar->addMenu(QStringLiteral("車両・機械(&C)"));
    mnCar->addAction(actTodoke);
    mnAdmin = bar->addMenu(QStringLiteral("Sorvik管理(&A)"));

    QMenu *print = bar->addMenu(QStringLiteral("印刷(&P)"));
    print->addActions({actPDaityo, actP2Daityo, actPTaikeizu, actPEnginer, actPNissi, actPTenken, actPSonota});
    print->addSeparator();
    print->addActions({actPMeibo, actTodoke});

    QMenu *masters = bar->addMenu(QStringLiteral("ﾏｽﾀﾒﾝﾃ(&M)"));
    masters->addActions({nmShokuInfo, actSikaku});

    QMenu *help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->addActions({nmQMail, nmHPage});
    help->addSeparator();
    help->addAction(nmVersion);
}

void MainActions::buildToolBars(QMainWindow *window)
{
    ToolBar1 = window->addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar1->setMovable(false);
    ToolBar1->addActions({actKoji, actGyoEdit, actMeibo});
    ToolBar2 = window->addToolBar(QStringLiteral("ToolBar2"));
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar2->setMovable(false);
    ToolBar2->addAction(actTodoke);
}

void MainActions::buildPopup()
{
    PopupMenu1 = new QMenu;
    PopupMenu1->setParent(qobject_cast<QWidget *>(parent()), Qt::Popup);
    PopupMenu1->addActions({actSetMotoNew, actSetMotoList, actSetGyoNew, actSetGyoList});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({actGyoEdit, actMeibo, actTodoke});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(actGyoDel);
}

QList<QAction *> MainActions::projectDependent() const
{
    return {actKoji,  actPTaikeizu, actPEnginer, actPMeibo,  actPInCard, actGyoAdd,
            actMeibo, actTodoke,    actPTenken,  actPSonota, nmGyoEdit,  nmLicenseList};
}

QList<QAction *> MainActions::primeDependent() const
{
    return {actPDaityo, actP2Daityo};
}

QList<QAction *> MainActions::nodeDependent() const
{
    return {actGyoDel, actGyoEdit};
}

QList<QAction *> MainActions::hiddenActions() const
{
    return {actPNissi, actPTenken, actPSonota, actTodoke};
}
