#include "MainPrintMenu.h"

#include "MainActions.h"
#include "MainFormWindows.h"
#include "PrintPanel.h"
#include "program/AppContext.h"
#include "services/UserAction.h"
#include "tree/ConstructionSystem.h"

#include <QAction>
#include <QTabWidget>

MainPrintMenu::MainPrintMenu(MainActions &actions, ConstructionSystem &system, PrintPanel &panel,
                             MainFormWindows &windows, QWidget *window)
    : QObject(window)
    , m_system(system)
    , m_panel(panel)
    , m_windows(windows)
    , m_window(window)
{
    connectAction(actions.actPMeibo, PrintWindow::Roster);
    connectAction(actions.actPInCard, PrintWindow::Roster, actions.actPInCard->data().toInt());
    connectAction(actions.nmLicenseList, PrintWindow::Licences);
    connectAction(actions.actPDaityo, PrintWindow::Ledger, 1);
    connectAction(actions.actP2Daityo, PrintWindow::Ledger, 2);
    connectAction(actions.actPEnginer, PrintWindow::EngineerChart);
    connectAction(actions.actPNissi, PrintWindow::Instructions);
    connectAction(actions.actPTenken, PrintWindow::Inspections);
    connectAction(actions.actPSonota, PrintWindow::OtherSafety);
    connectAction(actions.actTodoke, PrintWindow::Notifications);
}

void MainPrintMenu::connectAction(QAction *action, PrintWindow target, int mode)
{
    connect(action, &QAction::triggered, this, [this, target, mode] {
        RunUserAction([&] { m_windows.openPrintWindow(m_window, request(target, mode)); });
    });
}

PrintRequest MainPrintMenu::request(PrintWindow target, int mode) const
{
    PrintRequest request;
    request.window = target;
    request.kojiCode = AppContext::Project().CurKojiCode();
    request.mode = mode;
    switch (target) {
    case PrintWindow::Roster:
    case PrintWindow::Licences:
    case PrintWindow::Notifications:
        request.gyoCode = m_system.SelGyoCode();
        break;
    case PrintWindow::Instructions:
        request.gyoCode = m_system.PrimeGyoCode();
        break;
    case PrintWindow::Inspections:
        request.page = m_panel.PageControl1->currentIndex();
        break;
    case PrintWindow::Ledger:
    case PrintWindow::EngineerChart:
    case PrintWindow::OtherSafety:
        break;
    }
    return request;
}
