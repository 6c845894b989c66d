#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// Every action and menu of the main window with its caption and hint, the menu bar, the
// two tool bars and the tree's pop-up menu. The window connects the actions whose
// windows exist; the others open their windows once those are built.
class MainActions : public QObject
{
    Q_OBJECT
public:
    explicit MainActions(QMainWindow *window);

    // 工事情報
    QAction *actKoji, *nmNewKoji, *actSelKoji, *nmDelAll;
    // 施工体制 and 業者情報
    QAction *actGyoEdit, *actSetMotoNew, *actSetMotoList, *actSetGyoNew, *actSetGyoList, *actGyoDel;
    QAction *nmGyoEdit, *actGyoAdd;
    // 作業員名簿 and 印刷
    QAction *actMeibo, *actPMeibo, *actPInCard, *nmLicenseList;
    QAction *actPDaityo, *actP2Daityo, *actPTaikeizu, *actPEnginer;
    QAction *actPNissi, *actPTenken, *actPSonota, *actTodoke;
    // ﾌｧｲﾙ, ﾏｽﾀﾒﾝﾃ, ﾍﾙﾌﾟ
    QAction *nmSet, *nmUnload, *nmLoad, *nmInpShokuin, *nmInpShikaku, *nmExpShokuin, *nmExpShikaku;
    QAction *nmPack, *nmBackup, *nmRestore, *nmQuit;
    QAction *nmShokuInfo, *actSikaku;
    QAction *nmQMail, *nmHPage, *nmVersion;

    QMenu *mnCar;    // 車両・機械: hidden
    QMenu *mnAdmin;  // Sorvik管理: hidden
    QToolBar *ToolBar1;
    QToolBar *ToolBar2;
    QMenu *PopupMenu1;

    // Groups of the enabling rules.
    QList<QAction *> projectDependent() const;
    QList<QAction *> primeDependent() const;  // without actPNissi, which has a rule of its own
    QList<QAction *> nodeDependent() const;
    QList<QAction *> hiddenActions() const;

private:
    QAction *make(const QString &name, const QString &caption, const QString &hint = {});
    void buildMenus(QMainWindow *window);
    void buildToolBars(QMainWindow *window);
    void buildPopup();
};
