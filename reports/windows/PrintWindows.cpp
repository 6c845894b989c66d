#include "PrintWindows.h"

#include "NotYetPrintForm.h"
#include "TKikaiPrintForm.h"
#include "TLicencePrintForm.h"
#include "TMeiboPrintForm.h"
#include "TNissiPrintForm.h"
#include "TSonotaPrintForm.h"
#include "TTenkenPrintForm.h"
#include "framework/PrintChecks.h"
#include "messages/MessageService.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
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

void openNotYet(QWidget *parent, const PrintRequest &request)
{
    NotYetPrintForm window(Caption(request.window), parent);
    window.KojiCode = request.kojiCode;
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
    case PrintWindow::EngineerChart:
        openNotYet(parent, request);
        break;
    }
}

QString Caption(PrintWindow window)
{
    switch (window) {
    case PrintWindow::Roster:
        return QStringLiteral("作業員名簿印刷");
    case PrintWindow::Ledger:
        return QStringLiteral("施工体制台帳印刷画面");
    case PrintWindow::EngineerChart:
        return QStringLiteral("体系図印刷画面");
    case PrintWindow::Instructions:
        return QStringLiteral("安全衛生印刷画面");
    case PrintWindow::Licences:
        return QStringLiteral("資格者一覧印刷画面");
    case PrintWindow::Notifications:
        return QStringLiteral("車両届・持込機械使用届");
    case PrintWindow::Inspections:
        return QStringLiteral("各種点検表印刷");
    case PrintWindow::OtherSafety:
        return QStringLiteral("その他安全文書印刷");
    }
    return {};
}

}  // namespace PrintWindows
