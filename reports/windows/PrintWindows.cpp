#include "PrintWindows.h"

#include "TDaityoPrintForm.h"
#include "TKikaiPrintForm.h"
#include "TLicencePrintForm.h"
#include "TMeiboPrintForm.h"
#include "TNissiPrintForm.h"
#include "TSonotaPrintForm.h"
#include "TTaikeiPrintForm.h"
#include "TTenkenPrintForm.h"
#include "services/ModalService.h"

#include <QCheckBox>

using namespace sorvik::documents;

namespace PrintWindows {

namespace {

void openRoster(QWidget *parent, const PrintRequest &request, const WorkerEditor &editWorkers)
{
    TMeiboPrintForm window(parent);
    window.KojiCode = request.kojiCode;
    window.GyoCode = request.gyoCode;
    window.OpenWorkerEditor = editWorkers;
    window.chkCardType->setChecked(request.mode == 1);
    if (window.LoadContractorList())
        ModalService::current().run(window);
}

void openEngineerChart(QWidget *parent, const PrintRequest &request)
{
    TTaikeiPrintForm window(parent);
    window.KojiCode = request.kojiCode;
    ModalService::current().run(window);
}

void openLedger(QWidget *parent, const PrintRequest &request)
{
    TDaityoPrintForm window(parent);
    window.KojiCode = request.kojiCode;
    window.SetMode(request.mode);
    ModalService::current().run(window);
}

void openNotifications(QWidget *parent, const PrintRequest &request, const EquipmentEditorOpener &editEquipment)
{
    TKikaiPrintForm window(parent);
    window.KojiCode = request.kojiCode;
    window.OpenEditor = editEquipment;
    if (!window.LoadContractorList())
        return;
    window.SelectContractor(request.gyoCode);
    ModalService::current().run(window);
}

void openLicences(QWidget *parent, const PrintRequest &request)
{
    TLicencePrintForm window(parent);
    window.KojiCode = request.kojiCode;
    window.GyoCode = request.gyoCode;
    if (window.LoadContractorList())
        ModalService::current().run(window);
}

template<class Window>
void openSheets(QWidget *parent, const PrintRequest &request, const std::function<void(Window &)> &prepare = {})
{
    Window window(parent);
    window.KojiCode = request.kojiCode;
    if (prepare)
        prepare(window);
    ModalService::current().run(window);
}

}  // namespace

void Open(QWidget *parent, const PrintRequest &request, const WorkerEditor &editWorkers,
          const EquipmentEditorOpener &editEquipment)
{
    switch (request.window) {
    case PrintWindow::Roster:
        openRoster(parent, request, editWorkers);
        break;
    case PrintWindow::Notifications:
        openNotifications(parent, request, editEquipment);
        break;
    case PrintWindow::Licences:
        openLicences(parent, request);
        break;
    case PrintWindow::Instructions:
        openSheets<TNissiPrintForm>(parent, request,
                                    [&](TNissiPrintForm &window) { window.GyoCode = request.gyoCode; });
        break;
    case PrintWindow::Inspections:
        openSheets<TTenkenPrintForm>(parent, request, [&](TTenkenPrintForm &window) { window.SetPage(request.page); });
        break;
    case PrintWindow::OtherSafety:
        openSheets<TSonotaPrintForm>(parent, request);
        break;
    case PrintWindow::Ledger:
        openLedger(parent, request);
        break;
    case PrintWindow::EngineerChart:
        openEngineerChart(parent, request);
        break;
    }
}

}  // namespace PrintWindows
