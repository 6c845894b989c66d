#pragma once

#include <QMainWindow>

class ConstructionSystem;
class ExchangeGuidePanel;
class MainActions;
class MainExchangeMenu;
class MainFormWindows;
class PrintPanel;
class QCalendarWidget;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPlainTextEdit;
class QTimer;
class QTreeView;
class TDataModule1;

// The program's only non-modal window: the current project, its construction system as
// a tree, and the launch point of every editor, print, exchange and maintenance window.
// The tree and the project state live in ConstructionSystem; this window shows them and
// turns the user's commands into calls on it and on the modal windows.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(TDataModule1 &data, MainFormWindows &windows, QWidget *parent = nullptr);
    ~TMainForm() override;

    ConstructionSystem &system() { return *m_system; }
    MainActions &actions() { return *m_actions; }

    // Loads a project; on failure the current project becomes "0". The tree actions
    // follow either way.
    bool LoadKojiOrNone(const QString &code);

    QLabel *lblDate;
    QLabel *lblClock;
    QCalendarWidget *MonthCalendar1;
    QPlainTextEdit *Memo1;  // progress of backup and restore
    QLineEdit *edtKJNM;     // 名称
    QLineEdit *edtSTDT;     // 工期 from
    QLineEdit *edtFNDT;     // 工期 to
    QLabel *lblTitle;       // 施工体制
    QLabel *lblKojiNM;
    QTreeView *TreeView1;
    ExchangeGuidePanel *ExchangePanel;
    PrintPanel *PrintPanel1;
    QTimer *Timer1;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    QWidget *buildLeftColumn();
    QWidget *buildProjectBox();
    QWidget *buildTreePanel();
    void connectActions();
    void applyState();
    void showProjectFields();
    void chkHideToggled(bool checked);
    void TreeView1ContextMenu(const QPoint &position);

    void actKojiExecute();
    void nmNewKojiClick();
    void actSelKojiExecute();
    void actGyoEditExecute();
    void actSetMotoNewExecute();
    void actSetGyoNewExecute();
    void actGyoAddExecute();
    void actSetMotoListExecute();
    void actSetGyoListExecute();
    void actGyoDelExecute();
    void nmGyoEditClick();
    // The tree's node of a contractor follows the name its editor ended with.
    void renameEdited(const QModelIndex &node, const QString &name);
    void nmSetClick();
    void nmShokuInfoClick();
    void actPTaikeizuExecute();
    void actMeiboExecute();
    void actSikakuExecute();

    TDataModule1 &m_data;
    MainFormWindows &m_windows;
    ConstructionSystem *m_system;
    MainActions *m_actions;
    MainExchangeMenu *m_exchangeMenu = nullptr;
};
