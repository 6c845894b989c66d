#pragma once

#include "MemoLog.h"

#include <QObject>
#include <QString>

#include <functional>

class MainActions;
class MainFormWindows;
class QPlainTextEdit;
class QWidget;
class TDataModule1;

// The main menu's maintenance and help commands: deleting a project's data (nmDelAll),
// backup and restore with their progress in the memo (nmBackup, nmRestore), removing
// unused images (nmPack), the version window (nmVersion), the mail inquiry (nmQMail)
// and the support page (nmHPage). When the current project's data was deleted, or the
// database was restored, the project is loaded again through `loadProject`.
class MainMaintenanceMenu : public QObject
{
    Q_OBJECT
public:
    MainMaintenanceMenu(TDataModule1 &data, MainActions &actions, MainFormWindows &windows, QPlainTextEdit &memo,
                        std::function<void(const QString &)> loadProject, QWidget *parent);

private:
    void nmDelAllClick();
    void nmBackupClick();
    void nmRestoreClick();
    void nmPackClick();
    void nmVersionClick();
    void nmQMailClick();
    void nmHPageClick();

    TDataModule1 &m_data;
    MainFormWindows &m_windows;
    MemoLog m_log;
    std::function<void(const QString &)> m_loadProject;
    QWidget *m_window;
};
