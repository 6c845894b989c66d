#include "MainMaintenanceMenu.h"

#include "DatabaseBackup.h"
#include "DatabaseRestore.h"
#include "MainActions.h"
#include "MaintenanceMessages.h"
#include "PackageDialogs.h"
#include "SupportLinks.h"
#include "TAboutBox.h"
#include "TDelAllForm.h"
#include "UnusedImages.h"
#include "config/ConfigKeys.h"
#include "config/IniFile.h"
#include "messages/MessageService.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "services/ModalService.h"
#include "services/UserAction.h"
#include "startup/StartupMessages.h"
#include "system/SystemInfo.h"

#include <QAction>
#include <QScopeGuard>

using sorvik::package::PackageDialogs;

MainMaintenanceMenu::MainMaintenanceMenu(TDataModule1 &data, MainActions &actions, MainFormWindows &windows,
                                         QPlainTextEdit &memo, std::function<void(const QString &)> loadProject,
                                         QWidget *parent)
    : QObject(parent)
    , m_data(data)
    , m_windows(windows)
    , m_log(memo)
    , m_loadProject(std::move(loadProject))
    , m_window(parent)
{
    ConnectUserAction(actions.nmDelAll, this, &MainMaintenanceMenu::nmDelAllClick);
    ConnectUserAction(actions.nmBackup, this, &MainMaintenanceMenu::nmBackupClick);
    ConnectUserAction(actions.nmRestore, this, &MainMaintenanceMenu::nmRestoreClick);
    ConnectUserAction(actions.nmPack, this, &MainMaintenanceMenu::nmPackClick);
    ConnectUserAction(actions.nmVersion, this, &MainMaintenanceMenu::nmVersionClick);
    ConnectUserAction(actions.nmQMail, this, &MainMaintenanceMenu::nmQMailClick);
    ConnectUserAction(actions.nmHPage, this, &MainMaintenanceMenu::nmHPageClick);
}

void MainMaintenanceMenu::nmDelAllClick()
{
    TDelAllForm form(m_data, m_windows, m_window);
    ModalService::current().run(form);
    if (form.DeletedCurrent)
        m_loadProject(AppContext::Project().CurKojiCode());
}

void MainMaintenanceMenu::nmBackupClick()
{
    DatabaseBackup backup(m_data.IBDatabase1, PackageDialogs::current(), m_log);
    backup.run();
}

void MainMaintenanceMenu::nmRestoreClick()
{
    DatabaseRestore restore(m_data.IBDatabase1, PackageDialogs::current(), m_log);
    // Whatever came of it, what the window shows was read over the closed connection. The
    // reload reports its own failure, so it never throws while a failed restore unwinds.
    const auto reload = qScopeGuard([&] {
        if (restore.reconnected() && m_data.IBDatabase1.isConnected())
            RunUserAction([&] { m_loadProject(Config::read(*m_data.iniFile, Config::KojiCode)); });
    });
    restore.run();
}

void MainMaintenanceMenu::nmPackClick()
{
    if (MessageService::current().question(MaintenanceMessages::ConfirmImageCleanup, MaintenanceMessages::Confirm))
        UnusedImages::remove(m_data.IBTransaction1);
}

void MainMaintenanceMenu::nmVersionClick()
{
    TAboutBox box(m_window);
    ModalService::current().run(box);
}

void MainMaintenanceMenu::nmQMailClick()
{
    const QString program = ProgramFilePath();
    SupportLinks::sendMailInquiry(*m_data.iniFile,
                                  {StartupMessages::ApplicationTitle, AppContext::instance().CompanyName,
                                   GetVersionString(program, 3), GetLoginUserName()});
}

void MainMaintenanceMenu::nmHPageClick()
{
    SupportLinks::openSupportPage(*m_data.iniFile);
}
